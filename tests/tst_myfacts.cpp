// SPDX-License-Identifier: GPL-3.0-or-later
// My Facts as a parent reads it, from a week of answers in a real record:
// each cell's state, colour, mark and words, a fact's story, the totals, the
// trickiest facts and the page printed for the parent.
#include "app/translation.h"
#include "myfacts/myfacts.h"
#include "openrecord.h"

#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QDateTime Monday(QDate(2026, 12, 7), QTime(16, 0), Qt::UTC);
const QDate Friday(2026, 12, 11);

JudgedAnswer answer(int o1, int o2, bool correct, int ms, const QDateTime &at)
{
    return {at, o1, o2, correct ? o1 * o2 : o1 * o2 + 1, correct, ms};
}
} // namespace

class tst_myfacts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void aParentSees_data();
    void aParentSees();
    void totalsReadAsProgress_data();
    void totalsReadAsProgress();
    void trickiestWeakestFirst_data();
    void trickiestWeakestFirst();
    void theParentsPage();

private:
    QTemporaryDir m_dir;
    OpenRecord m_record;
    ChildSummary m_week, m_newChild;
};

void tst_myfacts::initTestCase()
{
    // Dates are shown in local time; the week is written in UTC.
    qputenv("TZ", "UTC");
    // English takes its plural forms ("1 try") from its own file.
    loadTranslation(*QCoreApplication::instance(), QStringLiteral(NUMBLOOM_PROGRAM_DIR "/translations"), {QStringLiteral("en")},
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QCOMPARE(m_record.open(m_dir.filePath(QStringLiteral("progress.sqlite")), Monday), RecordFile::Opened::Ready);
    RecordStore &s = m_record.store;
    const QDateTime tuesday = Monday.addDays(1), thursday = Monday.addDays(3);
    QCOMPARE(s.beginDrill({Monday, -2, 12, 0, 0}), RecordStore::Write::Ok);
    for (const JudgedAnswer &a :
         {answer(7, 8, false, 4000, Monday), answer(7, 8, true, 2000, tuesday), answer(9, 6, true, 2000, tuesday),
          answer(7, 8, true, 2400, thursday), answer(2, 3, true, 1000, thursday), answer(9, 6, false, 5000, thursday)})
        QCOMPARE(s.addAnswer(a), RecordStore::Write::Ok);
    QCOMPARE(s.endDrill(thursday), RecordStore::Write::Ok);
    m_week = m_record.reports.summary(s.currentId(), Friday, MyFacts::ChartDays);
    qint64 leo = 0;
    QVERIFY(s.add(QStringLiteral("Leo"), thursday, nullptr, &leo));
    m_newChild = m_record.reports.summary(leo, Friday, MyFacts::ChartDays);
}

void tst_myfacts::aParentSees_data()
{
    QTest::addColumn<int>("operand1");
    QTest::addColumn<int>("operand2");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("heard");
    QTest::addColumn<QString>("story");
    QTest::newRow("right in time on two days: known, green, its story")
        << 7 << 8 << "7 x 8\n\u2713" << "#7ccf7c" << "7 times 8, known"
        << "7 x 8 = 56: 3 tries, 2 right, last on 10 December in 2.4 s";
    QTest::newRow("right once: getting there, yellow") << 2 << 3 << "2 x 3\n~" << "#ffe070" << "2 times 3, getting there"
                                                        << "2 x 3 = 6: 1 try, 1 right, last on 10 December in 1.0 s";
    QTest::newRow("missed last time: tricky, pink") << 9 << 6 << "9 x 6\n!" << "#ff9a9a" << "9 times 6, tricky"
                                                     << "9 x 6 = 54: 2 tries, 1 right, last on 10 December in 5.0 s";
    QTest::newRow("never met, though its twin was: not yet tried, grey")
        << 8 << 7 << "8 x 7\n?" << "#e4e4e4" << "8 times 7, not yet tried" << "8 x 7 = 56: not yet tried";
}

void tst_myfacts::aParentSees()
{
    QFETCH(int, operand1);
    QFETCH(int, operand2);
    const MyFacts map(m_week, Friday);
    QTEST(map.cellText(operand1, operand2), "cell");
    QTEST(MyFacts::screenColour(map.state(operand1, operand2)).name(), "colour");
    QTEST(map.cellSpoken(operand1, operand2), "heard");
    QTEST(map.story(operand1, operand2), "story");
    // Heard, the story says the fact in words, never "x" or "=".
    const QString spoken = map.spokenStory(operand1, operand2);
    QVERIFY2(spoken.startsWith(QStringLiteral("%1 times %2 is %3.").arg(operand1).arg(operand2).arg(operand1 * operand2)),
             qPrintable(spoken));
    QVERIFY(!spoken.contains(QLatin1Char('=')));
}

void tst_myfacts::totalsReadAsProgress_data()
{
    QTest::addColumn<bool>("practised");
    QTest::addColumn<QString>("totals");
    QTest::newRow("a child just added: all still to meet")
        << false
        << "0 of 169 facts known    0 getting there (0 of them tricky now)    169 still to meet\n"
           "0 problems answered    0 days practised";
    QTest::newRow("a week: known, getting there, still to meet")
        << true
        << "1 of 169 facts known    2 getting there (1 of them tricky now)    166 still to meet\n"
           "6 problems answered    3 days practised";
}

void tst_myfacts::totalsReadAsProgress()
{
    QFETCH(bool, practised);
    QTEST(MyFacts(practised ? m_week : m_newChild, Friday).totals(), "totals");
}

void tst_myfacts::trickiestWeakestFirst_data()
{
    QTest::addColumn<int>("weak");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("nothing tricky") << 0 << QStringList{"Nothing is tricky or getting there now."};
    QTest::newRow("two, weakest first") << 2 << QStringList{"12 x 1 = 12: 1 try, 1 missed", "12 x 2 = 24: 2 tries, 2 missed"};
    QTest::newRow("twelve: only the ten weakest") << 12 << QStringList{};
}

void tst_myfacts::trickiestWeakestFirst()
{
    QFETCH(int, weak);
    QFETCH(QStringList, lines);
    ChildSummary sum;
    for (int i = 1; i <= weak; ++i) {
        sum.trickiest.push_back({12, i});
        sum.facts[size_t(factIndex(12, i))] = FactRecord{i, 0, Monday, 1000};
    }
    const QStringList shown = MyFacts(sum, Friday).trickiest();
    if (lines.isEmpty()) {
        QCOMPARE(shown.size(), MyFacts::TrickiestShown);
        QCOMPARE(shown.last(), QStringLiteral("12 x 10 = 120: 10 tries, 10 missed"));
    } else {
        QCOMPARE(shown, lines);
    }
}

void tst_myfacts::theParentsPage()
{
    const MyFacts map(m_week, Friday);
    const ParentPage page = map.parentPage(QStringLiteral("Mia"));
    QCOMPARE(page.heading, QStringLiteral("Mia - My Facts - 11 December 2026"));
    QVERIFY(page.states == m_week.states);
    QCOMPARE(page.legend[size_t(FactState::Tricky)], QStringLiteral("tricky"));
    QCOMPARE(page.tricky.first(), QStringLiteral("9 x 6 = 54: 2 tries, 1 missed"));
    // Thirty days, today last; every fifth is dated, counting back from today.
    QCOMPARE(page.knownByDay.size(), MyFacts::ChartDays);
    QCOMPARE(page.dayLabels.size(), MyFacts::ChartDays);
    QCOMPARE(page.dayLabels.last(), QStringLiteral("11 Dec"));
    QCOMPARE(page.dayLabels[MyFacts::ChartDays - 6], QStringLiteral("6 Dec"));
    QCOMPARE(page.dayLabels.count(QString()), MyFacts::ChartDays - 6);
    // The screen's chart: the same days, noon of each, the last one today.
    const QVector<QPointF> points = map.knownByDay();
    QCOMPARE(points.size(), MyFacts::ChartDays);
    QCOMPARE(QDateTime::fromMSecsSinceEpoch(qint64(points.last().x()), Qt::UTC), QDateTime(Friday, QTime(12, 0), Qt::UTC));
    QCOMPARE(points.last().y(), double(m_week.totals.knownByDay.last()));
}

QTEST_GUILESS_MAIN(tst_myfacts)
#include "tst_myfacts.moc"
