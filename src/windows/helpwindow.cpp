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
#include <QVBoxLayout>

HelpWindowViewer::~HelpWindowViewer() { delete m_frame.data(); }

void HelpWindowViewer::showHelp(const QString &path)
{
    if (!m_frame) {
        // The text stands in a window of its own: a screen reader meets a
        // window named "Numbloom Help", with the text inside it.
        m_frame = new QWidget;
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
    m_window->moveCursor(QTextCursor::Start);
    m_frame->show();
    m_frame->raise();
    m_frame->activateWindow();
    m_window->setFocus();
}

void addHelpKey(QWidget *window, const Module1 &m)
{
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), window);
    QObject::connect(help, &QShortcut::activated, window, [&m] { m.ShowHelp(); });
}

bool DesktopBrowser::openUrl(const QUrl &url) { return QDesktopServices::openUrl(url); }
