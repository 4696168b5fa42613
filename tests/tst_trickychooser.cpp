// SPDX-License-Identifier: GPL-3.0-or-later
// The Tricky choice and the estimate it is made from: what the estimate makes
// of a child's answers and their times, the promises a drill keeps (a miss
// comes back, a fact right in time is done, never twice in a row, new facts
// come in, the maximum holds, a kind share), the one ranking, the worksheet's
// spread, and Random's draw without a record.
#include "platform/services.h"
#include "practice/problem.h"
#include "practice/trickychooser.h"

#include <QTest>
#include <QTimeZone>
#include <map>
#include <random>
#include <set>

namespace {

const QDateTime Now(QDate(2026, 12, 9), QTime(16, 0), QTimeZone::utc());

class SeededRandom : public RandomSource
{
public:
    explicit SeededRandom(uint32_t s) : m_gen(s) {}
    void seed(uint32_t s) override { m_gen.seed(s); }
    float next() override { return std::uniform_real_distribution<float>(0.0f, 0.99999f)(m_gen); }

private:
    std::mt19937 m_gen;
};

// Answers to one fact, one a day ending the day before now, oldest first:
// R right in 2 s, Q right in 1.5 s, M right in 4 s, S right in 9 s (slow), W wrong.
// A digit n before a letter puts n more answers on that same day.
void answer(FactAnswers &to, FactPair f, const char *script, const QDateTime &end = Now.addDays(-1))
{
    std::vector<std::pair<char, int>> days; // letter, answers that day
    for (const char *c = script; *c; ++c) {
        int repeat = 1;
        if (*c >= '1' && *c <= '9')
            repeat += *c++ - '0';
        days.push_back({*c, repeat});
    }
    for (size_t d = 0; d < days.size(); ++d) {
        const QDateTime day = end.addDays(qint64(d) - qint64(days.size()) + 1);
        for (int k = 0; k < days[d].second; ++k) {
            const char c = days[d].first;
            const int ms = c == 'Q' ? 1500 : c == 'M' ? 4000 : c == 'S' ? 9000 : 2000;
            to.push_back({f.operand1, f.operand2, c != 'W', ms, day.addSecs(20 * k)});
        }
    }
}

// Answers in time order, as the record holds them.
FactAnswers sorted(FactAnswers a)
{
    std::stable_sort(a.begin(), a.end(), [](const FactAnswer &x, const FactAnswer &y) { return x.at < y.at; });
    return a;
}

int indexOf(const FactPair &f) { return factIndex(f.operand1, f.operand2); }

// Every fact answered right in time on the last days, but the tricky ones
// given, missed on them.
FactAnswers knownBut(const std::vector<FactPair> &tricky)
{
    FactAnswers a;
    for (int o2 = 0; o2 < FactSide; ++o2)
        for (int o1 = 0; o1 < FactSide; ++o1) {
            const FactPair f{o1, o2};
            const bool isTricky = std::find(tricky.begin(), tricky.end(), f) != tricky.end();
            answer(a, f, isTricky ? "WWW" : "QQQQ");
        }
    return sorted(a);
}

const std::vector<FactPair> FiveTricky{{7, 8}, {8, 7}, {6, 7}, {12, 9}, {4, 6}};

FactAnswers recordFor(const QString &name)
{
    if (name == QLatin1String("none"))
        return {};
    if (name == QLatin1String("all known"))
        return knownBut({});
    if (name == QLatin1String("5 tricky, rest known"))
        return knownBut(FiveTricky);
    FactAnswers a; // "2 tricky, rest untried"
    answer(a, {7, 8}, "W");
    answer(a, {3, 9}, "RW");
    return sorted(a);
}

qint64 ms(const QDateTime &t) { return t.toMSecsSinceEpoch(); }

} // namespace

class tst_trickychooser : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void estimate_data();
    void estimate();
    void states_data();
    void states();
    void drillPromises_data();
    void drillPromises();
    void missComesBackLater();
    void rankingIsWeakestFirst();
    void worksheetSpreads_data();
    void worksheetSpreads();
    void noRecordDrawsAsRandom();
};

void tst_trickychooser::estimate_data()
{
    // Two histories (fact:answers, see answer()); the fact asked about must
    // be the likelier to be right in time after the first, the given days
    // after the last answer. daysLater 0: the same history a day after
    // against a month after.
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("stronger");
    QTest::addColumn<QString>("weaker");
    QTest::addColumn<int>("daysLater");
    QTest::addColumn<int>("limitMs");
    QTest::newRow("right in 1.5 s beats right in 4 s") << "7x8" << "7x8:QQQQ" << "7x8:MMMM" << 1 << 6000;
    QTest::newRow("right in 4 s beats right but slow") << "7x8" << "7x8:MMMM" << "7x8:SSSS" << 1 << 6000;
    QTest::newRow("right beats wrong") << "7x8" << "7x8:RRRR" << "7x8:RRRW" << 1 << 6000;
    QTest::newRow("spaced over days beats massed in one drill") << "7x8" << "7x8:RRRR" << "7x8:3R" << 7 << 6000;
    QTest::newRow("a day after beats a month after") << "7x8" << "7x8:RRRR" << "7x8:RRRR" << 0 << 6000;
    QTest::newRow("the twin's answers count for the fact") << "3x4" << "4x3:RRRRR" << "" << 1 << 6000;
    QTest::newRow("a rule before any answer beats a hard fact") << "" << "0x7:" << "7x8:" << 1 << 6000;
    QTest::newRow("no limit: slow right answers count") << "7x8" << "7x8:SSSS" << "7x8:SSSW" << 1 << 0;
}

void tst_trickychooser::estimate()
{
    QFETCH(QString, asked);
    QFETCH(QString, stronger);
    QFETCH(QString, weaker);
    QFETCH(int, daysLater);
    QFETCH(int, limitMs);
    const auto factOf = [](const QString &text) {
        const QStringList ops = text.section(QLatin1Char(':'), 0, 0).split(QLatin1Char('x'));
        return FactPair{ops.value(0).toInt(), ops.value(1).toInt()};
    };
    const auto recallAfter = [&](const QString &history, int days) {
        FactAnswers a;
        if (history.contains(QLatin1Char(':')))
            answer(a, factOf(history), history.section(QLatin1Char(':'), 1).toLatin1().constData());
        MemoryEstimate e(limitMs);
        for (const FactAnswer &x : a)
            e.add(x);
        // Without a fact named, each history asks about its own.
        const FactPair f = factOf(asked.isEmpty() ? history : asked);
        return e.recall(indexOf(f), ms(Now.addDays(days - 1)));
    };
    const double a = recallAfter(stronger, daysLater ? daysLater : 1);
    const double b = daysLater ? recallAfter(weaker, daysLater) : recallAfter(weaker, 30);
    QVERIFY2(a > b + 0.02, qPrintable(QStringLiteral("%1 against %2").arg(a).arg(b)));
    QVERIFY(a <= 1 && b >= 0);
}

void tst_trickychooser::states_data()
{
    QTest::addColumn<QString>("answers"); // fact:answers, one a day ending yesterday; see answer()
    QTest::addColumn<int>("limitMs");
    QTest::addColumn<int>("state");
    const int untried = int(FactState::Untried), tricky = int(FactState::Tricky),
              there = int(FactState::GettingThere), known = int(FactState::Known);
    QTest::newRow("no answer") << "7x8:" << 6000 << untried;
    QTest::newRow("the last answer wrong after many right") << "1x7:QQQQW" << 6000 << tricky;
    QTest::newRow("a hard fact, right but slow: a miss or a slow answer likely") << "7x8:SSSS" << 6000 << tricky;
    QTest::newRow("right in time on one day only, many times") << "1x7:6Q" << 6000 << there;
    QTest::newRow("right in time on the last two days") << "7x8:WQQ" << 6000 << known;
    QTest::newRow("a slow answer between breaks the run") << "1x7:QSQ" << 6000 << there;
    QTest::newRow("slow answers are not in time") << "1x7:SSSS" << 6000 << there;
    QTest::newRow("slow answers with no limit") << "1x7:SSSS" << 0 << known;
    QTest::newRow("right in 4 s is slow for a limit of 3 s") << "1x7:MMMM" << 3000 << there;
    QTest::newRow("a first answer, wrong") << "1x7:W" << 6000 << tricky;
}

void tst_trickychooser::states()
{
    QFETCH(QString, answers);
    QFETCH(int, limitMs);
    QFETCH(int, state);
    const QStringList ops = answers.section(QLatin1Char(':'), 0, 0).split(QLatin1Char('x'));
    const FactPair f{ops[0].toInt(), ops[1].toInt()};
    FactAnswers a;
    answer(a, f, answers.section(QLatin1Char(':'), 1).toLatin1().constData());
    MemoryEstimate e(limitMs);
    for (const FactAnswer &x : a)
        e.add(x);
    QCOMPARE(int(e.state(indexOf(f), ms(Now))), state);
}

void tst_trickychooser::drillPromises_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("answers"); // cycled: R right in 2 s, W wrong, S right but slow
    QTest::addColumn<int>("maxFrom");     // the maximum for the first 10 problems
    QTest::addColumn<int>("maxTo");       // and after
    QTest::addColumn<int>("newAtLeast");  // untried facts brought in
    QTest::newRow("no record, every third wrong") << "none" << "RRW" << 12 << 5 << 0;
    QTest::newRow("all known, all right") << "all known" << "R" << 12 << 12 << 0;
    QTest::newRow("5 tricky, rest known, all right") << "5 tricky, rest known" << "R" << 12 << 12 << 0;
    QTest::newRow("5 tricky, rest known, misses") << "5 tricky, rest known" << "RWRRW" << 12 << 9 << 0;
    QTest::newRow("2 tricky, rest untried") << "2 tricky, rest untried" << "RRWR" << 12 << 12 << 7;
    QTest::newRow("2 tricky, rest untried, slow answers") << "2 tricky, rest untried" << "SRW" << 12 << 12 << 7;
    QTest::newRow("maximum 1") << "5 tricky, rest known" << "RW" << 1 << 1 << 0;
    QTest::newRow("maximum lowered") << "2 tricky, rest untried" << "WR" << 12 << 3 << 5;
}

void tst_trickychooser::drillPromises()
{
    QFETCH(QString, record);
    QFETCH(QString, answers);
    QFETCH(int, maxFrom);
    QFETCH(int, maxTo);
    QFETCH(int, newAtLeast);
    constexpr int Problems = 20;
    const FactAnswers start = recordFor(record);
    MemoryEstimate before(DefaultTimeLimitMs);
    for (const FactAnswer &a : start)
        before.add(a);
    TrickyChooser chooser(start, DefaultTimeLimitMs, Now);
    SeededRandom random(7);
    std::vector<FactPair> posed;
    std::map<int, int> asks;
    std::set<int> done, brought;
    int likelyRight = 0;
    QDateTime at = Now;
    for (int n = 0; n < Problems; ++n) {
        const int max = n < 10 ? maxFrom : maxTo;
        const FactPair f = chooser.next(random, max);
        const int i = indexOf(f);
        const QString what = QStringLiteral("problem %1, %2 x %3").arg(n).arg(f.operand1).arg(f.operand2);
        QVERIFY2(f.operand1 >= 0 && f.operand1 <= max && f.operand2 >= 0 && f.operand2 <= 12, qPrintable(what));
        if (!posed.empty())
            QVERIFY2(!(posed.back() == f), qPrintable(what + QStringLiteral(" twice in a row")));
        QVERIFY2(!done.count(i), qPrintable(what + QStringLiteral(" again after a right answer in time")));
        QVERIFY2(++asks[i] <= TrickyChooser::MostAsksPerDrill, qPrintable(what + QStringLiteral(" too often")));
        if (!start.empty() && before.fact(i).tries == 0)
            brought.insert(i);
        likelyRight += chooser.recall(f) >= 0.8;
        const QChar c = answers.at(n % answers.size());
        const bool right = c != QLatin1Char('W');
        const int ms = c == QLatin1Char('S') ? 9000 : 2000;
        at = at.addSecs(8);
        chooser.judged(f, right, ms, at);
        if (right && ms <= DefaultTimeLimitMs)
            done.insert(i);
        posed.push_back(f);
    }
    QVERIFY2(int(brought.size()) >= newAtLeast, qPrintable(QStringLiteral("%1 new facts").arg(brought.size())));
    // One turn in five is a fact likely right, where the record has them.
    if (record.contains(QLatin1String("known")))
        QVERIFY2(likelyRight >= Problems / 5 - 1, qPrintable(QStringLiteral("%1 likely right").arg(likelyRight)));
}

void tst_trickychooser::missComesBackLater()
{
    // Each first miss comes back later in the drill, not before the fifth
    // problem after it; a miss on its way back waits for the next drill.
    SeededRandom random(11);
    TrickyChooser chooser(recordFor(QStringLiteral("5 tricky, rest known")), DefaultTimeLimitMs, Now);
    std::vector<FactPair> posed;
    std::map<int, int> missedAt;
    QDateTime at = Now;
    for (int n = 0; n < 30; ++n) {
        const FactPair f = chooser.next(random, 12);
        const int i = indexOf(f);
        if (missedAt.count(i)) {
            QVERIFY2(n >= missedAt[i] + 5, qPrintable(QStringLiteral("back at %1 after a miss at %2").arg(n).arg(missedAt[i])));
            missedAt[i] = -100; // back
        }
        const bool first = std::count(posed.begin(), posed.end(), f) == 0;
        // The child misses every fact the first time it comes in this drill.
        const bool right = !first;
        if (first && n < 20)
            missedAt[i] = n;
        at = at.addSecs(8);
        chooser.judged(f, right || n >= 20, 2000, at);
        posed.push_back(f);
    }
    for (const auto &[i, n] : missedAt)
        QVERIFY2(n == -100, qPrintable(QStringLiteral("%1 x %2 missed at %3 never came back").arg(i % 13).arg(i / 13).arg(n)));
}

void tst_trickychooser::rankingIsWeakestFirst()
{
    // Tricky facts first, the weakest of them first, then those getting
    // there; the chooser asks the first of them when no other turn is due.
    FactAnswers a = knownBut({});
    a.erase(std::remove_if(a.begin(), a.end(),
                           [](const FactAnswer &x) {
                               return (x.operand1 == 1 && x.operand2 == 1) || (x.operand1 == 8 && x.operand2 == 8) ||
                                      (x.operand1 == 3 && x.operand2 == 3);
                           }),
            a.end());
    answer(a, {1, 1}, "QQW");   // tricky, but a rule: likely right again
    answer(a, {8, 8}, "WWWQW"); // tricky, and likely wrong
    answer(a, {3, 3}, "RSR");   // getting there: right in time on two days, not in a row
    a = sorted(a);
    MemoryEstimate e;
    for (const FactAnswer &x : a)
        e.add(x);
    const std::vector<RankedFact> ranking = rankFacts(e, ms(Now));
    QCOMPARE(int(ranking.size()), FactCount);
    const std::vector<FactPair> trouble = troubleFacts(ranking, FactCount);
    const auto place = [&trouble](FactPair f) { return std::find(trouble.begin(), trouble.end(), f) - trouble.begin(); };
    // The hard one missed most lately before the rule missed once; both
    // before the one getting there; the known ones not at all.
    QVERIFY(place({8, 8}) < place({1, 1}));
    QVERIFY(place({1, 1}) < place({3, 3}));
    QVERIFY(place({3, 3}) < qsizetype(trouble.size()));
    QVERIFY(place({0, 5}) == qsizetype(trouble.size()));
    for (size_t k = 1; k < ranking.size(); ++k)
        if (ranking[k].state == ranking[k - 1].state)
            QVERIFY(ranking[k - 1].later <= ranking[k].later);
    QCOMPARE(troubleFacts(ranking, 1), (std::vector<FactPair>{trouble.front()}));
    QVERIFY(troubleFacts(rankFacts(MemoryEstimate(), ms(Now)), 13).empty());
    // The chooser asks the first of the same ranking when no other turn is due.
    SeededRandom random(3);
    TrickyChooser chooser(a, DefaultTimeLimitMs, Now);
    const FactPair first = chooser.next(random, 12);
    QVERIFY2(first == trouble.front(), qPrintable(QStringLiteral("%1 x %2, not %3 x %4").arg(first.operand1).arg(first.operand2).arg(trouble.front().operand1).arg(trouble.front().operand2)));
}

void tst_trickychooser::worksheetSpreads_data()
{
    QTest::addColumn<int>("tricky"); // of twelve facts still to learn, the others getting there
    QTest::addColumn<int>("maxMultiplier");
    QTest::addColumn<int>("mostOfOne");
    QTest::newRow("12 tricky") << 12 << 12 << 4;
    QTest::newRow("1 tricky, 11 getting there") << 1 << 12 << 4;
    QTest::newRow("maximum 2") << 12 << 2 << 4;
    QTest::newRow("maximum 0: thirteen facts share the sheet") << 12 << 0 << 8;
}

void tst_trickychooser::worksheetSpreads()
{
    QFETCH(int, tricky);
    QFETCH(int, maxMultiplier);
    QFETCH(int, mostOfOne);
    std::vector<FactPair> trouble;
    for (int i = 0; i < 12; ++i)
        trouble.push_back({i, (i * 5 + 3) % 13});
    FactAnswers a = knownBut(std::vector<FactPair>(trouble.begin(), trouble.begin() + tricky));
    for (int i = tricky; i < 12; ++i) {
        const FactPair f = trouble[size_t(i)];
        a.erase(std::remove_if(a.begin(), a.end(),
                               [f](const FactAnswer &x) { return x.operand1 == f.operand1 && x.operand2 == f.operand2; }),
                a.end());
        answer(a, f, "RSR");
    }
    a = sorted(a);
    SeededRandom random(5);
    TrickyChooser chooser(a, DefaultTimeLimitMs, Now);
    const std::vector<FactPair> sheet = chooser.worksheet(random, maxMultiplier);
    QCOMPARE(int(sheet.size()), 100);
    std::map<int, int> times;
    for (size_t n = 0; n < sheet.size(); ++n) {
        QVERIFY(sheet[n].operand1 <= maxMultiplier);
        if (n)
            QVERIFY2(!(sheet[n] == sheet[n - 1]), qPrintable(QStringLiteral("twice in a row at %1").arg(n)));
        ++times[indexOf(sheet[n])];
    }
    int most = 0;
    for (const auto &[i, t] : times)
        most = std::max(most, t);
    QVERIFY2(most <= mostOfOne, qPrintable(QStringLiteral("one fact %1 times").arg(most)));
    // The struggled-with facts come first: none within the maximum is on the
    // sheet less often than any other fact.
    int others = 0;
    for (const auto &[i, t] : times)
        if (std::find_if(trouble.begin(), trouble.end(), [i = i](FactPair f) { return indexOf(f) == i; }) == trouble.end())
            others = std::max(others, t);
    for (const FactPair &f : trouble)
        if (f.operand1 <= maxMultiplier)
            QVERIFY2(times[indexOf(f)] >= others && times[indexOf(f)] >= 3,
                     qPrintable(QStringLiteral("%1 x %2: %3 times, another %4").arg(f.operand1).arg(f.operand2).arg(times[indexOf(f)]).arg(others)));
}

void tst_trickychooser::noRecordDrawsAsRandom()
{
    TrickyChooser chooser({}, DefaultTimeLimitMs, Now);
    SeededRandom a(11), b(11);
    std::optional<FactPair> last;
    for (int n = 0; n < 40; ++n) {
        const int max = n < 20 ? 12 : 6;
        const FactPair f = chooser.next(a, max);
        // Random's draw, drawn again where it repeats the last fact.
        Problem p = makeProblem(b, -1, int16_t(max));
        while (last && *last == FactPair{p.Operand1, p.Operand2})
            p = makeProblem(b, -1, int16_t(max));
        last = FactPair{p.Operand1, p.Operand2};
        QVERIFY2(f == (FactPair{p.Operand1, p.Operand2}), qPrintable(QStringLiteral("%1: %2 x %3, Random %4 x %5").arg(n).arg(f.operand1).arg(f.operand2).arg(p.Operand1).arg(p.Operand2)));
        chooser.judged(f, true, 1500, Now);
    }
}

QTEST_APPLESS_MAIN(tst_trickychooser)
#include "tst_trickychooser.moc"
