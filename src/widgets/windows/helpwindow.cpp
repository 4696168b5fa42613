// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindow.h"

#include "app/module1.h"
#include "app/texts.h"
#include "controls/widgets.h"
#include "controls/windowfront.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindowViewer::~HelpWindowViewer() { delete m_frame.data(); }

int helpAnchorPosition(const QTextDocument &document, const QString &anchor)
{
    if (anchor.isEmpty())
        return -1;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        for (auto f = b.begin(); !f.atEnd(); ++f)
            if (f.fragment().charFormat().anchorNames().contains(anchor))
                return f.fragment().position();
    return -1;
}

void HelpWindowViewer::showHelp(const QString &path, const QString &anchor)
{
    // F1 in My Facts or the fact picture asks from a modal window, which
    // blocks every window that is not its own: the help goes with it then,
    // and is read and closed while it stays open.
    QWidget *modal = QApplication::activeModalWidget();
    if (m_frame && m_frame->parentWidget() != modal) {
        const QRect was = m_frame->geometry();
        m_frame->setParent(modal, Qt::Window);
        m_frame->setGeometry(was);
    }
    if (!m_frame) {
        // The text stands in a window of its own: a screen reader meets a
        // window named "Numbloom Help", with the text inside it.
        m_frame = new QWidget(modal, Qt::Window);
        m_frame->setObjectName(QStringLiteral("helpWindow"));
        m_frame->setWindowTitle(Help::tr("Numbloom Help"));
        m_frame->resize(560, 520);
        auto *layout = new QVBoxLayout(m_frame);
        layout->setContentsMargins(0, 0, 0, 0);
        m_window = new QTextBrowser(m_frame);
        m_window->setAccessibleName(m_frame->windowTitle());
        m_window->setOpenExternalLinks(true);
        layout->addWidget(m_window);
        centreOnScreen(m_frame);
        // A window of its own with no button to close it: Esc does.
        auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), m_frame);
        QObject::connect(close, &QShortcut::activated, m_frame.data(), &QWidget::close);
    }
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) {
        m_window->setSearchPaths({QFileInfo(path).absolutePath()});
        m_window->setHtml(QString::fromUtf8(f.read(1 << 20)));
    } else {
        m_window->setPlainText(Help::tr("Cannot find the help file:\n%1").arg(QDir::toNativeSeparators(path)));
    }
    // The caret goes to the part asked for, so a screen reader starts
    // reading there too; an anchor the file lacks gives its start.
    const int at = helpAnchorPosition(*m_window->document(), anchor);
    QTextCursor caret(m_window->document());
    caret.setPosition(std::max(at, 0));
    m_window->setTextCursor(caret);
    // Asked again while it is open, it comes out from behind the main window
    // (or back from minimised) with the keyboard.
    m_frame->show();
    bringToFront(m_frame->windowHandle());
    m_window->setFocus();
    // Its heading at the top of the window.
    if (at >= 0)
        m_window->scrollToAnchor(anchor);
    else
        m_window->verticalScrollBar()->setValue(0);
}

void addHelpKey(QWidget *window, const Module1 &m, std::function<QString()> anchor)
{
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), window);
    QObject::connect(help, &QShortcut::activated, window,
                     [&m, anchor = std::move(anchor)] { m.ShowHelp(anchor ? anchor() : QString()); });
}

bool DesktopBrowser::openUrl(const QUrl &url) { return QDesktopServices::openUrl(url); }
