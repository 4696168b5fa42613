// SPDX-License-Identifier: GPL-3.0-or-later
// Making practice problems from the shared random source, and drawing them.
#include "fakes.h"
#include "app/spoken.h"
#include "practice/drill.h"
#include "practice/problem.h"
#include "recordingsurface.h"
#include "render/problemdisplay.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

class tst_problems : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // English counts take their forms from the program's plural catalogue.
    void initTestCase()
    {
        auto *english = new QTranslator(this);
        QVERIFY(english->load(QStringLiteral("numbloom_en"), QStringLiteral(NUMBLOOM_PROGRAM_DIR "/translations")));
        QCoreApplication::installTranslator(english);
    }
    void generation_data();
    void generation();
    void fixedFactorCoversItsTable();
    void randomFactorIncludesZero();
    void drawsFactorFirst();
    void stackedLayout();
    void answerPlaceIsLeftPlaceholder();
    void emptyAnswerLeavesPlace();
    void reviewCopiesShiftedByHalf();
    void summary_data();
    void summary();
    void recordStopsAtCapacity();
    void spoken_data();
    void spoken();
};

void tst_problems::generation_data()
{
    QTest::addColumn<int>("factor");
    QTest::addColumn<int>("max");
    QTest::addColumn<QVector<float>>("draws");
    QTest::addColumn<int>("op1");
    QTest::addColumn<int>("op2");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("digits");
    QTest::newRow("7, max 12, 8") << 7 << 12 << QVector<float>{drawFor(8, 13)} << 8 << 7 << 56 << 2;
    QTest::newRow("7, max 12, 0") << 7 << 12 << QVector<float>{0.0f} << 0 << 7 << 0 << 1;
    QTest::newRow("7, max 12, largest draw") << 7 << 12 << QVector<float>{0.99999994f} << 12 << 7 << 84 << 2;
    QTest::newRow("max 0") << 9 << 0 << QVector<float>{0.99f} << 0 << 9 << 0 << 1;
    QTest::newRow("random 0 x 0") << -1 << 12 << QVector<float>{0.0f, 0.0f} << 0 << 0 << 0 << 1;
    QTest::newRow("random 11 x 10 = 110") << -1 << 12 << QVector<float>{drawFor(10, 13), drawFor(11, 13)} << 11 << 10 << 110 << 3;
    QTest::newRow("12 x 12 = 144") << 12 << 12 << QVector<float>{drawFor(12, 13)} << 12 << 12 << 144 << 3;
    QTest::newRow("99 has 2 digits") << 11 << 9 << QVector<float>{drawFor(9, 10)} << 9 << 11 << 99 << 2;
    QTest::newRow("a source that returns 1 stays in range") << -1 << 12 << QVector<float>{1.0f, 1.0f} << 12 << 12 << 144 << 3;
}

void tst_problems::generation()
{
    QFETCH(int, factor);
    QFETCH(int, max);
    QFETCH(QVector<float>, draws);
    QFETCH(int, op1);
    QFETCH(int, op2);
    QFETCH(int, answer);
    QFETCH(int, digits);
    ScriptedRandom r;
    r.script = draws;
    const Problem p = makeProblem(r, int16_t(factor), int16_t(max));
    QCOMPARE(int(p.Operand1), op1);
    QCOMPARE(int(p.Operand2), op2);
    QCOMPARE(int(p.Answer), answer);
    QCOMPARE(int(p.Digits), digits);
    QCOMPARE(int(p.DigitPos), 1);
    QCOMPARE(int(p.OpCode), 2);
    QCOMPARE(int(p.ProblemType), 3);
    QCOMPARE(r.drawn, factor == -1 ? 2 : 1);
}

void tst_problems::fixedFactorCoversItsTable()
{
    ScriptedRandom r;
    for (int i = 0; i <= 12; ++i)
        r.script << drawFor(i, 13);
    QSet<int> seen;
    for (int i = 0; i <= 12; ++i) {
        const Problem p = makeProblem(r, 7, 12);
        QCOMPARE(int(p.Operand2), 7);
        QCOMPARE(int(p.Answer), p.Operand1 * 7);
        seen.insert(p.Operand1);
    }
    QCOMPARE(seen.size(), 13);
}

void tst_problems::randomFactorIncludesZero()
{
    // 13 equally likely factors: each of the 13 bands of [0, 1) gives its own.
    QSet<int> factors;
    for (int f = 0; f <= 12; ++f) {
        ScriptedRandom r;
        r.script = {drawFor(f, 13), 0.5f};
        factors.insert(makeProblem(r, -1, 12).Operand2);
    }
    QCOMPARE(factors.size(), 13);
    QVERIFY(factors.contains(0));
}

void tst_problems::drawsFactorFirst()
{
    ScriptedRandom r;
    r.script = {drawFor(3, 13), drawFor(9, 13)};
    const Problem p = makeProblem(r, -1, 12);
    QCOMPARE(int(p.Operand2), 3);
    QCOMPARE(int(p.Operand1), 9);
}

void tst_problems::stackedLayout()
{
    RecordingSurface s(5115, 4515);
    AnswerPlace place;
    drawProblem(s, 7, 12, 0.5f, QStringLiteral("??"), Qt::black, place);
    const QVector<Op> t = s.texts();
    QCOMPARE(t.size(), 1 + 2 + 1 + 2);
    const float SW = 5115, SH = 4515, anchor = 0.575f * SW;
    QCOMPARE(t[0].text, QStringLiteral("7"));
    QCOMPARE(t[0].x1 + 50, anchor);
    QCOMPARE(t[0].y1 + 100, 0.2f * SH);
    QCOMPARE(t[1].text, QStringLiteral("2"));
    QCOMPARE(t[1].x1 + 50, anchor);
    QCOMPARE(t[2].text, QStringLiteral("1"));
    QCOMPARE(t[2].x1 + 50, anchor - 100);
    QCOMPARE(t[2].y1 + 100, 0.375f * SH);
    QCOMPARE(t[3].text, QStringLiteral("x"));
    QCOMPARE(t[3].x1, 0.45f * SW - 125); // a quarter of its width left of 0.45
    QCOMPARE(t[3].y1, 0.375f * SH - 100); // on the lower number's line
    const QVector<Op> bar = s.lines();
    QCOMPARE(bar.size(), 1);
    QCOMPARE(bar[0].x1, 0.35f * SW);
    QCOMPARE(bar[0].x2, 0.62f * SW);
    QCOMPARE(bar[0].y1, 0.5f * SH);
    QCOMPARE(bar[0].width, 4);
    QCOMPARE(bar[0].colour, QColor(Qt::black));
    QCOMPARE(s.drawWidth(), 1);
    QCOMPARE(t[4].y1 + 100, 0.625f * SH);
}

void tst_problems::answerPlaceIsLeftPlaceholder()
{
    RecordingSurface s(5115, 4515);
    AnswerPlace place;
    drawProblem(s, 7, 8, 0.5f, QStringLiteral("??"), Qt::black, place);
    const QVector<Op> t = s.texts();
    const Op &left = t.last(); // the left "?" is drawn after the right one
    QCOMPARE(left.text, QStringLiteral("?"));
    QVERIFY(left.x1 < t[t.size() - 2].x1);
    QCOMPARE(int(place.x), int(std::nearbyint(left.x1)));
    QCOMPARE(int(place.y), int(std::nearbyint(left.y1)));
}

void tst_problems::emptyAnswerLeavesPlace()
{
    RecordingSurface s(5115, 4515);
    AnswerPlace place{123, 456};
    drawProblem(s, 3, 4, 0.5f, QString(), Qt::black, place);
    QCOMPARE(int(place.x), 123);
    QCOMPARE(int(place.y), 456);
    QCOMPARE(s.texts().size(), 3);
    QCOMPARE(s.lines().size(), 1);
}

void tst_problems::reviewCopiesShiftedByHalf()
{
    RecordingSurface s(5115, 4515);
    AnswerPlace place;
    drawProblem(s, 7, 8, 0.25f, QStringLiteral("65"), Qt::red, place);
    const int half = int(s.ops.size());
    drawProblem(s, 7, 8, 0.75f, QStringLiteral("56"), Qt::black, place);
    QCOMPARE(int(s.ops.size()), 2 * half);
    for (int i = 0; i < half; ++i) {
        const Op &a = s.ops[i], &b = s.ops[i + half];
        QCOMPARE(a.kind, b.kind);
        if (a.kind == Op::Text) {
            QCOMPARE(b.x1 - a.x1, 0.5f * 5115);
            QCOMPARE(a.y1, b.y1);
        }
    }
    const QVector<Op> t = s.texts();
    // 7, 8, x, then "65" from the right; the same five on the right half
    QCOMPARE(t.size(), 10);
    QCOMPARE(t[3].text + t[4].text, QStringLiteral("56"));
    QCOMPARE(t[3].colour, QColor(Qt::red));
    QCOMPARE(t[4].colour, QColor(Qt::red));
    QCOMPARE(t[0].colour, QColor(Qt::black));
    QCOMPARE(t[8].text + t[9].text, QStringLiteral("65"));
    QCOMPARE(t[8].colour, QColor(Qt::black));
    QCOMPARE(s.foreColor(), QColor(Qt::black));
}

void tst_problems::summary_data()
{
    QTest::addColumn<int>("tried");
    QTest::addColumn<int>("missed");
    QTest::addColumn<int>("timerMode");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("reward");
    QTest::addColumn<bool>("review");
    QTest::newRow("12/2 at 125 s") << 12 << 2 << 1 << 125 << 4
        << QStringList{"Problems Tried: 12", "Problems Correct: 10 (83%)", "Elapsed Time: 2:05", "Time Per Problem: 10.42 sec"} << 1 << true;
    QTest::newRow("4 of 4, timer off") << 4 << 0 << 0 << 0 << 4
        << QStringList{"Problems Tried: 4", "Problems Correct: 4 (100%)", "Timer Off", ""} << -1 << false;
    QTest::newRow("5, 1 missed: 80%") << 5 << 1 << 0 << 0 << 4
        << QStringList{"Problems Tried: 5", "Problems Correct: 4 (80%)", "Timer Off", ""} << 1 << true;
    QTest::newRow("7 of 10: 70%") << 10 << 3 << 0 << 0 << 4
        << QStringList{"Problems Tried: 10", "Problems Correct: 7 (70%)", "Timer Off", ""} << 2 << true;
    QTest::newRow("2 of 3: no picture") << 3 << 1 << 0 << 0 << 4
        << QStringList{"Problems Tried: 3", "Problems Correct: 2 (67%)", "Timer Off", ""} << -1 << true;
    QTest::newRow("9 of 10: 90%") << 10 << 1 << 0 << 0 << 4
        << QStringList{"Problems Tried: 10", "Problems Correct: 9 (90%)", "Timer Off", ""} << 0 << true;
    QTest::newRow("7 of 8 rounds 87.5 to 88") << 8 << 1 << 0 << 0 << 4
        << QStringList{"Problems Tried: 8", "Problems Correct: 7 (88%)", "Timer Off", ""} << 1 << true;
    QTest::newRow("1 of 8 rounds 12.5 to 12") << 8 << 7 << 0 << 0 << 4
        << QStringList{"Problems Tried: 8", "Problems Correct: 1 (12%)", "Timer Off", ""} << 3 << true;
    QTest::newRow("count-down stopped at 75") << 3 << 0 << 2 << 75 << 4
        << QStringList{"Problems Tried: 3", "Problems Correct: 3 (100%)", "Elapsed Time: 0:45", "Time Per Problem: 15.00 sec"} << -1 << false;
    QTest::newRow("count-down run out") << 4 << 0 << 2 << 0 << 4
        << QStringList{"Problems Tried: 4", "Problems Correct: 4 (100%)", "Elapsed Time: 2:00", "Time Per Problem: 30.00 sec"} << -1 << false;
    QTest::newRow("0 seconds") << 2 << 0 << 1 << 0 << 4
        << QStringList{"Problems Tried: 2", "Problems Correct: 2 (100%)", "Elapsed Time: 0:00", "Time Per Problem: 0.00 sec"} << -1 << false;
    QTest::newRow("count-up to 30:00") << 40 << 0 << 1 << 1800 << 4
        << QStringList{"Problems Tried: 40", "Problems Correct: 40 (100%)", "Elapsed Time: 30:00", "Time Per Problem: 45.00 sec"} << 0 << false;
}

void tst_problems::summary()
{
    QFETCH(int, tried);
    QFETCH(int, missed);
    QFETCH(int, timerMode);
    QFETCH(int, count);
    QFETCH(int, steps);
    QFETCH(QStringList, lines);
    QFETCH(int, reward);
    QFETCH(bool, review);
    const DrillSummary s = summarizeDrill(tried, missed, timerMode, count, steps);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(s.lines[size_t(i)], lines[i]);
    QCOMPARE(s.reward, reward);
    QCOMPARE(s.fullHeight, tried >= 5);
    QCOMPARE(s.review, review);
}

void tst_problems::recordStopsAtCapacity()
{
    Drill d;
    d.start();
    Problem p;
    for (int i = 1; i <= 150; ++i) {
        p.Operand1 = int16_t(i % 13);
        p.Operand2 = 3;
        p.OpCode = 2;
        d.countWrong(p, int16_t(i));
        d.countAnswer();
    }
    QCOMPARE(d.Tried, 150);
    QCOMPARE(d.Missed, 150);
    QCOMPARE(d.recorded(), 100);
    QCOMPARE(int(d.MissedGiven[100]), 100); // the 100th is the last kept
    QCOMPARE(int(d.MissedGiven[1]), 1);
    d.start();
    QCOMPARE(d.Tried + d.Missed + d.recorded(), 0);
}

void tst_problems::spoken_data()
{
    // What is heard: times and lengths as a person says them, never a bare
    // unit, "x", a colon or a bracket, which a screen reader reads by name.
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("expected");
    QTest::newRow("count-down 1:30") << spokenDuration(90) << "1 minute 30 seconds";
    QTest::newRow("count-down 2:00") << spokenDuration(120) << "2 minutes";
    QTest::newRow("one minute one second") << spokenDuration(61) << "1 minute 1 second";
    QTest::newRow("45 seconds") << spokenDuration(45) << "45 seconds";
    QTest::newRow("time left") << spokenTimeLeft(60) << "1 minute left";
    QTest::newRow("delay 1.00") << spokenSeconds(1.0f) << "1 second";
    QTest::newRow("delay 1.05") << spokenSeconds(1.05f) << "1.05 seconds";
    QTest::newRow("delay 0.50") << spokenSeconds(0.5f) << "0.5 seconds";
    QTest::newRow("delay 0.00") << spokenSeconds(0.0f) << "0 seconds";
    QTest::newRow("problem") << spokenProblem(7, 8) << "What is 7 times 8?";
    QTest::newRow("wrong") << spokenWrong(7, 8) << "Not quite. 7 times 8 is 56.";
    QTest::newRow("review") << spokenReview(7, 8, 65) << "7 times 8. You said 65. The right answer is 56.";
    const DrillSummary s = summarizeDrill(12, 2, 1, 125, 4);
    QTest::newRow("results") << spokenSummary(s)
                             << "12 problems tried. 10 right, 83 percent. It took 2 minutes 5 seconds. "
                                "10.42 seconds a problem. Your reward is a big smiling sun.";
    QTest::newRow("one problem, clock off") << spokenSummary(summarizeDrill(1, 0, 0, 0, 4))
                                            << "1 problem tried. 1 right, 100 percent. The clock was off.";
}

void tst_problems::spoken()
{
    QFETCH(QString, said);
    QFETCH(QString, expected);
    QCOMPARE(said, expected);
    QVERIFY(!said.contains(QRegularExpression(QStringLiteral("[:()=]| x |\\d s\\b"))));
}

QTEST_GUILESS_MAIN(tst_problems)
#include "tst_problems.moc"
