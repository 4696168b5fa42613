#pragma once
// The help file opened at its start in a window of the program's own.
#include "platform/services.h"
#include <QPointer>

#include <QTextBrowser>

class HelpWindowViewer : public HelpViewer
{
public:
    ~HelpWindowViewer() override;
    void showHelp(const QString &path) override;
    QTextBrowser *window() const { return m_window; }

private:
    QPointer<QTextBrowser> m_window;
};

class DesktopBrowser : public Browser
{
public:
    bool openUrl(const QUrl &url) override;
};
