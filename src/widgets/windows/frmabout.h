// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first window: the maker's picture and words, OK and the web-site button.
// It reads the settings before anything else is shown, and stays loaded,
// hidden, for the whole run.
#include <QWidget>
#include <memory>

class Module1;
class frmTable;
class Frame;
class ImageBox;
class QPushButton;

class frmAbout : public QWidget
{
    Q_OBJECT
public:
    explicit frmAbout(Module1 &module);
    ~frmAbout() override;

    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    // Info: the same window again, modally over owner, until OK hides it.
    void showModal(QWidget *owner = nullptr);
    frmTable *mainWindow() const { return m_main.get(); }

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    Module1 &m;
    std::unique_ptr<frmTable> m_main;
    bool m_centredByFrame = false;

    ImageBox *Image1;
    Frame *SSPanel1;
    QPushButton *Command1, *Command2;
};

// The maker's addresses.
extern const char *const HomePageUrl;
extern const char *const ErrorPageUrl;
