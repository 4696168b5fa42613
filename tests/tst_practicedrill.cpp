// SPDX-License-Identifier: GPL-3.0-or-later
// The drill without its window: the order of its steps, the steps that must
// do nothing in a state where no control can ask for them, and the right
// answer shown after a miss when the factor is Tricky.
#include "fakes.h"
#include "practice/practicedrill.h"
#include "recordingsurface.h"

#include <QTest>

namespace {

// Sounds, pauses and the drill's signals in one log, in the order they came.
struct Log : SoundPlayer, Clock
{
    void play(const QString &path, int flags) override
    {
        steps << path.section(QLatin1Char('/'), -1) + (flags == Wait ? QStringLiteral(" wait") : QString());
    }
    void stop() override {}
    void beep() override { steps << QStringLiteral("beep"); }
    float secondsSinceMidnight() const override { return 0; }
    int64_t monotonicMs() const override { return now; }
    void sleepMs(int ms) override
    {
        if (steps.isEmpty() || steps.last() != QLatin1String("pause"))
            steps << QStringLiteral("pause");
        now += ms;
    }
    QStringList steps;
    int64_t now = 0;
};

struct Bench
{
    Bench()
    {
        random.script = {drawFor(4, 13), drawFor(3, 13)}; // the factor 4, then 3 x 4 each time
        module = std::make_unique<Module1>(Services{&log, &log, &random, nullptr, nullptr, nullptr});
        module->AppDir = QStringLiteral("/p/");
        module->settings.TimerMode = 1;
        drill = std::make_unique<PracticeDrill>(*module, box);
        const auto note = [this](const char *what) { return [this, what] { log.steps << QLatin1String(what); }; };
        QObject::connect(drill.get(), &PracticeDrill::started, note("started"));
        QObject::connect(drill.get(), &PracticeDrill::answerFocusWanted, note("focus"));
        QObject::connect(drill.get(), &PracticeDrill::countersChanged, note("counters"));
        QObject::connect(drill.get(), &PracticeDrill::timeChanged, note("time"));
        QObject::connect(drill.get(), &PracticeDrill::stopped, note("stopped"));
        QObject::connect(drill.get(), &PracticeDrill::resultsShown, note("results"));
        QObject::connect(drill.get(), &PracticeDrill::reviewShown, note("review"));
        QObject::connect(drill.get(), &PracticeDrill::lastReviewShown, note("last"));
        QObject::connect(drill.get(), &PracticeDrill::idle, note("idle"));
    }
    void type(const char *keys)
    {
        for (; *keys; ++keys) {
            int k = *keys;
            drill->typeKey(k, 500);
        }
    }
    Log log;
    ScriptedRandom random;
    RecordingSurface box{5175, 4575};
    std::unique_ptr<Module1> module;
    std::unique_ptr<PracticeDrill> drill;
};

} // namespace

class tst_practicedrill : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stepsInOrder_data();
    void stepsInOrder();
    void unreachableStepsDoNothing_data();
    void unreachableStepsDoNothing();
    void missShowsTheRightAnswer_data();
    void missShowsTheRightAnswer();
};

void tst_practicedrill::stepsInOrder_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("steps");
    // The digit is heard as it is typed; a wrong answer's uh-oh ends before
    // the counters change, and the pause comes before the next problem.
    QTest::newRow("right") << "12" << QStringList{"ding.wav", "ding.wav", "counters", "pause", "focus"};
    QTest::newRow("wrong") << "13"
                           << QStringList{"ding.wav", "ding.wav", "uhoh.wav wait", "counters", "pause", "focus"};
    QTest::newRow("not a digit") << "x" << QStringList{"beep"};
}

void tst_practicedrill::stepsInOrder()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, steps);
    Bench b;
    b.drill->startOrStop();
    QCOMPARE(b.log.steps, (QStringList{"started", "time", "focus"}));
    b.log.steps.clear();
    b.type(keys.toLatin1().constData());
    QCOMPARE(b.log.steps, steps);
    b.log.steps.clear();
    // Stopping: the results are on screen before the fanfare plays.
    b.drill->startOrStop();
    const QStringList stop = steps.contains(QStringLiteral("counters"))
                                 ? QStringList{"stopped", "results", "tada.wav"}
                                 : QStringList{"stopped", "idle", "time"};
    QCOMPARE(b.log.steps, stop);
}

void tst_practicedrill::unreachableStepsDoNothing_data()
{
    QTest::addColumn<int>("reached"); // PracticeDrill::State
    QTest::addColumn<QString>("step");
    using S = PracticeDrill::State;
    // Results, Next and the review's Stop are hidden while a drill runs; Start
    // and the keys are out of reach behind the results and the review.
    QTest::newRow("results while running") << int(S::Running) << "closeResults";
    QTest::newRow("next while running") << int(S::Running) << "nextReview";
    QTest::newRow("idle while running") << int(S::Running) << "backToIdle";
    QTest::newRow("start behind the results") << int(S::Results) << "startOrStop";
    QTest::newRow("key behind the results") << int(S::Results) << "typeKey";
    QTest::newRow("next behind the results") << int(S::Results) << "nextReview";
    QTest::newRow("start in the review") << int(S::Review) << "startOrStop";
    QTest::newRow("key in the review") << int(S::Review) << "typeKey";
    QTest::newRow("results in the review") << int(S::Review) << "closeResults";
    QTest::newRow("key when idle") << int(S::Idle) << "typeKey";
    QTest::newRow("next when idle") << int(S::Idle) << "nextReview";
}

void tst_practicedrill::unreachableStepsDoNothing()
{
    QFETCH(int, reached);
    QFETCH(QString, step);
    Bench b;
    const auto state = PracticeDrill::State(reached);
    if (state != PracticeDrill::State::Idle) {
        b.drill->startOrStop();
        b.type("13"); // one wrong answer, so there is a review
        b.type("13");
    }
    if (state >= PracticeDrill::State::Results)
        b.drill->startOrStop();
    if (state == PracticeDrill::State::Review)
        b.drill->closeResults();
    QCOMPARE(b.drill->state(), state);
    const Drill before = b.drill->counts();
    const int16_t index = b.drill->ReviewIndex();
    b.log.steps.clear();
    int key = '5';
    if (step == QLatin1String("typeKey"))
        b.drill->typeKey(key, 500);
    else if (step == QLatin1String("closeResults"))
        b.drill->closeResults();
    else if (step == QLatin1String("nextReview"))
        b.drill->nextReview();
    else if (step == QLatin1String("backToIdle"))
        b.drill->backToIdle();
    else
        b.drill->startOrStop();
    QCOMPARE(b.drill->state(), state);
    QCOMPARE(b.log.steps, QStringList());
    QCOMPARE(b.drill->counts().Tried, before.Tried);
    QCOMPARE(b.drill->ReviewIndex(), index);
}

void tst_practicedrill::missShowsTheRightAnswer_data()
{
    QTest::addColumn<int>("factor");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("shown");
    // 3 x 4 each time: with no record Tricky draws as Random does.
    QTest::newRow("Tricky, wrong") << int(FactorTricky) << "13" << true;
    QTest::newRow("Tricky, right") << int(FactorTricky) << "12" << false;
    QTest::newRow("a factor, wrong: as the original") << 3 << "13" << false;
    QTest::newRow("Random, wrong: as the original") << int(FactorRandom) << "13" << false;
}

void tst_practicedrill::missShowsTheRightAnswer()
{
    QFETCH(int, factor);
    QFETCH(QString, keys);
    QFETCH(bool, shown);
    Bench b;
    b.module->settings.PracticeFactor = int16_t(factor);
    QStringList said;
    QObject::connect(b.drill.get(), &PracticeDrill::said,
                     [&said](const QString &t, PracticeDrill::Heard what) {
                         if (what == PracticeDrill::Heard::Problem)
                             said << t;
                     });
    b.drill->startOrStop();
    // What the box holds when the pause begins.
    QString red, black;
    QObject::connect(b.drill.get(), &PracticeDrill::countersChanged, [&b, &red, &black] {
        const auto clear = std::find_if(b.box.ops.rbegin(), b.box.ops.rend(), [](const Op &o) { return o.kind == Op::Clear; });
        for (auto o = clear.base(); o != b.box.ops.end(); ++o)
            if (o->kind == Op::Text)
                (o->colour == QColor(Qt::red) ? red : black).prepend(o->text);
    });
    b.type(keys.toLatin1().constData());
    QCOMPARE(red, shown ? QStringLiteral("13") : QString());
    QCOMPARE(black.startsWith(QStringLiteral("12")), shown);
    // Heard as the next problem comes, as the review says it: the window
    // sleeps through the pause.
    const QString next = said.last();
    if (shown)
        QVERIFY2(next.startsWith(QStringLiteral("3 times 4. You said 13. The right answer is 12. ")), qPrintable(next));
    else
        QVERIFY2(next.startsWith(keys == QLatin1String("13") ? QStringLiteral("Not quite. ") : QStringLiteral("Right. ")),
                 qPrintable(next));
    QVERIFY2(next.endsWith(QLatin1Char('?')), qPrintable(next));
}

QTEST_MAIN(tst_practicedrill)
#include "tst_practicedrill.moc"
