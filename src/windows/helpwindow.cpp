#include "helpwindow.h"

#include "app/module1.h"
#include "app/texts.h"
#include "platform/widgets.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QShortcut>
#include <QTextBrowser>

HelpWindowViewer::~HelpWindowViewer() { delete m_window.data(); }

void HelpWindowViewer::showHelp(const QString &path)
{
    if (!m_window) {
        m_window = new QTextBrowser;
        m_window->setObjectName(QStringLiteral("helpWindow"));
        m_window->setAttribute(Qt::WA_DeleteOnClose, false);
        m_window->setWindowTitle(Help::tr("Numbloom Help"));
        m_window->setOpenExternalLinks(true);
        m_window->resize(560, 520);
        centreOnScreen(m_window);
        // A window of its own with no button to close it: Esc does.
        auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), m_window);
        QObject::connect(close, &QShortcut::activated, m_window, &QWidget::close);
    }
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) {
        m_window->setSearchPaths({QFileInfo(path).absolutePath()});
        m_window->setHtml(QString::fromUtf8(f.read(1 << 20)));
    } else {
        m_window->setPlainText(Help::tr("Cannot find the help file:\n%1").arg(QDir::toNativeSeparators(path)));
    }
    m_window->moveCursor(QTextCursor::Start);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void addHelpKey(QWidget *window, const Module1 &m)
{
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), window);
    QObject::connect(help, &QShortcut::activated, window, [&m] { m.ShowHelp(); });
}

bool DesktopBrowser::openUrl(const QUrl &url) { return QDesktopServices::openUrl(url); }
