// SPDX-License-Identifier: GPL-3.0-or-later
// Mode switch, factor, maximum, clock and delay, driven through the real main
// window offscreen: clicks on its option buttons, arrows and the study box.
#include "app/format.h"
#include "app/module1.h"
#include "fakes.h"
#include "mainwindow.h"
#include "controls/picturebox.h"
#include "platform/twips.h"
#include "controls/widgets.h"
#include "windows/frmtable.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

namespace {
QByteArray ini(int mode, int studyFactor, int practiceFactor, int timerMode, int steps, int delay = 1000, int max = 12)
{
    return QStringLiteral("%1\r\n3,%2\r\n0,0,1,0,%3\r\n%4,%5,%6\r\n%7\r\n")
        .arg(mode).arg(studyFactor).arg(practiceFactor).arg(timerMode).arg(steps).arg(delay).arg(max)
        .toLatin1();
}

void clickUp(QWidget *spin) { QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 2)); }
void clickDown(QWidget *spin) { QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, spin->height() - 2)); }
// A radio button is clicked on its indicator, which sits at its left end.
void choose(QRadioButton *o) { QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(8, o->height() / 2)); }
} // namespace

class tst_options : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }
    void clockText_data();
    void clockText();
    void studyMode();
    void practiceMode();
    void timerOffKeepsClockLabel();
    void titleAndButtonRowCentred();
    void factorClickRedrawsStudy();
    void maximumStopsAtEnds_data();
    void maximumStopsAtEnds();
    void countDownLengthStops_data();
    void countDownLengthStops();
    void timerOptions();
    void delay();
    void loadingSilencesHandlers();
    void pressesOnStudyBox_data();
    void pressesOnStudyBox();
    void studyGridByKeys();
};

void tst_options::clockText_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "0:00";
    QTest::newRow("30") << 30 << "0:30";
    QTest::newRow("125") << 125 << "2:05";
    QTest::newRow("1800") << 1800 << "30:00";
    QTest::newRow("59") << 59 << "0:59";
}

void tst_options::clockText()
{
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(::clockText(seconds), text);
    StartedProgram s(ini(1, 1, -1, 1, 4));
    int16_t sec = int16_t(seconds);
    s.main->ShowTime(sec);
    QCOMPARE(ui(s.main).lblTimer->text(), text);
}

void tst_options::studyMode()
{
    StartedProgram s(ini(1, 7, 3, 0, 4));
    frmTable *w = s.main;
    choose(ui(w).optMode[0]);
    QCOMPARE(s.prog->module->settings.Mode, int16_t(0));
    QVERIFY(ui(w).optFactor[8]->isChecked()); // "7"
    QVERIFY(!ui(w).optFactor[0]->isEnabled());
    QCOMPARE(ui(w).lbltitle->text(), QStringLiteral("Study Numbloom"));
    QVERIFY(ui(w).picFactor->isVisible() && !ui(w).picPractice->isVisible());
    QCOMPARE(s.prog->module->PictureFactor, int16_t(7));
    // the practice factor is left as it was
    QCOMPARE(s.prog->module->settings.PracticeFactor, int16_t(3));
}

void tst_options::practiceMode()
{
    StartedProgram s(ini(0, 7, -1, 2, 4));
    frmTable *w = s.main;
    QCOMPARE(ui(w).lblTimer->text(), QStringLiteral("0:00"));
    choose(ui(w).optMode[1]);
    QVERIFY(ui(w).optFactor[0]->isChecked());
    QVERIFY(ui(w).optFactor[0]->isEnabled());
    QCOMPARE(ui(w).lbltitle->text(), QStringLiteral("Practice Numbloom"));
    QCOMPARE(ui(w).lblTimer->text(), QStringLiteral("2:00"));
    QCOMPARE(w->practice().TimerCount(), int16_t(120));
    QCOMPARE(s.prog->module->settings.StudyFactor, int16_t(7));
}

void tst_options::timerOffKeepsClockLabel()
{
    StartedProgram s(ini(0, 2, 5, 0, 4));
    ui(s.main).lblTimer->setText(QStringLiteral("7:07"));
    choose(ui(s.main).optMode[1]);
    QCOMPARE(ui(s.main).lblTimer->text(), QStringLiteral("7:07"));
    QVERIFY(ui(s.main).optFactor[6]->isChecked()); // "5"
}

void tst_options::titleAndButtonRowCentred()
{
    StartedProgram s(ini(0, 1, -1, 0, 4));
    frmTable *w = s.main;
    QCOMPARE(ui(w).lbltitle->x(), toPixels(2700));
    QCOMPARE(ui(w).fraChoice->x(), toPixels(3960));
    choose(ui(w).optMode[1]);
    QCOMPARE(ui(w).lbltitle->x(), toPixels(1620));
    QCOMPARE(ui(w).fraChoice->x(), toPixels(2880));
    choose(ui(w).optMode[0]);
    QCOMPARE(ui(w).lbltitle->x(), toPixels(2700));
    QCOMPARE(ui(w).fraChoice->x(), toPixels(3960));
}

void tst_options::factorClickRedrawsStudy()
{
    StartedProgram s(ini(0, 1, -1, 0, 4));
    frmTable *w = s.main;
    const QImage before = ui(w).picFactor->image().copy();
    choose(ui(w).optFactor[13]); // "12"
    QCOMPARE(s.prog->module->settings.StudyFactor, int16_t(12));
    QCOMPARE(s.prog->module->PictureFactor, int16_t(12));
    QVERIFY(ui(w).picFactor->image() != before);
    choose(ui(w).optFactor[2]);
    QCOMPARE(ui(w).picFactor->image(), before);
    // In practice the same options set the practice factor only.
    choose(ui(w).optMode[1]);
    choose(ui(w).optFactor[0]);
    QCOMPARE(s.prog->module->settings.PracticeFactor, int16_t(-1));
    QCOMPARE(s.prog->module->settings.StudyFactor, int16_t(1));
}

void tst_options::maximumStopsAtEnds_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("expected");
    QTest::newRow("12 up stays") << 12 << true << 12;
    QTest::newRow("0 down stays") << 0 << false << 0;
    QTest::newRow("11 up") << 11 << true << 12;
    QTest::newRow("1 down") << 1 << false << 0;
}

void tst_options::maximumStopsAtEnds()
{
    QFETCH(int, start);
    QFETCH(bool, up);
    QFETCH(int, expected);
    StartedProgram s(ini(1, 1, -1, 0, 4, 1000, start));
    frmTable *w = s.main;
    QCOMPARE(ui(w).lblMax->text(), QString::number(start));
    choose(ui(w).optFactor[3]); // focus elsewhere first
    up ? clickUp(ui(w).updMax) : clickDown(ui(w).updMax);
    QCOMPARE(int(s.prog->module->settings.MaxMultiplier), expected);
    QCOMPARE(ui(w).lblMax->text(), QString::number(expected));
    QCOMPARE(w->focusWidget(), static_cast<QWidget *>(ui(w).picPractice));
}

void tst_options::countDownLengthStops_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0:30 down stays") << 1 << false << "0:30";
    QTest::newRow("30:00 up stays") << 60 << true << "30:00";
    QTest::newRow("2:00 up") << 4 << true << "2:30";
    QTest::newRow("2:00 down") << 4 << false << "1:30";
}

void tst_options::countDownLengthStops()
{
    QFETCH(int, steps);
    QFETCH(bool, up);
    QFETCH(QString, shown);
    StartedProgram s(ini(1, 1, -1, 2, steps));
    up ? clickUp(ui(s.main).spnTimer) : clickDown(ui(s.main).spnTimer);
    QCOMPARE(ui(s.main).lblTimer->text(), shown);
}

void tst_options::timerOptions()
{
    StartedProgram s(ini(1, 1, -1, 2, 4));
    frmTable *w = s.main;
    QVERIFY(ui(w).lblTimer->isVisible() && ui(w).spnTimer->isVisible());
    choose(ui(w).optTimer[0]);
    QCOMPARE(s.prog->module->settings.TimerMode, int16_t(0));
    QVERIFY(!ui(w).lblTimer->isVisible() && !ui(w).spnTimer->isVisible());
    choose(ui(w).optTimer[1]);
    QVERIFY(ui(w).lblTimer->isVisible() && !ui(w).spnTimer->isVisible());
    QCOMPARE(ui(w).lblTimer->text(), QStringLiteral("0:00"));
    choose(ui(w).optTimer[2]);
    QVERIFY(ui(w).lblTimer->isVisible() && ui(w).spnTimer->isVisible());
    QCOMPARE(ui(w).lblTimer->text(), QStringLiteral("2:00"));
}

void tst_options::delay()
{
    StartedProgram s(ini(1, 1, -1, 0, 4, 50));
    frmTable *w = s.main;
    QCOMPARE(ui(w).lblDelay->text(), QStringLiteral("0.05 sec"));
    QCOMPARE(ui(w).hsbDelay->value(), 50);
    ui(w).hsbDelay->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(s.prog->module->settings.DelayMs, int16_t(100));
    QCOMPARE(ui(w).lblDelay->text(), QStringLiteral("0.10 sec"));
    ui(w).hsbDelay->setValue(5000);
    QCOMPARE(ui(w).lblDelay->text(), QStringLiteral("5.00 sec"));
    ui(w).hsbDelay->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(s.prog->module->settings.DelayMs, int16_t(5000));
    // Dragging shows the value under the thumb before it is let go.
    ui(w).hsbDelay->setSliderDown(true);
    ui(w).hsbDelay->setSliderPosition(1250);
    QCOMPARE(ui(w).lblDelay->text(), QStringLiteral("1.25 sec"));
    ui(w).hsbDelay->setSliderDown(false);
    QCOMPARE(s.prog->module->settings.DelayMs, int16_t(1250));
}

void tst_options::loadingSilencesHandlers()
{
    StartedProgram s(ini(1, 4, 6, 1, 4, 700));
    frmTable *w = s.main;
    const Settings before = s.prog->module->settings;
    const QString clock = ui(w).lblTimer->text(), title = ui(w).lbltitle->text(), delay = ui(w).lblDelay->text();
    w->setLoading(true);
    choose(ui(w).optTimer[2]);
    choose(ui(w).optFactor[1]);
    ui(w).hsbDelay->setValue(3000);
    choose(ui(w).optMode[0]);
    QCOMPARE(s.prog->module->settings, before);
    QCOMPARE(ui(w).lblTimer->text(), clock);
    QCOMPARE(ui(w).lbltitle->text(), title);
    QCOMPARE(ui(w).lblDelay->text(), delay);
    QVERIFY(ui(w).picPractice->isVisible());
}

void tst_options::pressesOnStudyBox_data()
{
    QTest::addColumn<QPoint>("at"); // as a fraction of the inside, per thousand
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("opened");
    QTest::newRow("top left") << QPoint(2, 2) << 0 << 1;
    QTest::newRow("middle") << QPoint(300, 500) << 6 << 1;
    QTest::newRow("bottom, third column") << QPoint(500, 950) << 12 << 1;
    QTest::newRow("bottom, fourth column") << QPoint(700, 950) << 13 << 0;
    QTest::newRow("bottom right corner") << QPoint(998, 998) << 14 << 0;
}

void tst_options::pressesOnStudyBox()
{
    QFETCH(QPoint, at);
    QFETCH(int, cell);
    QFETCH(int, opened);
    StartedProgram s(ini(0, 3, -1, 0, 4));
    PictureBox *box = ui(s.main).picFactor;
    const QPoint pos(2 + (box->width() - 4) * at.x() / 1000, 2 + (box->height() - 4) * at.y() / 1000);
    QTest::mousePress(box, Qt::LeftButton, {}, pos);
    QCOMPARE(int(s.prog->module->PictureMultiplier), cell);
    QCOMPARE(s.factPictures, opened);
}

void tst_options::studyGridByKeys()
{
    // The arrows walk the grid's cells, each read as the cursor reaches it,
    // never past the last fact; Enter and Space open its picture as a click does.
    StartedProgram s(ini(0, 3, -1, 0, 4));
    PictureBox *box = ui(s.main).picFactor;
    s.main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s.main));
    ui(s.main).cmdPrintFacts->setFocus();
    const QImage unfocused = box->image().copy();
    box->setFocus();
    QCOMPARE(box->accessibleName(), QStringLiteral("0 times 3 is 0"));
    QVERIFY(box->image() != unfocused); // the cursor's frame
    const std::pair<QVector<Qt::Key>, QString> walks[] = {
        {{Qt::Key_Right, Qt::Key_Down}, "6 times 3 is 18"},
        {{Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}, "12 times 3 is 36"}, // 13 is empty
        {{Qt::Key_Up, Qt::Key_Left, Qt::Key_Left}, "5 times 3 is 15"},
        {{Qt::Key_Up, Qt::Key_Up, Qt::Key_Left}, "0 times 3 is 0"}};
    for (const auto &[keys, heard] : walks) {
        for (Qt::Key k : keys)
            QTest::keyClick(box, k);
        QCOMPARE(box->accessibleName(), heard);
    }
    QTest::keyClick(box, Qt::Key_Right);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(s.factPictures, 1);
    QCOMPARE(int(s.prog->module->PictureMultiplier), 1);
    QTest::keyClick(box, Qt::Key_Space);
    QCOMPARE(s.factPictures, 2);
    // Without the focus the grid is drawn as it always was.
    QTest::keyClick(box, Qt::Key_Left);
    ui(s.main).cmdPrintFacts->setFocus();
    QCOMPARE(box->image(), unfocused);
}

QTEST_MAIN(tst_options)
#include "tst_options.moc"
