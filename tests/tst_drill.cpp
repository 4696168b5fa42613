// SPDX-License-Identifier: GPL-3.0-or-later
// A practice drill through the real main window: start, answers typed on the
// keyboard and the on-screen keys, the clock, stop, results and review.
#include "app/module1.h"
#include "fakes.h"
#include "mainwindow.h"
#include "record/sqliterecord.h"
#include "controls/picturebox.h"
#include "platform/twips.h"
#include "controls/widgets.h"
#include "windows/frmtable.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray ini(int practiceFactor, int timerMode = 0, int steps = 4, int delay = 1000, int max = 12)
{
    return QStringLiteral("1\r\n3,1\r\n0,0,1,0,%1\r\n%2,%3,%4\r\n%5\r\n")
        .arg(practiceFactor).arg(timerMode).arg(steps).arg(delay).arg(max).toLatin1();
}

struct Run : StartedProgram
{
    explicit Run(const QByteArray &settings, ChildRecord *record = nullptr) : StartedProgram(settings, record) {}
    frmTable *w() const { return main; }
    // The first numbers of the coming problems (the factor is fixed).
    void next(std::initializer_list<int> firsts, int max = 12)
    {
        prog->random.script.clear();
        prog->random.drawn = 0;
        for (int v : firsts)
            prog->random.script << drawFor(v, max + 1);
    }
    void start() { QTest::mouseClick(ui(main).cmdStart, Qt::LeftButton); }
    void type(const char *keys)
    {
        for (const char *k = keys; *k; ++k)
            QTest::keyClick(ui(main).picPractice, *k);
    }
    int count(const QString &file) const { return int(prog->sound.files().count(file)); }
};
} // namespace

class tst_drill : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }
    void startLaysOutTheDrill();
    void answers_data();
    void answers();
    void nonDigitsBeep();
    void keysWhenNotPractising();
    void onScreenKeyEqualsKey();
    void clickLeavesKeyboardOnAnswer_data();
    void clickLeavesKeyboardOnAnswer();
    void digitKeyTypesOnClick();
    void pauseUsesCurrentDelay();
    void factorChangeAppliesToNextProblem();
    void results_data();
    void results();
    void stopBeforeAnyAnswer();
    void escStopsEnterPressesResults();
    void countDownRunsOut();
    void countUpStopsAt30Minutes();
    void reviewThreeMisses();
    void reviewOneMiss();
    void reviewShowsOnlyThisDrill();
    void manyWrongAnswers();
    void lateAccessKeyClickIgnored();
    void recordNoticeWaitsForStop_data();
    void recordNoticeWaitsForStop();
    void practiceBoxSpeaks();
};

void tst_drill::startLaysOutTheDrill()
{
    Run d(ini(7, 2, 4));
    d.next({8});
    d.start();
    frmTable *w = d.w();
    QCOMPARE(w->practice().Practicing(), true);
    QVERIFY(!ui(w).fraChoice->isVisible());
    QVERIFY(!ui(w).fraMode->isEnabled());
    QVERIFY(!ui(w).fraTimer->isEnabled());
    QVERIFY(!ui(w).cmdPrint->isVisible() && !ui(w).lblPrint->isVisible());
    QVERIFY(ui(w).fraFactor->isEnabled() && ui(w).fraMax->isEnabled() && ui(w).fraDelay->isEnabled());
    QCOMPARE(ui(w).lblStart->text(), QStringLiteral("Stop Practice"));
    QCOMPARE(ui(w).cmdStart->picture().cacheKey(), w->buttonPicture(1).cacheKey());
    QCOMPARE(w->cancelButton(), static_cast<QAbstractButton *>(ui(w).cmdStart));
    QVERIFY(w->practice().timer().isActive());
    QCOMPARE(ui(w).lblTimer->text(), QStringLiteral("2:00"));
    QVERIFY(ui(w).fraKey->isVisible());
    QCOMPARE(w->practice().problem().Operand1, int16_t(8));
    QCOMPARE(w->practice().problem().Operand2, int16_t(7));
    QCOMPARE(w->focusWidget(), static_cast<QWidget *>(ui(w).picPractice));
}

void tst_drill::answers_data()
{
    QTest::addColumn<int>("factor");
    QTest::addColumn<int>("first");
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<int>("judgedAfter"); // keys typed before the answer counts
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("given");
    QTest::newRow("7 x 8 as 56") << 8 << 7 << QByteArray("56") << 2 << true << 56;
    QTest::newRow("7 x 8 as 65") << 8 << 7 << QByteArray("65") << 2 << false << 65;
    QTest::newRow("0 x 9 as 0") << 9 << 0 << QByteArray("0") << 1 << true << 0;
    QTest::newRow("12 x 12 as 144") << 12 << 12 << QByteArray("144") << 3 << true << 144;
    QTest::newRow("1 x 12 as 09") << 12 << 1 << QByteArray("09") << 2 << false << 9;
}

void tst_drill::answers()
{
    QFETCH(int, factor);
    QFETCH(int, first);
    QFETCH(QByteArray, keys);
    QFETCH(int, judgedAfter);
    QFETCH(bool, right);
    QFETCH(int, given);
    Run d(ini(factor));
    d.next({first, 3});
    d.start();
    frmTable *w = d.w();
    const int64_t before = d.prog->clock.now;
    for (int i = 0; i < keys.size(); ++i) {
        QCOMPARE(w->practice().counts().Tried, 0);
        QTest::keyClick(ui(w).picPractice, keys[i]);
        QCOMPARE(d.count(QStringLiteral("ding.wav")), i + 1);
    }
    QCOMPARE(int(keys.size()), judgedAfter);
    QCOMPARE(w->practice().counts().Tried, 1);
    QCOMPARE(w->practice().counts().Missed, right ? 0 : 1);
    QCOMPARE(ui(w).lblProblem->text(), QStringLiteral("Tried: 1"));
    QCOMPARE(ui(w).lblWrong->text(), right ? QStringLiteral("Correct: 1") : QStringLiteral("Correct: 0"));
    QCOMPARE(d.count(QStringLiteral("uhoh.wav")), right ? 0 : 1);
    for (const PlayedSound &p : d.prog->sound.played) {
        if (p.file == QLatin1String("uhoh.wav"))
            QCOMPARE(p.flags, int(SoundPlayer::Wait)); // played to its end
        else
            QCOMPARE(p.flags, int(SoundPlayer::Async));
    }
    if (!right) {
        QCOMPARE(int(w->practice().counts().MissedOperand1[1]), first);
        QCOMPARE(int(w->practice().counts().MissedOperand2[1]), factor);
        QCOMPARE(int(w->practice().counts().MissedGiven[1]), given);
        QCOMPARE(int(w->practice().counts().MissedOpCode[1]), 2);
    }
    QVERIFY(d.prog->clock.now - before >= 1000); // the pause before the next problem
    QCOMPARE(w->practice().problem().Operand1, int16_t(3)); // and the next problem is on show
    QCOMPARE(w->practice().problem().DigitPos, int16_t(1));
    QVERIFY(w->practice().Typed().isEmpty());
}

void tst_drill::nonDigitsBeep()
{
    Run d(ini(8));
    d.next({7});
    d.start();
    frmTable *w = d.w();
    const QImage before = ui(w).picPractice->image().copy();
    const int sounds = int(d.prog->sound.played.size());
    QTest::keyClick(ui(w).picPractice, 'a');
    QTest::keyClick(ui(w).picPractice, Qt::Key_Return);
    QTest::keyClick(ui(w).picPractice, Qt::Key_Backspace);
    QTest::keyClick(ui(w).picPractice, Qt::Key_Tab);
    QTest::keyClick(ui(w).picPractice, ' ');
    QCOMPARE(d.prog->sound.beeps, 5);
    QCOMPARE(int(d.prog->sound.played.size()), sounds);
    QVERIFY(w->practice().Typed().isEmpty());
    QCOMPARE(w->practice().problem().DigitPos, int16_t(1));
    QCOMPARE(ui(w).picPractice->image(), before);
    QCOMPARE(w->focusWidget(), static_cast<QWidget *>(ui(w).picPractice));
    QCOMPARE(w->practice().Practicing(), true);
}

void tst_drill::keysWhenNotPractising()
{
    Run d(ini(8));
    frmTable *w = d.w();
    ui(w).picPractice->setFocus();
    QTest::keyClick(ui(w).picPractice, '5');
    QTest::keyClick(ui(w).picPractice, 'a');
    QCOMPARE(d.prog->sound.beeps, 0);
    QVERIFY(d.prog->sound.played.isEmpty());
    QVERIFY(w->practice().Typed().isEmpty());
}

void tst_drill::onScreenKeyEqualsKey()
{
    Run d(ini(8));
    d.next({4, 2});
    d.start();
    frmTable *w = d.w();
    ui(w).optFactor[3]->setFocus();
    QTest::mouseClick(ui(w).lblKey[3], Qt::LeftButton);
    QCOMPARE(w->practice().Typed(), QStringLiteral("3"));
    QCOMPARE(d.count(QStringLiteral("ding.wav")), 1);
    QCOMPARE(w->focusWidget(), static_cast<QWidget *>(ui(w).picPractice));
    QTest::mouseClick(ui(w).lblKey[2], Qt::LeftButton);
    QCOMPARE(w->practice().counts().Tried, 1);
    QCOMPARE(w->practice().counts().Missed, 0);
}

void tst_drill::clickLeavesKeyboardOnAnswer_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPointF>("at"); // where in the control, as fractions of its size
    QTest::addColumn<QString>("keys"); // what is left to type of 2 x 7 = 14
    // Clicks that change nothing are the ones that used to keep the focus.
    QTest::newRow("the chosen factor again") << QStringLiteral("optFactor_8") << QPointF(0.1, 0.5) << QStringLiteral("14");
    QTest::newRow("another factor") << QStringLiteral("optFactor_3") << QPointF(0.1, 0.5) << QStringLiteral("14");
    QTest::newRow("maximum up at 12") << QStringLiteral("updMax") << QPointF(0.5, 0.25) << QStringLiteral("14");
    QTest::newRow("delay bar at 0") << QStringLiteral("hsbDelay") << QPointF(0.02, 0.5) << QStringLiteral("14");
    QTest::newRow("digit key") << QStringLiteral("lblKey_1") << QPointF(0.5, 0.5) << QStringLiteral("4");
}

void tst_drill::clickLeavesKeyboardOnAnswer()
{
    QFETCH(QString, control);
    QFETCH(QPointF, at);
    QFETCH(QString, keys);
    Run d(ini(7, 0, 4, 0, 12));
    d.next({2, 2});
    d.start();
    frmTable *w = d.w();
    auto *c = w->findChild<QWidget *>(control);
    QVERIFY(c);
    QVERIFY(c->isEnabled() && c->isVisible());
    QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(int(at.x() * c->width()), int(at.y() * c->height())));
    QTRY_COMPARE(w->focusWidget(), static_cast<QWidget *>(ui(w).picPractice));
    // The next digits the child types, wherever the focus is, still count.
    for (QChar k : keys)
        QTest::keyClick(w->focusWidget(), k.toLatin1());
    QCOMPARE(w->practice().counts().Tried, 1);
    QCOMPARE(w->practice().counts().Missed, 0);
    QCOMPARE(d.prog->sound.beeps, 0);
}

void tst_drill::digitKeyTypesOnClick()
{
    Run d(ini(8));
    d.next({4});
    d.start();
    frmTable *w = d.w();
    QLabel *key = ui(w).lblKey[3];
    // A press that slides off the key before the release types nothing.
    QTest::mousePress(key, Qt::LeftButton);
    QTest::mouseRelease(key, Qt::LeftButton, {}, QPoint(-5, -5));
    QVERIFY(w->practice().Typed().isEmpty());
    QCOMPARE(d.count(QStringLiteral("ding.wav")), 0);
    // Two quick clicks are two digits: the window system sends the second
    // press as a double click.
    const QPointF mid(key->width() / 2.0, key->height() / 2.0);
    for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                           QEvent::MouseButtonRelease}) {
        QMouseEvent e(t, mid, key->mapToGlobal(mid), Qt::LeftButton,
                      t == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
        QApplication::sendEvent(key, &e);
    }
    QCOMPARE(d.count(QStringLiteral("ding.wav")), 2);
    QCOMPARE(w->practice().counts().Tried, 1);
    QCOMPARE(w->practice().counts().Missed, 1); // 33 for 4 x 8
}

void tst_drill::pauseUsesCurrentDelay()
{
    Run d(ini(8, 0, 4, 1000));
    d.next({1});
    d.start();
    frmTable *w = d.w();
    ui(w).hsbDelay->setValue(50); // changed during the drill: applies to this answer
    QCOMPARE(w->focusWidget(), static_cast<QWidget *>(ui(w).picPractice));
    const int64_t before = d.prog->clock.now;
    d.type("8");
    const int64_t paused = d.prog->clock.now - before;
    QVERIFY2(paused >= 50 && paused < 100, qPrintable(QString::number(paused)));
}

void tst_drill::factorChangeAppliesToNextProblem()
{
    Run d(ini(7));
    d.next({2});
    d.start();
    frmTable *w = d.w();
    QTest::mouseClick(ui(w).optFactor[0], Qt::LeftButton, {}, QPoint(8, ui(w).optFactor[0]->height() / 2));
    QCOMPARE(d.prog->module->settings.PracticeFactor, int16_t(-1));
    QCOMPARE(w->practice().problem().Operand2, int16_t(7)); // the problem on show stays
    QCOMPARE(w->focusWidget(), static_cast<QWidget *>(ui(w).picPractice));
    d.prog->random.script = {drawFor(11, 13), drawFor(5, 13)};
    d.prog->random.drawn = 0;
    d.type("14");
    QCOMPARE(w->practice().problem().Operand2, int16_t(11));
    QCOMPARE(w->practice().problem().Operand1, int16_t(5));
}

void tst_drill::results_data()
{
    QTest::addColumn<int>("timerMode");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("reward");
    QTest::addColumn<QString>("button");
    QTest::newRow("12 tried, 2 missed, 125 s") << 1 << 125 << 10 << 2
        << QStringList{"Problems Tried: 12", "Problems Correct: 10 (83%)", "Elapsed Time: 2:05", "Time Per Problem: 10.42 sec"} << 1 << "&Review";
    QTest::newRow("4 of 4, timer off") << 0 << 0 << 4 << 0
        << QStringList{"Problems Tried: 4", "Problems Correct: 4 (100%)", "Timer Off", ""} << -1 << "&OK";
    QTest::newRow("5 tried, 1 missed") << 0 << 0 << 4 << 1
        << QStringList{"Problems Tried: 5", "Problems Correct: 4 (80%)", "Timer Off", ""} << 1 << "&Review";
    QTest::newRow("7 of 10") << 0 << 0 << 7 << 3
        << QStringList{"Problems Tried: 10", "Problems Correct: 7 (70%)", "Timer Off", ""} << 2 << "&Review";
    QTest::newRow("count-down stopped at 75") << 2 << 45 << 3 << 0
        << QStringList{"Problems Tried: 3", "Problems Correct: 3 (100%)", "Elapsed Time: 0:45", "Time Per Problem: 15.00 sec"} << -1 << "&OK";
    QTest::newRow("0 seconds") << 1 << 0 << 2 << 0
        << QStringList{"Problems Tried: 2", "Problems Correct: 2 (100%)", "Elapsed Time: 0:00", "Time Per Problem: 0.00 sec"} << -1 << "&OK";
}

void tst_drill::results()
{
    QFETCH(int, timerMode);
    QFETCH(int, ticks);
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(QStringList, lines);
    QFETCH(int, reward);
    QFETCH(QString, button);
    Run d(ini(3, timerMode, 4));
    d.next({2}); // every problem is 2 x 3
    d.start();
    frmTable *w = d.w();
    for (int i = 0; i < ticks; ++i)
        w->Timer1_Timer();
    for (int i = 0; i < right; ++i)
        d.type("6");
    for (int i = 0; i < wrong; ++i)
        d.type("7");
    d.prog->sound.played.clear();
    d.start(); // stop
    QCOMPARE(w->practice().Practicing(), false);
    QVERIFY(ui(w).fraResults->isVisible());
    QVERIFY(!ui(w).fraKey->isVisible());
    QVERIFY(!w->practice().timer().isActive());
    for (int i = 0; i < 4; ++i)
        QCOMPARE(ui(w).lblResults[size_t(i)]->text(), lines[i]);
    const int full = toPixels(ui(w).picPractice->scaleHeight());
    const int part = toPixels(ui(w).picPractice->scaleHeight() * 0.45f);
    QCOMPARE(ui(w).fraResults->height(), right + wrong >= 5 ? full : part);
    if (reward < 0)
        QVERIFY(ui(w).imgResults->picture().isNull());
    else
        QCOMPARE(ui(w).imgResults->picture().cacheKey(), w->rewardPicture(reward).cacheKey());
    QCOMPARE(ui(w).cmdResults->text(), button);
    QCOMPARE(w->defaultButton(), static_cast<QAbstractButton *>(ui(w).cmdResults));
    QVERIFY(!ui(w).fraPractice->isEnabled() && !ui(w).fraFactor->isEnabled() && !ui(w).fraDelay->isEnabled());
    QVERIFY(!ui(w).fraChoice->isVisible() && !ui(w).fraMode->isEnabled());
    QCOMPARE(d.prog->sound.files(), QStringList{QStringLiteral("tada.wav")});
    QCOMPARE(d.prog->sound.played.first().flags, int(SoundPlayer::Async));
}

void tst_drill::stopBeforeAnyAnswer()
{
    Run d(ini(3, 2, 4));
    d.start();
    frmTable *w = d.w();
    w->Timer1_Timer();
    w->Timer1_Timer();
    QCOMPARE(ui(w).lblTimer->text(), QStringLiteral("1:58"));
    d.start();
    QVERIFY(!ui(w).fraResults->isVisible());
    QVERIFY(d.prog->sound.played.isEmpty());
    QCOMPARE(ui(w).lblStart->text(), QStringLiteral("Start Practice"));
    QVERIFY(ui(w).fraChoice->isVisible() && ui(w).fraMode->isEnabled() && ui(w).fraTimer->isEnabled());
    QVERIFY(ui(w).cmdPrint->isVisible());
    QCOMPARE(ui(w).lblTimer->text(), QStringLiteral("2:00"));
    QCOMPARE(ui(w).cmdStart->picture().cacheKey(), w->buttonPicture(0).cacheKey());
    QCOMPARE(w->defaultButton(), static_cast<QAbstractButton *>(ui(w).cmdStart));
}

void tst_drill::escStopsEnterPressesResults()
{
    Run d(ini(3));
    d.next({2});
    d.start();
    frmTable *w = d.w();
    d.type("6");
    QTest::keyClick(ui(w).picPractice, Qt::Key_Escape);
    QCOMPARE(w->practice().Practicing(), false);
    QVERIFY(ui(w).fraResults->isVisible());
    QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    QVERIFY(!ui(w).fraResults->isVisible());
    QCOMPARE(ui(w).lblStart->text(), QStringLiteral("Start Practice"));
}

void tst_drill::countDownRunsOut()
{
    Run d(ini(3, 2, 1));
    d.next({2});
    d.start();
    frmTable *w = d.w();
    d.type("6");
    for (int i = 0; i < 29; ++i)
        w->Timer1_Timer();
    QCOMPARE(w->practice().Practicing(), true);
    w->Timer1_Timer();
    QCOMPARE(w->practice().Practicing(), false);
    QCOMPARE(ui(w).lblResults[2]->text(), QStringLiteral("Elapsed Time: 0:30"));
    QCOMPARE(ui(w).lblTimer->text(), QStringLiteral("0:00")); // kept while the results show
    w->Timer1_Timer(); // a stray tick after the stop changes nothing
    QCOMPARE(ui(w).lblTimer->text(), QStringLiteral("0:00"));
}

void tst_drill::countUpStopsAt30Minutes()
{
    Run d(ini(3, 1));
    d.next({2});
    d.start();
    frmTable *w = d.w();
    d.type("6");
    for (int i = 0; i < 1800; ++i)
        w->Timer1_Timer();
    QCOMPARE(w->practice().Practicing(), false);
    QCOMPARE(ui(w).lblResults[2]->text(), QStringLiteral("Elapsed Time: 30:00"));
    QCOMPARE(ui(w).lblTimer->text(), QStringLiteral("30:00"));
}

void tst_drill::reviewThreeMisses()
{
    Run d(ini(8, 1));
    d.next({7, 2, 3, 4});
    d.start();
    frmTable *w = d.w();
    w->Timer1_Timer();
    d.type("65"); // 7 x 8 wrong
    d.type("99"); // 2 x 8 wrong
    d.type("24"); // 3 x 8 right
    d.type("31"); // 4 x 8 wrong
    d.start();
    QTest::mouseClick(ui(w).cmdResults, Qt::LeftButton);
    QVERIFY(ui(w).fraReview->isVisible() && !ui(w).fraResults->isVisible());
    QCOMPARE(ui(w).lblProblem->text(), QStringLiteral("Your Answer:"));
    QCOMPARE(ui(w).lblWrong->text(), QStringLiteral("Correct:"));
    QVERIFY(ui(w).lblProblem->font().underline() && ui(w).lblWrong->font().underline());
    QCOMPARE(w->practice().ReviewIndex(), int16_t(1));
    QCOMPARE(w->practice().problem().Operand1, int16_t(7));
    QVERIFY(ui(w).cmdRevNext->isVisible());
    const int frameW = toTwips(ui(w).fraReview->width()), nextW = toTwips(ui(w).cmdRevNext->width());
    QCOMPARE(ui(w).cmdRevNext->x(), toPixels(frameW * 0.25f - nextW * 0.5f));
    QCOMPARE(ui(w).cmdRevStop->x(), toPixels(frameW * 0.75f - nextW * 0.5f));
    QCOMPARE(w->defaultButton(), static_cast<QAbstractButton *>(ui(w).cmdRevNext));
    // The left copy in red, the right in black.
    const QImage shown = ui(w).picPractice->image();
    bool redLeft = false, redRight = false;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixelColor(x, y) == QColor(Qt::red))
                (x < shown.width() / 2 ? redLeft : redRight) = true;
    QVERIFY(redLeft && !redRight);

    QTest::keyClick(ui(w).cmdRevNext, Qt::Key_Return); // Enter acts as Next
    QCOMPARE(w->practice().ReviewIndex(), int16_t(2));
    QCOMPARE(w->practice().problem().Operand1, int16_t(2));
    QTest::mouseClick(ui(w).cmdRevNext, Qt::LeftButton);
    QCOMPARE(w->practice().ReviewIndex(), int16_t(3));
    QCOMPARE(w->practice().problem().Operand1, int16_t(4));
    QVERIFY(!ui(w).cmdRevNext->isVisible());
    QCOMPARE(ui(w).cmdRevStop->x(), toPixels(frameW * 0.5f - nextW * 0.5f));
    QTest::mouseClick(ui(w).cmdRevStop, Qt::LeftButton);
    QVERIFY(!ui(w).fraReview->isVisible());
    QCOMPARE(ui(w).lblStart->text(), QStringLiteral("Start Practice"));
    QCOMPARE(ui(w).lblTimer->text(), QStringLiteral("0:00"));
    QVERIFY(!ui(w).lblProblem->font().underline());
    QVERIFY(ui(w).fraChoice->isVisible() && ui(w).cmdPrint->isVisible());
}

void tst_drill::reviewOneMiss()
{
    Run d(ini(8, 2, 4));
    d.next({7, 1});
    d.start();
    frmTable *w = d.w();
    d.type("65");
    d.start();
    QTest::keyClick(ui(w).cmdResults, Qt::Key_Return); // Enter: Review
    QVERIFY(ui(w).fraReview->isVisible());
    QVERIFY(!ui(w).cmdRevNext->isVisible());
    const int frameW = toTwips(ui(w).fraReview->width()), nextW = toTwips(ui(w).cmdRevNext->width());
    QCOMPARE(ui(w).cmdRevStop->x(), toPixels(frameW * 0.5f - nextW * 0.5f));
    QTest::keyClick(w->focusWidget(), Qt::Key_Escape); // Esc acts as Stop
    QVERIFY(!ui(w).fraReview->isVisible());
    QCOMPARE(ui(w).lblTimer->text(), QStringLiteral("2:00"));
    // The next review offers Next again.
    QVERIFY(!ui(w).cmdRevNext->isHidden());
}

void tst_drill::reviewShowsOnlyThisDrill()
{
    Run d(ini(5));
    d.next({1, 2, 3, 4});
    d.start();
    frmTable *w = d.w();
    d.type("9");
    d.type("9");
    d.type("9");
    d.start();
    QTest::mouseClick(ui(w).cmdResults, Qt::LeftButton);
    QTest::mouseClick(ui(w).cmdRevStop, Qt::LeftButton);
    d.next({6, 1});
    d.start();
    d.type("11");
    d.start();
    QCOMPARE(ui(w).lblResults[0]->text(), QStringLiteral("Problems Tried: 1"));
    QTest::mouseClick(ui(w).cmdResults, Qt::LeftButton);
    QCOMPARE(w->practice().problem().Operand1, int16_t(6));
    QVERIFY(!ui(w).cmdRevNext->isVisible()); // its only miss is the last
    QTest::mouseClick(ui(w).cmdRevStop, Qt::LeftButton);
    QCOMPARE(w->practice().Practicing(), false);
}

void tst_drill::manyWrongAnswers()
{
    Run d(ini(1, 0, 4, 0));
    d.next({3});
    d.start();
    frmTable *w = d.w();
    for (int i = 0; i < 150; ++i)
        d.type("0");
    QCOMPARE(w->practice().counts().Tried, 150);
    QCOMPARE(w->practice().counts().Missed, 150);
    QCOMPARE(ui(w).lblProblem->text(), QStringLiteral("Tried: 150"));
    QCOMPARE(ui(w).lblWrong->text(), QStringLiteral("Correct: 0"));
    d.start();
    QCOMPARE(ui(w).lblResults[1]->text(), QStringLiteral("Problems Correct: 0 (0%)"));
    QTest::mouseClick(ui(w).cmdResults, Qt::LeftButton);
    int steps = 1;
    while (ui(w).cmdRevNext->isVisible()) {
        QTest::mouseClick(ui(w).cmdRevNext, Qt::LeftButton);
        ++steps;
    }
    QCOMPARE(steps, 100);
    QCOMPARE(w->practice().ReviewIndex(), int16_t(100));
}

void tst_drill::lateAccessKeyClickIgnored()
{
    // Alt+S during the review clicks Stop a moment later; if Enter has ended
    // the review and started a new drill in between, that click must not
    // tear the drill down.
    Run d(ini(8));
    d.next({7, 1});
    d.start();
    frmTable *w = d.w();
    d.type("65");
    d.start();
    QTest::mouseClick(ui(w).cmdResults, Qt::LeftButton);
    ui(w).cmdRevStop->animateClick();
    w->cmdRevStop_Click();
    d.start();
    QCOMPARE(w->practice().Practicing(), true);
    QTest::qWait(250);
    QCOMPARE(w->practice().Practicing(), true);
    QVERIFY(!ui(w).fraChoice->isVisible());
    QVERIFY(ui(w).fraKey->isVisible());
}

void tst_drill::recordNoticeWaitsForStop_data()
{
    QTest::addColumn<int>("savedAt"); // when the waiting answers are written: 0 never, 1 in the drill, 2 after Stop
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("still waiting at Stop") << 0 << QStringList{"The disk is full."};
    QTest::newRow("saved before Stop") << 1 << QStringList();
    QTest::newRow("saved once the box was seen") << 2
                                                 << QStringList{"The disk is full.", "The answers that waited are saved now."};
}

void tst_drill::recordNoticeWaitsForStop()
{
    // A full disk mid-drill: the child goes on typing, and the parent hears of
    // it once the drill stops, in a box that does not hold the window, unless
    // it has come right by then.
    QFETCH(int, savedAt);
    QFETCH(QStringList, boxes);
    QTemporaryDir dir;
    SqliteRecord record(dir.filePath(QStringLiteral("progress.sqlite")));
    Run r(ini(7, 0, 4, 0), &record);
    QTRY_VERIFY(!record.currentName().isEmpty());
    QCOMPARE(r.w()->windowTitle(), QStringLiteral("Numbloom - ") + record.currentName());
    // Each shown, and none holding the window.
    const auto notices = [&r] {
        QStringList texts;
        for (QMessageBox *b : r.w()->findChildren<QMessageBox *>(QStringLiteral("recordNotice")))
            texts << b->text() + (b->isVisible() && !b->isModal() ? QString() : QStringLiteral(" (hidden or modal)"));
        return texts;
    };
    r.next({3, 4});
    r.start();
    Q_EMIT record.notice(QStringLiteral("The disk is full."), QString());
    r.type("21");
    if (savedAt == 1)
        Q_EMIT record.waitingSaved(QStringLiteral("The disk is full."));
    QVERIFY(notices().isEmpty());
    r.start();
    if (savedAt == 2)
        Q_EMIT record.waitingSaved(QStringLiteral("The disk is full."));
    QCOMPARE(notices(), boxes);
    QCOMPARE(record.answerCount(record.current().id), 1);
}

void tst_drill::practiceBoxSpeaks()
{
    // What a drill says, in words and never "x": each problem, the answer as
    // it is typed, the judgement with the next problem, the results once,
    // in words, with the panel the focus comes to, and a missed problem in
    // the review with the button that has the focus.
    Run r(ini(7, 0, 4, 0));
    QWidget *box = ui(r.w()).picPractice;
    QStringList heard;
    connect(&r.w()->practice(), &PracticeDrill::said, this,
            [&heard](const QString &text, PracticeDrill::Heard) { heard << text; });
    r.next({3, 4});
    r.start();
    QCOMPARE(box->accessibleName(), QStringLiteral("What is 3 times 7?"));
    r.type("21");
    r.type("99");
    r.start();
    QCOMPARE(heard, (QStringList{"What is 3 times 7?", "2", "Right. What is 4 times 7?", "9",
                                 "Not quite. 4 times 7 is 28. What is 4 times 7?",
                                 "2 problems tried. 1 right, 50 percent. The clock was off."}));
    QCOMPARE(box->accessibleName(), QStringLiteral("Practice"));
    QCOMPARE(ui(r.w()).cmdStart->accessibleName(), QStringLiteral("Stop Practice")); // as its label says
    QCOMPARE(ui(r.w()).lblResults[0]->accessibleName(), QStringLiteral("2 problems tried"));
    QCOMPARE(ui(r.w()).lblResults[1]->accessibleName(), QStringLiteral("1 right, 50 percent"));
    QVERIFY(ui(r.w()).cmdResults->accessibleDescription().isEmpty()); // read once, with the panel
    QTest::keyClick(ui(r.w()).cmdResults, Qt::Key_Return); // into the review
    QCOMPARE(ui(r.w()).cmdRevStop->accessibleDescription(), QStringLiteral("4 times 7. You said 99. The right answer is 28."));
    QTest::keyClick(ui(r.w()).cmdRevStop, Qt::Key_Escape); // back to idle
    QCOMPARE(ui(r.w()).cmdStart->accessibleName(), QStringLiteral("Start Practice"));
    QVERIFY(ui(r.w()).cmdRevStop->accessibleDescription().isEmpty());
}

QTEST_MAIN(tst_drill)
#include "tst_drill.moc"
