#pragma once
// The help file opened at its start in a window of the program's own.
#include "platform/services.h"
#include <QPointer>

#include <QTextBrowser>

class Module1;

// F1 anywhere in window opens the help, as the desktop's help key does.
void addHelpKey(QWidget *window, const Module1 &m);

class HelpWindowViewer : public HelpViewer
{
public:
    ~HelpWindowViewer() override;
    void showHelp(const QString &path) override;
    // The text itself, not the window round it: what tests read and type into.
    QTextBrowser *window() const { return m_window; }

private:
    QPointer<QWidget> m_frame;
    QPointer<QTextBrowser> m_window;
};

class DesktopBrowser : public Browser
{
public:
    bool openUrl(const QUrl &url) override;
};
