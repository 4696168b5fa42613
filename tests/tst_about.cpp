// The About window's buttons, Info and Help from the main window.
#include "app/module1.h"
#include "fakes.h"
#include "mainwindow.h"
#include "platform/picturebox.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "windows/frmabout.h"
#include "windows/frmtable.h"
#include "windows/helpwindow.h"

#include <QFile>
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
    HelpWindowViewer viewer;
    viewer.showHelp(s.prog->help.shown.first());
    QVERIFY(viewer.window()->isVisible());
    QVERIFY(viewer.window()->toPlainText().contains(QStringLiteral("Practice")));
    // It has no close button of its own: Esc closes it.
    QVERIFY(QTest::qWaitForWindowActive(viewer.window()));
    QTest::keyClick(viewer.window(), Qt::Key_Escape);
    QVERIFY(!viewer.window()->isVisible());
}

void tst_about::helpWithFileMissing()
{
    StartedProgram s("0\r\n3,1\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n");
    QFile::remove(s.prog->dir() + QStringLiteral("kwizzo.hlp"));
    HelpWindowViewer viewer;
    viewer.showHelp(s.prog->module->HelpFile);
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

QTEST_MAIN(tst_about)
#include "tst_about.moc"
