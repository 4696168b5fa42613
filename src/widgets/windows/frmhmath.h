// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fact picture window: a row of as many shapes as the multiplier, in as
// many rows as the factor, drawn one shape and one row at a time with sounds,
// beside the fact written out. A fresh window for every showing: it holds the
// controls, and the steps are FactPicture's (study/factpicture.h).
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

class Announcer;
class FactPicture;
class Module1;
class Frame;
class PictureBox;
class QLabel;
class QPushButton;

class frmHMath : public QWidget
{
    Q_OBJECT
public:
    explicit frmHMath(Module1 &module, QWidget *owner = nullptr);
    ~frmHMath() override;

    // Creates a fresh window for PictureMultiplier x PictureFactor, shows it
    // modally and returns when its OK has closed it.
    static void showFact(Module1 &module, QWidget *owner);

    void Form_Load();
    void Form_Activate();
    void Form_Paint();
    void Command1_Click();

    const FactPicture &picture() const { return *m_picture; }

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    QWidget *buildGrid();
    void buildTutor();
    void buildOk();
    void buildCounts();
    void followPicture();
    void clearFact();
    void showLabel(QLabel *label);

    Module1 &m;
    QWidget *m_owner;
    std::unique_ptr<Announcer> m_announcer;
    QString m_fact; // in words
    FactPicture *m_picture;

    PictureBox *canvas = nullptr;
    Frame *Frame1 = nullptr;
    std::array<QLabel *, 3> lbltutor{};
    QPushButton *Command1 = nullptr;
    std::array<QLabel *, 12> lblFact{}; // row labels, item r reads r + 1
    QLabel *lblFact99 = nullptr;       // the corner label
    std::array<QLabel *, 13> lblFact1{}; // column labels 1..12; 0 unused
};
