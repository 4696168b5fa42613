// SPDX-License-Identifier: GPL-3.0-or-later
// The About window's buttons, Info and Help from the main window.
#include "app/module1.h"
#include "app/translation.h"
#include "fakes.h"
#include "mainwindow.h"
#include "controls/picturebox.h"
#include "platform/twips.h"
#include "controls/widgets.h"
#include "record/sqliterecord.h"
#include "windows/frmabout.h"
#include "modules/facts/frmfacts.h"
#include "windows/frmhmath.h"
#include "windows/frmtable.h"
#include "windows/helpwindow.h"

#include <QDialog>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QLabel>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {
// Runs f on the next message box to come up and closes it.
void onNextMessageBox(QObject *context, std::function<void(QMessageBox *)> f)
{
    auto *poll = new QTimer(context);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, context, [poll, f] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(top); box && box->isVisible()) {
                f(box);
                box->accept();
                poll->deleteLater();
                return;
            }
    });
    poll->start();
}

// Once the window called name is up and active: presses F1 in it, then closes it.
void pressF1In(QObject *context, const QString &name, std::function<void(QWidget *)> before = {})
{
    auto *poll = new QTimer(context);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, context, [poll, name, before] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == name && top->isVisible() && top->isActiveWindow()) {
                poll->deleteLater();
                if (before)
                    before(top);
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : top, Qt::Key_F1);
                if (auto *box = qobject_cast<QMessageBox *>(top))
                    box->reject();
                else if (auto *dialog = qobject_cast<QDialog *>(top))
                    dialog->reject();
                else
                    QTest::keyClick(top, Qt::Key_Escape);
                return;
            }
    });
    poll->start();
}

// The parts of the help the program opens F1 at, and the files that must have them.
const QStringList HelpAnchors{"study", "practice", "results", "tricky-study", "tricky-practice", "fact-picture",
                              "my-facts", "fact-map", "known-within", "children", "parent-page", "csv",
                              "answer-key"};
const QStringList HelpLanguages{"", "de", "fr", "es", "it", "pt_BR", "nl", "pl"};
} // namespace

class tst_about : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }
    void content();
    void webSiteOpens();
    void webSiteFailureMessage();
    void accessKeys_data();
    void accessKeys();
    void infoReturnsWithSettingsAsTheyWere();
    void helpOpensTheFile_data();
    void helpOpensTheFile();
    void helpWithFileMissing();
    void helpButtonWithFileMissing();
    void f1OpensThePartAbout_data();
    void f1OpensThePartAbout();
    void helpOpensAtThePart_data();
    void helpOpensAtThePart();
    void helpOverAModalWindow();
    void helpHasEveryPart_data();
    void helpHasEveryPart();
};

void tst_about::content()
{
    StartedProgram s("0\r\n3,1\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n");
    frmAbout *a = s.about.get();
    QCOMPARE(named<QPushButton>(a, QStringLiteral("Command1"))->geometry(), twipsRect(4440, 2520, 975, 495));
    QCOMPARE(named<QPushButton>(a, QStringLiteral("Command2"))->geometry(), twipsRect(120, 3180, 2715, 315));
    QCOMPARE(named<Frame>(a, QStringLiteral("SSPanel1"))->geometry(), twipsRect(2880, 120, 4095, 2295));
    QCOMPARE(named<QPushButton>(a, QStringLiteral("Command2"))->text(), QStringLiteral("&Visit Brightnook's Web Site"));
    QCOMPARE(int(named<Frame>(a, QStringLiteral("SSPanel1"))->caption().size()), 244);
    QVERIFY(named<Frame>(a, QStringLiteral("SSPanel1"))->caption().contains(QStringLiteral("Brightnook")));
    QTRY_VERIFY(!named<ImageBox>(a, QStringLiteral("Image1"))->picture().isNull()); // set once the window is up
}

void tst_about::webSiteOpens()
{
    StartedProgram s("0\r\n3,1\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n");
    s.about->Command2_Click();
    QCOMPARE(s.prog->browser.opened, QList<QUrl>{QUrl(QStringLiteral("https://www.brightnook.example/"))});
}

void tst_about::webSiteFailureMessage()
{
    StartedProgram s("0\r\n3,1\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n");
    s.prog->browser.succeed = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    onNextMessageBox(this, [&](QMessageBox *box) {
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
    });
    s.about->Command2_Click();
    QCOMPARE(title, QStringLiteral("On-Line Access Error"));
    QCOMPARE(text, QStringLiteral("An error has occurred trying to go on-line. Try connecting to the internet in "
                                  "your usual manner and connect to:\r\n\r\nhttps://www.brightnook.example/logic.htm"));
    QCOMPARE(icon, QMessageBox::Critical);
}

void tst_about::accessKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("opensSite");
    QTest::newRow("Alt+O") << int(Qt::Key_O) << false;
    QTest::newRow("Alt+V") << int(Qt::Key_V) << true;
}

void tst_about::accessKeys()
{
    QFETCH(int, key);
    QFETCH(bool, opensSite);
    TestProgram prog;
    prog.writeIni("0\r\n3,1\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n");
    frmAbout about(*prog.module);
    about.Form_Load();
    about.show();
    about.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QTest::keyClick(&about, Qt::Key(key), Qt::AltModifier);
    QTRY_VERIFY(opensSite ? !prog.browser.opened.isEmpty() : about.mainWindow() != nullptr);
}

void tst_about::infoReturnsWithSettingsAsTheyWere()
{
    StartedProgram s("1\r\n3,6\r\n0,0,1,0,4\r\n2,7,350\r\n9\r\n");
    frmTable *w = s.main;
    const Settings before = s.prog->module->settings;
    s.prog->writeIni("0\r\n3,1\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n"); // not read again
    bool wasModal = false;
    QTimer::singleShot(20, this, [&] {
        wasModal = s.about->isVisible() && s.about->isModal();
        QTest::mouseClick(named<QPushButton>(s.about.get(), QStringLiteral("Command1")), Qt::LeftButton);
    });
    QTest::mouseClick(ui(w).cmdInfo, Qt::LeftButton);
    QVERIFY(wasModal);
    QVERIFY(s.about->isHidden());
    QVERIFY(w->isVisible());
    QCOMPARE(s.prog->module->settings, before);
    QCOMPARE(ui(w).lblTimer->text(), QStringLiteral("3:30"));
    QCOMPARE(ui(w).lblMax->text(), QStringLiteral("9"));
    QCOMPARE(s.about->mainWindow(), w); // the same main window, not a second one
}

void tst_about::helpOpensTheFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Help button") << QStringLiteral("button");
    // The desktop's help key, from the answer box in a drill and from About.
    QTest::newRow("F1 in a drill") << QStringLiteral("F1 main");
    QTest::newRow("F1 on About") << QStringLiteral("F1 about");
}

void tst_about::helpOpensTheFile()
{
    QFETCH(QString, how);
    StartedProgram s("1\r\n3,1\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n");
    if (how == QLatin1String("button")) {
        QTest::mouseClick(ui(s.main).cmdHelp, Qt::LeftButton);
    } else if (how == QLatin1String("F1 main")) {
        s.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.main));
        QTest::mouseClick(ui(s.main).cmdStart, Qt::LeftButton);
        QTest::keyClick(ui(s.main).picPractice, Qt::Key_F1);
        QCOMPARE(s.prog->sound.beeps, 0); // not a refused key
    } else {
        s.about->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.about.get()));
        QTest::keyClick(named<QPushButton>(s.about.get(), QStringLiteral("Command1")), Qt::Key_F1);
    }
    QCOMPARE(s.prog->help.shown, QStringList{s.prog->dir() + QStringLiteral("kwizzo.hlp")});
    // The button and About open the help at its start, a drill at Practice.
    QCOMPARE(s.prog->help.anchors, QStringList{how == QLatin1String("F1 main") ? QStringLiteral("practice") : QString()});
    HelpWindowViewer viewer;
    viewer.showHelp(s.prog->help.shown.first(), QString());
    QVERIFY(viewer.window()->isVisible());
    QVERIFY(viewer.window()->toPlainText().contains(QStringLiteral("Practice")));
    QVERIFY(QTest::qWaitForWindowActive(viewer.window()));
    // Asked for again while minimised, it comes back with the keyboard.
    QWidget *frame = viewer.window()->window();
    frame->windowHandle()->setWindowStates(Qt::WindowMinimized);
    QTRY_VERIFY(frame->windowState() & Qt::WindowMinimized);
    s.main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s.main));
    viewer.showHelp(s.prog->help.shown.first(), QString());
    QTRY_VERIFY(!(frame->windowState() & Qt::WindowMinimized));
    QVERIFY(QTest::qWaitForWindowActive(viewer.window()));
    // It has no close button of its own: Esc closes it.
    QTest::keyClick(viewer.window(), Qt::Key_Escape);
    QVERIFY(!viewer.window()->isVisible());
}

void tst_about::helpWithFileMissing()
{
    StartedProgram s("0\r\n3,1\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n");
    QFile::remove(s.prog->dir() + QStringLiteral("kwizzo.hlp"));
    HelpWindowViewer viewer;
    viewer.showHelp(s.prog->module->HelpFile, QString());
    QVERIFY(viewer.window()->toPlainText().contains(QStringLiteral("Cannot find the help file")));
    QVERIFY(viewer.window()->toPlainText().contains(s.prog->module->HelpFile));
    // and the program goes on as before
    QTest::mouseClick(ui(s.main).optMode[1], Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(s.prog->module->settings.Mode, int16_t(1));
}

void tst_about::helpButtonWithFileMissing()
{
    StartedProgram s("0\r\n3,1\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n");
    QVERIFY(QFile::remove(s.prog->dir() + QStringLiteral("kwizzo.hlp")));
    HelpWindowViewer viewer;
    s.prog->module->svc.help = &viewer;
    bool boxShown = false;
    QTimer watch;
    watch.setInterval(5);
    connect(&watch, &QTimer::timeout, this, [&] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(top); box && box->isVisible()) {
                boxShown = true;
                box->accept();
            }
    });
    watch.start();
    QTest::mouseClick(ui(s.main).cmdHelp, Qt::LeftButton);
    QTest::qWait(50);
    watch.stop();
    // The help window's own words are the only complaint, and it holds nothing up.
    QVERIFY(!boxShown);
    QVERIFY(viewer.window() && viewer.window()->isVisible());
    QVERIFY(!viewer.window()->isModal());
    const QString said = viewer.window()->toPlainText();
    QVERIFY2(said.contains(QStringLiteral("Cannot find the help file")), qPrintable(said));
    QVERIFY2(said.contains(s.prog->dir() + QStringLiteral("kwizzo.hlp")), qPrintable(said));
    QVERIFY(s.main->isVisible());
    QCOMPARE(s.prog->endCalls, 0);
    QTest::mouseClick(ui(s.main).optMode[1], Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(s.prog->module->settings.Mode, int16_t(1));
    QVERIFY(ui(s.main).picPractice->isVisible());
}

void tst_about::f1OpensThePartAbout_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("anchor");
    const QByteArray study7 = "0\r\n3,7\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n";
    const QByteArray practice = "1\r\n3,7\r\n0,0,1,0,5\r\n0,4,1000\r\n12\r\n";
    QTest::newRow("Study") << study7 << "main" << "study";
    QTest::newRow("Study, Tricky") << QByteArray("0\r\n3,-2\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n") << "main" << "tricky-study";
    QTest::newRow("Practice") << practice << "main" << "practice";
    QTest::newRow("Practice, Tricky") << QByteArray("1\r\n3,7\r\n0,0,1,0,-2\r\n0,4,1000\r\n12\r\n") << "main" << "tricky-practice";
    QTest::newRow("the results") << practice << "results" << "results";
    QTest::newRow("the fact picture") << study7 << "frmHMath" << "fact-picture";
    QTest::newRow("My Facts") << study7 << "frmFacts cmdClose" << "my-facts";
    QTest::newRow("My Facts, the map") << study7 << "frmFacts grdFacts" << "fact-map";
    QTest::newRow("My Facts, Known within") << study7 << "frmFacts cboLimit" << "known-within";
    QTest::newRow("My Facts, Rename") << study7 << "frmFacts cmdRename" << "children";
    QTest::newRow("the worksheet question") << practice << "printConfirm" << "answer-key";
}

void tst_about::f1OpensThePartAbout()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, where);
    QFETCH(QString, anchor);
    QTemporaryDir dir;
    SqliteRecord record(dir.filePath(QStringLiteral("progress.sqlite")));
    QTRY_VERIFY(record.health() == ChildRecord::Health::Ready);
    StartedProgram s(ini, &record);
    s.main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s.main));
    const MainControls c = ui(s.main);
    const QString window = where.section(QLatin1Char(' '), 0, 0), control = where.section(QLatin1Char(' '), 1);
    if (window == QLatin1String("main")) {
        QTest::keyClick(s.main, Qt::Key_F1);
    } else if (window == QLatin1String("results")) {
        QTest::mouseClick(c.cmdStart, Qt::LeftButton);
        for (int i = 0; i < 4; ++i) // an answer or two, whatever the problems
            QTest::keyClick(c.picPractice, Qt::Key_1);
        QTest::keyClick(c.picPractice, Qt::Key_Escape); // stopped: the results are up
        QVERIFY(c.fraResults->isVisible());
        QTest::keyClick(c.cmdResults, Qt::Key_F1);
    } else if (window == QLatin1String("frmHMath")) {
        s.main->showFactPicture = &frmHMath::showFact;
        pressF1In(this, window);
        QTest::mouseClick(c.picFactor, Qt::LeftButton, {}, QPoint(5, 5));
    } else if (window == QLatin1String("frmFacts")) {
        pressF1In(this, window, [control](QWidget *w) {
            if (!control.isEmpty())
                w->findChild<QWidget *>(control)->setFocus();
        });
        frmFacts::showModal(*s.prog->module, s.main);
    } else {
        pressF1In(this, window);
        QTest::mouseClick(c.cmdPrint, Qt::LeftButton);
    }
    QCOMPARE(s.prog->help.anchors, QStringList{anchor});
    QCOMPARE(s.prog->help.shown, QStringList{s.prog->dir() + QStringLiteral("kwizzo.hlp")});
}

void tst_about::helpOpensAtThePart_data()
{
    QTest::addColumn<QString>("anchor");
    QTest::addColumn<QString>("heading");
    QTest::newRow("My Facts") << "my-facts" << "My Facts";
    QTest::newRow("the answer key") << "answer-key" << "The answer key";
    QTest::newRow("a part the file lacks") << "no-such-part" << "Welcome to Numbloom";
    QTest::newRow("none") << "" << "Welcome to Numbloom";
}

void tst_about::helpOpensAtThePart()
{
    // The real file in the real window: the caret (where a screen reader
    // reads from) on the part's heading, and the heading at the top.
    QFETCH(QString, anchor);
    QFETCH(QString, heading);
    HelpWindowViewer viewer;
    viewer.showHelp(QStringLiteral(NUMBLOOM_ASSET_DIR "/kwizzo.hlp"), QString());
    viewer.window()->verticalScrollBar()->setValue(viewer.window()->verticalScrollBar()->maximum());
    viewer.showHelp(QStringLiteral(NUMBLOOM_ASSET_DIR "/kwizzo.hlp"), anchor);
    QTextBrowser *text = viewer.window();
    QVERIFY(QTest::qWaitForWindowExposed(text));
    QCOMPARE(text->textCursor().block().text().trimmed(), heading);
    const QRect caret = text->cursorRect();
    QVERIFY2(caret.top() >= 0 && caret.top() < 20, qPrintable(QString::number(caret.top())));
    QCOMPARE(text->verticalScrollBar()->value() > 0, heading != QLatin1String("Welcome to Numbloom"));
}

void tst_about::helpOverAModalWindow()
{
    // F1 in a modal window (My Facts, the fact picture): the help must take
    // keys and scroll while that window stays open, and close with Esc.
    HelpWindowViewer viewer;
    QDialog modal;
    modal.setObjectName(QStringLiteral("modal"));
    bool scrolled = false, closed = false, modalStillOpen = false;
    QTimer::singleShot(0, &modal, [&] {
        viewer.showHelp(QStringLiteral(NUMBLOOM_ASSET_DIR "/kwizzo.hlp"), QString());
        QTextBrowser *text = viewer.window();
        QVERIFY(QTest::qWaitForWindowActive(text->window()));
        // Through the window system, where a window a modal one blocks gets no keys.
        QTest::keyClick(text->window()->windowHandle(), Qt::Key_PageDown);
        scrolled = text->verticalScrollBar()->value() > 0;
        QTest::keyClick(text->window()->windowHandle(), Qt::Key_Escape);
        closed = !text->isVisible();
        modalStillOpen = modal.isVisible();
        modal.reject();
    });
    modal.exec();
    QVERIFY(scrolled);
    QVERIFY(closed);
    QVERIFY(modalStillOpen);
    // Once that window is gone, the help opens on its own again.
    viewer.showHelp(QStringLiteral(NUMBLOOM_ASSET_DIR "/kwizzo.hlp"), QString());
    QVERIFY(viewer.window()->isVisible());
    QVERIFY(!viewer.window()->window()->parentWidget());
}

void tst_about::helpHasEveryPart_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : HelpLanguages)
        QTest::newRow(language.isEmpty() ? "en" : qPrintable(language)) << language;
}

void tst_about::helpHasEveryPart()
{
    // Every language's file has every part F1 opens, and its contents links
    // lead somewhere: a translation that drops an anchor would open at the top.
    QFETCH(QString, language);
    const QString path = helpFileFor(QStringLiteral(NUMBLOOM_ASSET_DIR "/"), language);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(f.readAll());
    QTextDocument doc;
    doc.setHtml(html);
    QStringList wanted = HelpAnchors;
    const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    for (auto m = link.globalMatch(html); m.hasNext();)
        wanted << m.next().captured(1);
    QStringList missing;
    for (const QString &anchor : wanted)
        if (helpAnchorPosition(doc, anchor) < 0)
            missing << anchor;
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 lacks %2").arg(path, missing.join(QStringLiteral(", ")))));
}

QTEST_MAIN(tst_about)
#include "tst_about.moc"
