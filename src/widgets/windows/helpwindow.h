// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help file opened in a window of the program's own, at its start or at
// the part about the window it was asked from.
#include "platform/services.h"
#include <QPointer>

#include <QTextBrowser>
#include <functional>

class Module1;
class QTextDocument;

// F1 anywhere in window opens the help, as the desktop's help key does: at
// the part anchor() names when it is given, else at the start.
void addHelpKey(QWidget *window, const Module1 &m, std::function<QString()> anchor = {});

// Where the anchor of that name starts in the document; -1 when there is none.
int helpAnchorPosition(const QTextDocument &document, const QString &anchor);

class HelpWindowViewer : public HelpViewer
{
public:
    ~HelpWindowViewer() override;
    void showHelp(const QString &path, const QString &anchor) override;
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
