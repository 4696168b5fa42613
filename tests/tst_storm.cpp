// SPDX-License-Identifier: GPL-3.0-or-later
// An event storm: a seeded, reproducible run of random clicks, keys and clock
// ticks through the real main window, checking after every event that the
// window is in one consistent state.
#include "app/module1.h"
#include "fakes.h"
#include "mainwindow.h"
#include "controls/picturebox.h"
#include "platform/twips.h"
#include "controls/widgets.h"
#include "windows/frmabout.h"
#include "windows/frmhmath.h"
#include "windows/frmtable.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <random>

namespace {

// Presses OK (or Cancel) on whatever modal window an event opened, so the
// storm goes on. Runs all the time: a button pressed by its access key clicks
// a moment later, from the event loop.
void closeModal()
{
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            for (QWidget *top : QApplication::topLevelWidgets())
                if (top->isVisible() && top->isModal())
                    modal = top;
        }
        if (!modal)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            box->reject();
        } else if (auto *ok = modal->findChild<QPushButton *>(QStringLiteral("Command1"))) {
            ok->click();
        } else {
            modal->close();
        }
    }
}

QString checkState(frmTable *w, Module1 &m)
{
    const bool study = ui(w).picFactor->isVisibleTo(w), practice = ui(w).picPractice->isVisibleTo(w);
    if (study == practice)
        return QStringLiteral("not exactly one drawing box shown");
    if ((m.settings.Mode == 0) != study)
        return QStringLiteral("drawing box does not match the mode");
    if (ui(w).fraStudy->isVisibleTo(w) == ui(w).fraMax->isVisibleTo(w))
        return QStringLiteral("not exactly one of the study and maximum panels");
    if (w->practice().counts().Missed > w->practice().counts().Tried)
        return QStringLiteral("more missed than tried");
    if (w->practice().counts().recorded() > MissedCapacity)
        return QStringLiteral("record past its capacity");
    const Settings &s = m.settings;
    if (s.Mode < 0 || s.Mode > 1 || !StudyFactorRange.contains(s.StudyFactor) || !PracticeFactorRange.contains(s.PracticeFactor)
        || s.TimerMode < 0 || s.TimerMode > 2 || s.CountDownSteps < 1
        || s.CountDownSteps > 60 || s.DelayMs < 0 || s.DelayMs > 5000 || s.MaxMultiplier < 0 || s.MaxMultiplier > 12)
        return QStringLiteral("a setting out of its range");
    const bool keys = ui(w).fraKey->isVisibleTo(w), results = ui(w).fraResults->isVisibleTo(w),
               review = ui(w).fraReview->isVisibleTo(w), choice = ui(w).fraChoice->isVisibleTo(w);
    if ((w->practice().Practicing()) != keys)
        return QStringLiteral("digit keys do not match Practicing");
    if (w->practice().Practicing() && (results || review || choice || !practice))
        return QStringLiteral("a drill shows more than the drill (results %1 review %2 choice %3 practice %4)")
            .arg(results).arg(review).arg(choice).arg(practice);
    if (results && review)
        return QStringLiteral("results and review at once");
    if (!w->practice().Practicing() && choice == (results || review))
        return QStringLiteral("Info/Help/Exit shown with results, or hidden when idle");
    if (w->practice().Practicing() && (ui(w).fraMode->isEnabled() || ui(w).fraTimer->isEnabled()))
        return QStringLiteral("mode or timer changeable during a drill");
    if (w->practice().timer().isActive() && (!w->practice().Practicing() || s.TimerMode == 0))
        return QStringLiteral("clock running outside a timed drill");
    if (w->practice().problem().Answer < 0 || w->practice().problem().Answer > 144)
        return QStringLiteral("answer out of range");
    return QString();
}

} // namespace

class tst_storm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }
    void storm_data();
    void storm();
};

void tst_storm::storm_data()
{
    QTest::addColumn<uint>("seed");
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("events");
    QTest::newRow("study start, seed 1") << 1u << QByteArray("0\r\n3,7\r\n0,0,1,0,-1\r\n2,1,0\r\n12\r\n") << 10000;
    QTest::newRow("practice start, seed 2") << 2u << QByteArray("1\r\n3,7\r\n0,0,1,0,3\r\n1,4,50\r\n2\r\n") << 10000;
}

void tst_storm::storm()
{
    QFETCH(uint, seed);
    QFETCH(QByteArray, ini);
    QFETCH(int, events);
    StartedProgram s(ini);
    frmTable *w = s.main;
    w->showFactPicture = &frmHMath::showFact; // the real one, closed by the closer below
    Module1 &m = *s.prog->module;
    std::mt19937 gen(seed);
    // Draws for the program's own problems come from the same seeded stream.
    for (int i = 0; i < 997; ++i)
        s.prog->random.script << std::uniform_real_distribution<float>(0.0f, 0.999f)(gen);
    auto pick = [&gen](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(gen)); };

    QList<QWidget *> clickable;
    for (auto *o : ui(w).optMode) clickable << o;
    for (auto *o : ui(w).optFactor) clickable << o;
    for (auto *o : ui(w).optTimer) clickable << o;
    for (auto *k : ui(w).lblKey) clickable << k;
    clickable << ui(w).cmdStart << ui(w).cmdResults << ui(w).cmdRevNext << ui(w).cmdRevStop << ui(w).cmdInfo << ui(w).cmdHelp
              << ui(w).cmdExit << ui(w).updMax << ui(w).spnTimer << ui(w).hsbDelay << ui(w).picFactor << ui(w).picPractice;
    const QList<int> keys{Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6,
                          Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_A, Qt::Key_Q, Qt::Key_Space, Qt::Key_Return,
                          Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Left};
    const QList<int> altLetters{Qt::Key_P, Qt::Key_I, Qt::Key_H, Qt::Key_R, Qt::Key_N, Qt::Key_S, Qt::Key_O, Qt::Key_X};

    QTimer closer;
    closer.setInterval(1);
    connect(&closer, &QTimer::timeout, this, &closeModal);
    closer.start();
    int clicks = 0, typed = 0, ticks = 0;
    QString last;
    int tried = 0, answers = 0;
    for (int e = 0; e < events; ++e) {
        const int kind = pick(100);
        if (kind < 45) {
            QWidget *target = clickable[pick(int(clickable.size()))];
            if (target->isVisible() && target->isEnabled()) {
                const QPoint at(1 + pick(qMax(1, target->width() - 2)), 1 + pick(qMax(1, target->height() - 2)));
                QTest::mouseClick(target, Qt::LeftButton, {}, at);
                last = QStringLiteral("click on ") + target->objectName();
                ++clicks;
            }
        } else if (kind < 90) {
            QWidget *focus = QApplication::focusWidget();
            if (!focus || focus->window() != w)
                focus = ui(w).picPractice->isVisible() ? static_cast<QWidget *>(ui(w).picPractice) : w;
            // Mostly digits, as a child answering would type.
            const int key = pick(10) < 7 ? Qt::Key_0 + pick(10) : keys[pick(int(keys.size()))];
            QTest::keyClick(focus, Qt::Key(key));
            last = QStringLiteral("key %1 to %2").arg(key).arg(focus->objectName());
            ++typed;
        } else if (kind < 95) {
            const int letter = altLetters[pick(int(altLetters.size()))];
            QTest::keyClick(w, Qt::Key(letter), Qt::AltModifier);
            last = QStringLiteral("Alt+") + QChar(letter);
            ++typed;
        } else {
            if (w->practice().timer().isActive()) {
                w->Timer1_Timer();
                ++ticks;
                last = QStringLiteral("tick");
            }
        }
        QApplication::processEvents();
        if (w->practice().counts().Tried > tried)
            answers += w->practice().counts().Tried - tried;
        tried = w->practice().counts().Tried;
        const QString bad = checkState(w, m);
        if (!bad.isEmpty())
            QFAIL(qPrintable(QStringLiteral("event %1 (%3): %2").arg(e).arg(bad, last)));
    }
    qInfo("%d events: %d clicks, %d keys, %d ticks, %d answers judged, %d exits",
          events, clicks, typed, ticks, answers, s.prog->endCalls);
    QVERIFY(clicks > events / 6);
    QVERIFY(answers > 100);
}

QTEST_MAIN(tst_storm)
#include "tst_storm.moc"
