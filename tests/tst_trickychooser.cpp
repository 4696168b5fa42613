// The Tricky choice's problems: what comes back, what comes often, what is
// spaced out over days, and what Random would have drawn without a record.
#include "platform/services.h"
#include "practice/problem.h"
#include "practice/trickychooser.h"

#include <QTest>
#include <QTimeZone>
#include <random>
#include <set>

namespace {

using Facts = TrickyChooser::Facts;
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

// Answers to one fact, oldest first: R right in time, W wrong, S right but slow.
void answer(Facts &facts, FactPair f, const char *answers, const QDateTime &at = Now)
{
    FactRecord &r = facts[size_t(factIndex(f.operand1, f.operand2))];
    for (const char *c = answers; *c; ++c)
        r.add({*c != 'W', *c == 'S' ? 9000 : 2000}, DefaultTimeLimitMs);
    r.lastAt = at;
}

// Every fact known, answered today, but the tricky ones given.
Facts knownBut(const std::vector<FactPair> &tricky)
{
    Facts facts{};
    for (int o2 = 0; o2 < FactSide; ++o2)
        for (int o1 = 0; o1 < FactSide; ++o1)
            answer(facts, {o1, o2}, "RRR");
    for (const FactPair &f : tricky) {
        facts[size_t(factIndex(f.operand1, f.operand2))] = {};
        answer(facts, f, "WWW");
    }
    return facts;
}

const std::vector<FactPair> FiveTricky{{7, 8}, {8, 7}, {6, 7}, {12, 9}, {4, 6}};

std::optional<Facts> recordFor(const QString &name)
{
    if (name == QLatin1String("none"))
        return std::nullopt;
    if (name == QLatin1String("all known"))
        return knownBut({});
    if (name == QLatin1String("5 tricky, rest known"))
        return knownBut(FiveTricky);
    Facts facts{}; // "2 tricky, rest untried"
    answer(facts, {7, 8}, "W");
    answer(facts, {3, 9}, "RW");
    return facts;
}

} // namespace

class tst_trickychooser : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void drillRules_data();
    void drillRules();
    void knownDueAfter_data();
    void knownDueAfter();
    void dueKnownFactFirst();
    void noRecordDrawsAsRandom();
    void worksheetIsMostlyTricky_data();
    void worksheetIsMostlyTricky();
    void studyGridFacts();
};

void tst_trickychooser::drillRules_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("answers"); // cycled: R right, W wrong
    QTest::addColumn<int>("maxFrom");     // the maximum for the first 30 problems
    QTest::addColumn<int>("maxTo");       // and after
    QTest::newRow("no record, every third wrong") << "none" << "RRW" << 12 << 5;
    QTest::newRow("all known, all right") << "all known" << "R" << 12 << 12;
    QTest::newRow("5 tricky, rest known, all right") << "5 tricky, rest known" << "R" << 12 << 12;
    QTest::newRow("5 tricky, rest known, misses") << "5 tricky, rest known" << "RWRRW" << 12 << 9;
    QTest::newRow("2 tricky, rest untried") << "2 tricky, rest untried" << "RRWR" << 12 << 12;
    QTest::newRow("maximum 0") << "5 tricky, rest known" << "RW" << 0 << 0;
    QTest::newRow("maximum lowered") << "2 tricky, rest untried" << "WR" << 12 << 3;
}

void tst_trickychooser::drillRules()
{
    QFETCH(QString, record);
    QFETCH(QString, answers);
    QFETCH(int, maxFrom);
    QFETCH(int, maxTo);
    const std::optional<Facts> start = recordFor(record);
    TrickyChooser chooser(start, DefaultTimeLimitMs, Now);
    SeededRandom random(7);
    std::vector<FactPair> posed;
    std::vector<int> dueAt(FactCount, -1); // a missed fact's due problem
    std::set<int> untriedBrought;
    int otherTurns = 0;
    for (int n = 0; n < 60; ++n) {
        const int max = n < 30 ? maxFrom : maxTo;
        const FactPair f = chooser.next(random, max);
        const int i = factIndex(f.operand1, f.operand2);
        QVERIFY2(f.operand1 >= 0 && f.operand1 <= max && f.operand2 >= 0 && f.operand2 <= 12,
                 qPrintable(QStringLiteral("%1 x %2 with the maximum %3").arg(f.operand1).arg(f.operand2).arg(max)));
        if (!posed.empty())
            QVERIFY2(!(posed.back() == f), qPrintable(QStringLiteral("%1 x %2 twice in a row").arg(f.operand1).arg(f.operand2)));
        // A miss comes back as the third problem after it, not sooner; of
        // two due, the older miss first.
        int dueFirst = -1;
        for (int j = 0; j < FactCount; ++j) {
            const int at = dueAt[size_t(j)];
            if (at < 0 || j % FactSide > max)
                continue;
            if (at > n)
                QVERIFY2(j != i, qPrintable(QStringLiteral("problem %1 is a missed fact before its turn").arg(n)));
            else if (dueFirst < 0 || at < dueAt[size_t(dueFirst)])
                dueFirst = j;
        }
        const bool dueNow = dueFirst >= 0;
        if (dueNow)
            QVERIFY2(i == dueFirst, qPrintable(QStringLiteral("problem %1 should be a miss come back").arg(n)));
        const FactState before = chooser.state(f);
        if (!dueNow && dueAt[size_t(i)] < 0 && start) {
            otherTurns += before != FactState::Known;
            if (before == FactState::Untried)
                untriedBrought.insert(i);
        }
        const bool right = answers.at(n % answers.size()) == QLatin1Char('R');
        chooser.judged(f, right, 2000, Now);
        dueAt[size_t(i)] = right ? -1 : n + 3;
        posed.push_back(f);
    }
    if (record == QLatin1String("5 tricky, rest known") && answers == QLatin1String("R")) {
        // One in three known; the rest are the child's five, until three
        // right answers each have made them known too.
        for (size_t n = 0; n < 15; ++n) {
            const bool tricky = std::find(FiveTricky.begin(), FiveTricky.end(), posed[n]) != FiveTricky.end();
            QVERIFY2(tricky == (n % 3 != 2), qPrintable(QStringLiteral("problem %1").arg(n)));
        }
    }
    if (record == QLatin1String("2 tricky, rest untried"))
        QVERIFY2(untriedBrought.size() <= size_t(TrickyChooser::UntriedPerDrill),
                 qPrintable(QStringLiteral("%1 untried facts brought in").arg(untriedBrought.size())));
    if (record == QLatin1String("all known"))
        QCOMPARE(otherTurns, 0);
}

void tst_trickychooser::knownDueAfter_data()
{
    QTest::addColumn<int>("run");
    QTest::addColumn<int>("hoursAgo");
    QTest::addColumn<bool>("due");
    QTest::newRow("run 3, 23 hours") << 3 << 23 << false;
    QTest::newRow("run 3, a day") << 3 << 24 << true;
    QTest::newRow("run 4, 2 days") << 4 << 48 << false;
    QTest::newRow("run 4, 3 days") << 4 << 72 << true;
    QTest::newRow("run 5, 6 days") << 5 << 6 * 24 << false;
    QTest::newRow("run 5, 7 days") << 5 << 7 * 24 << true;
    QTest::newRow("run 6, 20 days") << 6 << 20 * 24 << false;
    QTest::newRow("run 6, 21 days") << 6 << 21 * 24 << true;
    QTest::newRow("run 9, 20 days") << 9 << 20 * 24 << false;
    QTest::newRow("run 9, 21 days") << 9 << 21 * 24 << true;
}

void tst_trickychooser::knownDueAfter()
{
    QFETCH(int, run);
    QFETCH(int, hoursAgo);
    QFETCH(bool, due);
    Facts facts{};
    answer(facts, {3, 4}, QByteArray(run, 'R').constData(), Now.addSecs(-3600 * hoursAgo));
    const FactRecord &r = facts[size_t(factIndex(3, 4))];
    QCOMPARE(r.run, run);
    QCOMPARE(knownFactDue(r, Now), due);
}

void tst_trickychooser::dueKnownFactFirst()
{
    // Two tricky facts, the rest known and answered today but two: one a week
    // ago with a run of 5, due today; one two days ago whose run a slow
    // answer cut back to 3, due since yesterday. The known turns (every third
    // problem) ask the longest overdue first.
    Facts facts = knownBut({{7, 8}, {8, 7}});
    facts[size_t(factIndex(9, 6))] = {};
    answer(facts, {9, 6}, "RRRRR", Now.addDays(-7));
    facts[size_t(factIndex(2, 3))] = {};
    answer(facts, {2, 3}, "RRRRRRSRRR", Now.addDays(-2));
    TrickyChooser chooser(facts, DefaultTimeLimitMs, Now);
    SeededRandom random(3);
    std::vector<FactPair> posed;
    for (int n = 0; n < 6; ++n) {
        posed.push_back(chooser.next(random, 12));
        chooser.judged(posed.back(), true, 2000, Now);
    }
    QCOMPARE(posed[2], (FactPair{2, 3}));
    QCOMPARE(posed[5], (FactPair{9, 6}));
}

void tst_trickychooser::noRecordDrawsAsRandom()
{
    for (const bool empty : {false, true}) {
        TrickyChooser chooser(empty ? std::optional<Facts>(Facts{}) : std::nullopt, DefaultTimeLimitMs, Now);
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
}

void tst_trickychooser::worksheetIsMostlyTricky_data()
{
    QTest::addColumn<int>("tricky"); // of the twelve facts still to learn; the others getting there
    QTest::newRow("12 tricky") << 12;
    QTest::newRow("1 tricky, 11 getting there") << 1;
}

void tst_trickychooser::worksheetIsMostlyTricky()
{
    // Twelve facts still to learn, the rest known: at least 70 of the 100,
    // and no one of them filling the sheet.
    QFETCH(int, tricky);
    std::vector<FactPair> trouble;
    for (int i = 0; i < 12; ++i)
        trouble.push_back({i, (i * 5 + 3) % 13});
    Facts facts = knownBut(trouble);
    for (int i = tricky; i < 12; ++i) {
        facts[size_t(factIndex(trouble[size_t(i)].operand1, trouble[size_t(i)].operand2))] = {};
        answer(facts, trouble[size_t(i)], "WRR");
    }
    TrickyChooser sheet(facts, DefaultTimeLimitMs, Now, 4);
    SeededRandom random(5);
    std::array<int, FactCount> times{};
    int theirs = 0;
    std::optional<FactPair> last;
    for (int n = 0; n < 100; ++n) {
        const FactPair f = sheet.next(random, 12);
        theirs += std::find(trouble.begin(), trouble.end(), f) != trouble.end();
        ++times[size_t(factIndex(f.operand1, f.operand2))];
        QVERIFY(!(last && *last == f));
        last = f;
    }
    QVERIFY2(theirs >= 70, qPrintable(QString::number(theirs)));
    QVERIFY2(*std::max_element(times.begin(), times.end()) <= 8,
             qPrintable(QStringLiteral("one fact %1 times").arg(*std::max_element(times.begin(), times.end()))));
}

void tst_trickychooser::studyGridFacts()
{
    Facts facts = knownBut({});
    for (const FactPair f : {FactPair{1, 1}, FactPair{2, 2}, FactPair{3, 3}})
        facts[size_t(factIndex(f.operand1, f.operand2))] = {};
    answer(facts, {1, 1}, "RRW");   // tricky, one miss
    answer(facts, {2, 2}, "WWWRW"); // tricky, four misses
    answer(facts, {3, 3}, "WRR");   // getting there
    QCOMPARE(trickiestFacts(facts, DefaultTimeLimitMs, 13), (std::vector<FactPair>{{2, 2}, {1, 1}, {3, 3}}));
    QCOMPARE(trickiestFacts(facts, DefaultTimeLimitMs, 1), (std::vector<FactPair>{{2, 2}}));
    QVERIFY(trickiestFacts(knownBut({}), DefaultTimeLimitMs, 13).empty());
}

QTEST_APPLESS_MAIN(tst_trickychooser)
#include "tst_trickychooser.moc"
