// SPDX-License-Identifier: GPL-3.0-or-later
// The real windows, created offscreen: start-up through the About window, the
// main window's controls, the saved mode's layout, Exit.
#include "app/module1.h"
#include "fakes.h"
#include "mainwindow.h"
#include "smalldisk.h"
#include "controls/picturebox.h"
#include "platform/twips.h"
#include "controls/widgets.h"
#include "controls/windowfront.h"
#include "windows/frmabout.h"
#include "windows/frmhmath.h"
#include "windows/frmtable.h"
#include "windows/frmtablelayout.h"

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <optional>

namespace {
// left, top, width, height in twips, relative to the container
void checkGeometry(QWidget *w, int l, int t, int wd, int h)
{
    QVERIFY2(w, "control missing");
    QCOMPARE(w->geometry(), twipsRect(l, t, wd, h));
}
} // namespace

class tst_mainwindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }
    void aboutThenMain();
    void framesNameTheirGroups();
    void controlsAtCreation();
    void layoutFollowsTable_data();
    void layoutFollowsTable();
    void digitKeysReadOneToNineThenZero();
    void savedModeLayout_data();
    void savedModeLayout();
    void exitWritesFile_data();
    void exitWritesFile();
    void exitFailureIsReported_data();
    void exitFailureIsReported();
    void windowsStayWithTheirOwner_data();
    void windowsStayWithTheirOwner();
    void keysComeBackToTheModalWindow_data();
    void keysComeBackToTheModalWindow();
    void closeBoxEndsWithoutSaving();
    void badFilesStart_data();
    void badFilesStart();

};

void tst_mainwindow::aboutThenMain()
{
    TestProgram prog;
    frmAbout about(*prog.module);
    QCOMPARE(about.windowTitle(), QStringLiteral("About Numbloom"));
    QCOMPARE(about.size(), QSize(toPixels(7035), toPixels(3555)));
    about.Form_Load();
    about.show();
    QVERIFY(!about.mainWindow());
    QCOMPARE(prog.module->HelpFile, prog.dir() + QStringLiteral("kwizzo.hlp"));
    QCOMPARE(named<QPushButton>(&about, QStringLiteral("Command1"))->text(), QStringLiteral("&OK"));
    QTest::mouseClick(named<QPushButton>(&about, QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(about.isHidden());
    QVERIFY(about.mainWindow());
    QVERIFY(about.mainWindow()->isVisible());
    // The random source is seeded from the clock at main window load.
    QCOMPARE(prog.random.seeds.size(), 1);
}

void tst_mainwindow::controlsAtCreation()
{
    StartedProgram s("1\r\n3,4\r\n0,0,1,0,-1\r\n2,4,1000\r\n12\r\n");
    frmTable *w = s.main;
    QCOMPARE(w->windowTitle(), QStringLiteral("Numbloom"));
    QCOMPARE(w->size(), QSize(toPixels(9570), toPixels(6585)));
    QCOMPARE(w->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0x80));
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(w->windowFlags() & Qt::WindowMinimizeButtonHint));

    // What the table cannot say: the "4" breaks its column's 360-twip step.
    checkGeometry(ui(w).optFactor[5], 240, 2100, 495, 255);
    QCOMPARE(ui(w).optFactor[4]->y() + toPixels(360), toPixels(2160));

    const QStringList factorCaptions{"Random", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "Tricky"};
    for (int k = 0; k < FactorOptionCount; ++k)
        QCOMPARE(ui(w).optFactor[size_t(k)]->text(), factorCaptions[k]);
    QCOMPARE(ui(w).fraMode->caption(), QStringLiteral("Mode"));
    QCOMPARE(ui(w).fraFactor->caption(), QStringLiteral("Factor Value"));
    QCOMPARE(ui(w).fraTimer->caption(), QStringLiteral("Timer Options"));
    QCOMPARE(ui(w).fraResults->caption(), QStringLiteral("Results"));
    QCOMPARE(ui(w).Label1->text(), QStringLiteral("Click Problem to See Picture"));
    QCOMPARE(ui(w).cmdPrintFacts->text(), QStringLiteral("&Print Facts"));
    QCOMPARE(ui(w).cmdInfo->text(), QStringLiteral("&Info?"));
    QCOMPARE(ui(w).cmdHelp->text(), QStringLiteral("&Help"));
    QCOMPARE(ui(w).cmdExit->text(), QStringLiteral("E&xit"));
    QCOMPARE(ui(w).cmdRevNext->text(), QStringLiteral("&Next"));
    QCOMPARE(ui(w).cmdRevStop->text(), QStringLiteral("&Stop"));
    QCOMPARE(ui(w).lblStart->text(), QStringLiteral("Start Practice"));
    QCOMPARE(ui(w).lblPrint->text(), QStringLiteral("Print Worksheet"));
    QCOMPARE(ui(w).lblDelay->text(), QStringLiteral("1.00 sec"));
    QCOMPARE(ui(w).lblMax->text(), QStringLiteral("12"));
    QVERIFY(!w->practice().timer().isActive());
    QCOMPARE(w->practice().timer().interval(), 1000);
    QCOMPARE(ui(w).hsbDelay->maximum(), 5000);
    QCOMPARE(ui(w).hsbDelay->minimum(), 0);
    QCOMPARE(ui(w).hsbDelay->singleStep(), 50);
    // Hidden inside the practice box until a drill needs them
    QVERIFY(ui(w).fraKey->isHidden());
    QVERIFY(ui(w).fraResults->isHidden());
    QVERIFY(ui(w).fraReview->isHidden());
    QCOMPARE(w->defaultButton(), static_cast<QAbstractButton *>(ui(w).cmdResults));
    QCOMPARE(w->cancelButton(), static_cast<QAbstractButton *>(ui(w).cmdRevStop));
    QCOMPARE(ui(w).picFactor->backColor(), QColor(0xFF, 0xFF, 0xC0));
    QCOMPARE(ui(w).picPractice->backColor(), QColor(Qt::white));
    QCOMPARE(ui(w).lbltitle->font().pixelSize(), 32); // Times New Roman 24 bold
    QVERIFY(ui(w).lbltitle->font().bold());
    // The picture stores: Start and Stop, and the four rewards, all loaded.
    for (int i = 0; i < 2; ++i)
        QVERIFY(!w->buttonPicture(i).isNull());
    for (int i = 0; i < 4; ++i)
        QVERIFY(!w->rewardPicture(i).isNull());
    QVERIFY(!ui(w).cmdPrint->picture().isNull());
}

void tst_mainwindow::layoutFollowsTable_data()
{
    QTest::addColumn<int>("index");
    const std::vector<ControlRow> &rows = mainWindowRows();
    for (size_t i = 0; i < rows.size(); ++i)
        QTest::newRow(rows[i].name) << int(i);
}

void tst_mainwindow::layoutFollowsTable()
{
    QFETCH(int, index);
    const ControlRow &row = mainWindowRows()[size_t(index)];
    TestProgram prog;
    frmTable w(*prog.module, nullptr); // as made, before the settings are shown
    auto *c = w.findChild<QWidget *>(QLatin1String(row.name));
    QVERIFY2(c, row.name);
    // In its container (inside a picture box's border), where the row says.
    QWidget *container = row.container ? w.findChild<QWidget *>(QLatin1String(row.container)) : &w;
    QVERIFY(container);
    if (auto *box = qobject_cast<PictureBox *>(container))
        container = box->client();
    QCOMPARE(c->parentWidget(), container);
    QCOMPARE(c->geometry(), twipsRect(row.twips));
    QCOMPARE(c->isHidden(), !row.shown);
    // Made in the table's order, so that later rows stand in front.
    if (index > 0 && mainWindowRows()[size_t(index - 1)].container == row.container) {
        const QObjectList &siblings = container->children();
        auto *previous = w.findChild<QWidget *>(QLatin1String(mainWindowRows()[size_t(index - 1)].name));
        QVERIFY(siblings.indexOf(previous) < siblings.indexOf(c));
    }
    if (row.face && !qobject_cast<Frame *>(c) && !qobject_cast<PictureBox *>(c))
        QCOMPARE(c->font(), layoutFont(QLatin1String(row.face), row.points, row.bold));
    if (row.caption && row.caption[0]) {
        const QString shown = qobject_cast<Frame *>(c)       ? static_cast<Frame *>(c)->caption()
                              : qobject_cast<QLabel *>(c)    ? static_cast<QLabel *>(c)->text()
                                                             : qobject_cast<QAbstractButton *>(c)->text();
        QCOMPARE(shown, QLatin1String(row.caption));
    }
    if (row.back.isValid() && !qobject_cast<Frame *>(c) && !qobject_cast<PictureBox *>(c))
        QCOMPARE(c->palette().color(QPalette::Window), row.back);
}

void tst_mainwindow::digitKeysReadOneToNineThenZero()
{
    StartedProgram s("1\r\n3,4\r\n0,0,1,0,-1\r\n2,4,1000\r\n12\r\n");
    QString order;
    const MainControls c = ui(s.main);
    QVector<ClickLabel *> keys(c.lblKey.begin(), c.lblKey.end());
    std::sort(keys.begin(), keys.end(), [](QWidget *a, QWidget *b) { return a->x() < b->x(); });
    for (ClickLabel *k : keys)
        order += k->text();
    QCOMPARE(order, QStringLiteral("1234567890"));
    QCOMPARE(ui(s.main).lblKey[0]->x(), toPixels(4560));
    QCOMPARE(ui(s.main).lblKey[9]->x(), toPixels(4080));
}

void tst_mainwindow::savedModeLayout_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("study");
    QTest::addColumn<bool>("clock");
    QTest::addColumn<bool>("arrows");
    QTest::newRow("study") << QByteArray("0\r\n3,7\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n") << true << false << false;
    QTest::newRow("practice, timer off") << QByteArray("1\r\n3,7\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n") << false << false << false;
    QTest::newRow("practice, count up") << QByteArray("1\r\n3,7\r\n0,0,1,0,3\r\n1,4,1000\r\n12\r\n") << false << true << false;
    QTest::newRow("practice, count down") << QByteArray("1\r\n3,7\r\n0,0,1,0,3\r\n2,4,1000\r\n12\r\n") << false << true << true;
}

void tst_mainwindow::savedModeLayout()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, study);
    QFETCH(bool, clock);
    QFETCH(bool, arrows);
    StartedProgram s(ini);
    frmTable *w = s.main;
    QVERIFY(w->isVisible());
    QCOMPARE(ui(w).picFactor->isVisible(), study);
    QCOMPARE(ui(w).picPractice->isVisible(), !study);
    QCOMPARE(ui(w).fraStudy->isVisible(), study);
    QCOMPARE(ui(w).fraMax->isVisible(), !study);
    QCOMPARE(ui(w).fraPractice->isVisible(), !study);
    QCOMPARE(ui(w).fraTimer->isVisible(), !study);
    QCOMPARE(ui(w).fraDelay->isVisible(), !study);
    QVERIFY(ui(w).lbltitle->isVisible() && ui(w).fraMode->isVisible() && ui(w).fraFactor->isVisible() && ui(w).fraChoice->isVisible());
    QCOMPARE(ui(w).optMode[study ? 0 : 1]->isChecked(), true);
    QCOMPARE(ui(w).lbltitle->text(), study ? QStringLiteral("Study Numbloom") : QStringLiteral("Practice Numbloom"));
    QCOMPARE(ui(w).optFactor[0]->isEnabled(), !study);
    if (!study) {
        QCOMPARE(ui(w).lblTimer->isVisibleTo(w), clock);
        QCOMPARE(ui(w).spnTimer->isVisibleTo(w), arrows);
    }
}

void tst_mainwindow::exitWritesFile_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("operations fixed to multiplication")
        << QByteArray("0\r\n1,5\r\n1,1,0,1,7\r\n0,4,1000\r\n12\r\n") << QByteArray("0\r\n3,5\r\n0,0,1,0,7\r\n0,4,1000\r\n12\r\n");
    QTest::newRow("one line rewritten as five") << QByteArray("1,3,4,0,0,1,0,-1,2,4,50,0")
                                                << QByteArray("1\r\n3,4\r\n0,0,1,0,-1\r\n2,4,50\r\n0\r\n");
    QTest::newRow("bad values take defaults") << QByteArray("7\r\n3,99\r\n0,0,1,0,-1\r\n9,4,99999\r\n13\r\n")
                                              << QByteArray("0\r\n3,1\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n");
}

void tst_mainwindow::exitWritesFile()
{
    QFETCH(QByteArray, ini);
    QFETCH(QByteArray, written);
    StartedProgram s(ini);
    QTest::mouseClick(ui(s.main).cmdExit, Qt::LeftButton);
    QCOMPARE(s.prog->endCalls, 1);
    QCOMPARE(s.prog->readIni(), written);
}

void tst_mainwindow::exitFailureIsReported_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("said");
    QTest::newRow("the program's folder has gone") << "gone" << "gone/kwizzo.ini";
    QTest::newRow("the disk is full") << "full" << "No space left on device";
    QTest::newRow("no home folder to save in") << "nowhere" << "no home folder";
}

void tst_mainwindow::exitFailureIsReported()
{
    QFETCH(QString, fault);
    QFETCH(QString, said);
    const QByteArray ini("0\r\n3,5\r\n0,0,1,0,7\r\n0,4,1000\r\n12\r\n");
    StartedProgram s(ini);
    Module1 &m = *s.prog->module;
    std::optional<SmallDisk> disk; // mounted for the full disk only
    if (fault == QLatin1String("gone")) {
        m.AppDir = s.prog->dir() + QStringLiteral("gone/");
        m.settingsWritePath = m.AppFile(QStringLiteral("kwizzo.ini"));
    } else if (fault == QLatin1String("full")) {
        disk.emplace();
        if (!disk->mounted())
            QSKIP(qPrintable(disk->why()));
        m.AppDir = disk->path() + QLatin1Char('/');
        m.settingsWritePath = m.AppFile(QStringLiteral("kwizzo.ini"));
        QFile old(m.settingsWritePath);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(ini);
        old.close();
        QVERIFY(disk->fill());
    } else {
        m.settingsWritePath.clear();
    }
    QTest::mouseClick(ui(s.main).optMode[1], Qt::LeftButton); // a change to save
    QString seen;
    QTimer::singleShot(0, this, [&seen] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(top)) {
                seen = box->text();
                box->accept();
            }
    });
    QTest::mouseClick(ui(s.main).cmdExit, Qt::LeftButton);
    QVERIFY2(seen.contains(said), qPrintable(seen));
    QCOMPARE(s.prog->endCalls, 1); // the program still ends
    if (fault == QLatin1String("full")) {
        QFile kept(m.settingsWritePath);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), ini); // byte for byte as it was
        QCOMPARE(disk->files(), QStringList{QStringLiteral("kwizzo.ini")});
    }
}

void tst_mainwindow::windowsStayWithTheirOwner_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::newRow("About by Info") << 0 << "cmdInfo" << "frmAbout";
    QTest::newRow("worksheet question") << 1 << "cmdPrint" << "printConfirm";
    QTest::newRow("facts saved as PDF") << 0 << "cmdPrintFacts" << "QMessageBox";
}

void tst_mainwindow::windowsStayWithTheirOwner()
{
    // A compositor keeps a window above the one it is transient for; one
    // without an owner can be buried under the main window it blocks.
    QFETCH(int, mode);
    QFETCH(QString, button);
    QFETCH(QString, window);
    StartedProgram s(QByteArray::number(mode) + "\r\n3,5\r\n0,0,1,0,7\r\n0,4,1000\r\n12\r\n");
    QWindow *owner = nullptr;
    bool found = false;
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, this, [&] {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            const bool match = top->objectName() == window || (window == QLatin1String("QMessageBox")
                                                                && qobject_cast<QMessageBox *>(top));
            if (!match || !top->isVisible() || top == s.main)
                continue;
            found = true;
            owner = top->windowHandle() ? top->windowHandle()->transientParent() : nullptr;
            if (auto *box = qobject_cast<QMessageBox *>(top))
                box->reject();
            else
                top->hide();
        }
    });
    poll.start();
    auto *b = s.main->findChild<QAbstractButton *>(button);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
    QTRY_VERIFY(found);
    poll.stop();
    QVERIFY(owner);
    QCOMPARE(owner, s.main->windowHandle());
}

void tst_mainwindow::keysComeBackToTheModalWindow_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("minimise");
    QTest::newRow("fact picture") << 0 << "picFactor" << "frmHMath" << int(Qt::Key_Escape) << false;
    QTest::newRow("About by Info") << 0 << "cmdInfo" << "frmAbout" << int(Qt::Key_Return) << false;
    QTest::newRow("worksheet question") << 1 << "cmdPrint" << "printConfirm" << int(Qt::Key_Escape) << false;
    QTest::newRow("fact picture minimised") << 0 << "picFactor" << "frmHMath" << int(Qt::Key_Return) << true;
    QTest::newRow("worksheet question minimised") << 1 << "cmdPrint" << "printConfirm" << int(Qt::Key_Escape) << true;
}

void tst_mainwindow::keysComeBackToTheModalWindow()
{
    // What GNOME and KDE do on Wayland: a click on the main window, or the
    // modal window minimised, gives the blocked main window the keyboard. The
    // key then goes where the desktop sends it, to the focus window, through
    // Qt's own path that drops keys for a blocked window.
    QFETCH(int, mode);
    QFETCH(QString, control);
    QFETCH(QString, window);
    QFETCH(int, key);
    QFETCH(bool, minimise);
    StartedProgram s(QByteArray::number(mode) + "\r\n3,5\r\n0,0,1,0,7\r\n0,4,1000\r\n12\r\n");
    s.main->showFactPicture = &frmHMath::showFact;
    ModalKeyboard keyboard;
    QPointer<QWidget> modal;
    bool found = false, mainHadKeyboard = false, keyPressed = false, gaveUp = false;
    int ticks = 0;
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [&](QWindow *now) {
        if (modal && now == s.main->windowHandle())
            mainHadKeyboard = true;
    });
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget *open = QApplication::activeModalWidget();
        if (!modal) {
            // The picture takes keys once it has drawn the fact.
            auto *product = open ? open->findChild<QLabel *>(QStringLiteral("lbltutor_2")) : nullptr;
            if (!open || open->objectName() != window || QGuiApplication::focusWindow() != open->windowHandle()
                || (product && product->text().isEmpty()))
                return;
            modal = open;
            found = true;
            if (minimise)
                modal->windowHandle()->setWindowStates(Qt::WindowMinimized);
            s.main->windowHandle()->requestActivate();
            return;
        }
        QWindow *focus = QGuiApplication::focusWindow();
        if (!keyPressed && mainHadKeyboard && focus == modal->windowHandle()
            && !(focus->windowStates() & Qt::WindowMinimized)) {
            keyPressed = true;
            QTest::keyClick(focus, Qt::Key(key));
        } else if (modal->isVisible() && ++ticks > 200) {
            gaveUp = true; // the key would be lost: close the window so the test ends
            if (auto *box = qobject_cast<QMessageBox *>(modal.data()))
                box->reject();
            else
                QTest::mouseClick(modal->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        }
    });
    poll.start();
    QWidget *c = s.main->findChild<QWidget *>(control);
    QVERIFY(c);
    if (c == ui(s.main).picFactor)
        QTest::mousePress(c, Qt::LeftButton, {}, c->rect().center());
    else
        QTest::mouseClick(c, Qt::LeftButton);
    poll.stop();
    QVERIFY(found);
    QVERIFY(!modal || !modal->isVisible());
    QVERIFY(mainHadKeyboard);
    QVERIFY2(!gaveUp, "the keyboard stayed with the blocked main window");
    QVERIFY(keyPressed);
}

void tst_mainwindow::closeBoxEndsWithoutSaving()
{
    const QByteArray ini("1\r\n3,4\r\n0,0,1,0,-1\r\n2,4,1000\r\n12\r\n");
    StartedProgram s(ini);
    QTest::mouseClick(ui(s.main).optMode[0], Qt::LeftButton);
    s.main->close();
    QCOMPARE(s.prog->endCalls, 1);
    QCOMPARE(s.prog->readIni(), ini);
}

void tst_mainwindow::badFilesStart_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\xde\xad\xbe\xef\r\n,,,,\n-\n");
    QTest::newRow("Mode 5, TimerMode 3") << QByteArray("5\r\n3,4\r\n0,0,1,0,-1\r\n3,4,1000\r\n12\r\n");
    QTest::newRow("factor out of range") << QByteArray("1\r\n3,40\r\n0,0,1,0,-9\r\n2,4,1000\r\n12\r\n");
}

void tst_mainwindow::badFilesStart()
{
    QFETCH(QByteArray, ini);
    StartedProgram s(ini);
    QVERIFY(s.main && s.main->isVisible());
    QCOMPARE(ui(s.main).picFactor->isVisible() + ui(s.main).picPractice->isVisible(), 1);
}

void tst_mainwindow::framesNameTheirGroups()
{
    // A screen reader gives an option in its frame's words: "3" in "Factor Value".
    StartedProgram s("1\r\n3,4\r\n0,0,1,0,-1\r\n2,4,1000\r\n12\r\n");
    const MainControls c = ui(s.main);
    for (const auto &[frame, caption] : {std::pair{c.fraFactor, "Factor Value"}, std::pair{c.fraMax, "Maximum Multiplier"},
                                         std::pair{c.fraTimer, "Timer Options"}, std::pair{c.fraResults, "Results"}}) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(frame);
        QVERIFY(a);
        QCOMPARE(a->role(), QAccessible::Grouping);
        QCOMPARE(a->text(QAccessible::Name), QString::fromLatin1(caption));
    }
}

QTEST_MAIN(tst_mainwindow)
#include "tst_mainwindow.moc"
