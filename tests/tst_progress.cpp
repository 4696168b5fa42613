// SPDX-License-Identifier: GPL-3.0-or-later
// The child's record: what My Facts is worked out from it, and the real
// SQLite file through what families' computers do to it (damage, a newer
// program, a full disk, two copies at once), the drill writing into it, the
// current child's answers held in memory for a drill's start, and the one
// ranking of a child's facts that everything takes from it.
#include "fakes.h"
#include "practice/practicedrill.h"
#include "openrecord.h"
#include "practice/trickychooser.h"
#include "progress/childprogress.h"
#include "record/sqliterecord.h"
#include "recordingsurface.h"
#include "app/module1.h"
#include "platform/systemclock.h"
#include "smalldisk.h"
#include "study/studyoptions.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <map>

namespace {
const QDateTime Monday(QDate(2026, 12, 7), QTime(16, 0), Qt::UTC);

JudgedAnswer answer(int o1, int o2, bool correct, int ms, const QDateTime &at = Monday)
{
    return {at, o1, o2, correct ? o1 * o2 : o1 * o2 + 1, correct, ms};
}

int rows(const QString &path, const QString &sql)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
    db.setDatabaseName(path);
    int n = -1;
    if (db.open()) {
        QSqlQuery q(db);
        if (q.exec(sql) && q.next())
            n = q.value(0).toInt();
        db.close();
    }
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
    return n;
}
} // namespace

class tst_progress : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void chartCountsTheStates();
    void childNames_data();
    void childNames();
    void answersMakeFactsAndDays();
    void csvReadsBack_data();
    void csvReadsBack();
    void damagedFileIsKeptAside();
    void newerFileIsLeftAlone();
    void readAloudIsKeptPerChild();
    void fullDiskKeepsWhatWasSaved();
    void twoCopiesBothRecord();
    void drillRecordsEveryJudgedAnswer();
    void trickyDrillAsksFromTheRecord();
    void currentAnswersWithoutWaiting_data();
    void currentAnswersWithoutWaiting();
    void oneRankingEverywhere();
};

void tst_progress::chartCountsTheStates()
{
    // 7 x 8 right in time on Tuesday and Wednesday is known from Wednesday;
    // 3 x 4 right on Tuesday only is never known; then nothing for a month:
    // the chart counts what the states say at each day's end, and 7 x 8
    // fades out of it again. The last day is today, as the totals are.
    FactAnswers a;
    const QDateTime tuesday = Monday.addDays(1);
    for (int d = 1; d <= 2; ++d)
        for (int k = 0; k < 3; ++k)
            a.push_back({7, 8, true, 1500, Monday.addDays(d).addSecs(30 * k)});
    a.insert(a.begin() + 3, {3, 4, true, 1500, tuesday.addSecs(200)});
    const int days = 40;
    const QDateTime now = Monday.addDays(days - 1);
    const ChildSummary sum = summarizeAnswers(a, 6000, now, days);
    const QDate first = now.toLocalTime().date().addDays(1 - days);
    QCOMPARE(sum.totals.knownByDay.size(), days);
    QCOMPARE(sum.totals.knownByDay[int(first.daysTo(Monday.toLocalTime().date()))], 0);
    QCOMPARE(sum.totals.knownByDay[int(first.daysTo(tuesday.toLocalTime().date()))], 0);
    QCOMPARE(sum.totals.knownByDay[int(first.daysTo(tuesday.toLocalTime().date())) + 1], 1);
    QCOMPARE(sum.totals.knownByDay.back(), sum.totals.facts[size_t(FactState::Known)]);
    QCOMPARE(sum.totals.knownByDay.back(), 0);
    QCOMPARE(sum.states[size_t(factIndex(7, 8))], FactState::Tricky);
    QCOMPARE(sum.totals.answers, 7);
    QCOMPARE(sum.totals.days, 2);
    QCOMPARE(sum.totals.facts[size_t(FactState::Untried)], FactCount - 2);
}

void tst_progress::childNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("trimmed") << "  Mia \t" << "Mia";
    QTest::newRow("empty") << "   " << "";
    QTest::newRow("40 characters") << QString(40, QLatin1Char('a')) << QString(40, QLatin1Char('a'));
    QTest::newRow("41 characters") << QString(41, QLatin1Char('a')) << "";
    // 40 characters outside the basic plane are 80 UTF-16 units.
    QTest::newRow("40 emoji") << QString::fromUtf8("\U0001F600").repeated(40) << QString::fromUtf8("\U0001F600").repeated(40);
    QTest::newRow("another script") << QString::fromUtf8("Łucja 李") << QString::fromUtf8("Łucja 李");
}

void tst_progress::childNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(childName(typed), kept);
}

void tst_progress::answersMakeFactsAndDays()
{
    QTemporaryDir dir;
    OpenRecord r;
    RecordStore &s = r.store;
    QCOMPARE(r.open(dir.filePath("progress.sqlite"), Monday), RecordFile::Opened::Ready);
    QCOMPARE(s.children().size(), 1); // made from the desktop user
    QCOMPARE(s.current().name, desktopUserName());
    QString error;
    // A name that would end a statement if it were pasted into SQL.
    const QString odd = QStringLiteral("Bob'); DROP TABLE children;--");
    qint64 bob = 0;
    QVERIFY2(s.add(odd, Monday, &error, &bob), qPrintable(error));
    QVERIFY(!s.add(QStringLiteral(" ") + odd, Monday, &error));
    QVERIFY(error.contains(odd));
    QVERIFY(s.choose(bob));

    QCOMPARE(s.beginDrill({Monday, 7, 12, ClockOff, 0}), RecordStore::Write::Ok);
    const QDateTime tuesday = Monday.addDays(1), thursday = Monday.addDays(3);
    for (const JudgedAnswer &a : {answer(7, 8, false, 4000), answer(7, 8, true, 2000, tuesday.addMSecs(123)),
                                  answer(7, 8, true, 2400, tuesday.addSecs(20)), answer(7, 8, true, 2400, thursday),
                                  answer(2, 3, true, 1000, thursday)})
        QCOMPARE(s.addAnswer(a), RecordStore::Write::Ok);
    QCOMPARE(s.endDrill(thursday), RecordStore::Write::Ok);

    const QDate friday = thursday.toLocalTime().date().addDays(1);
    const ChildSummary sum = r.reports.summary(bob, friday, 5);
    const auto &facts = sum.facts;
    const FactRecord &f = facts[size_t(factIndex(7, 8))];
    QCOMPARE(f.tries, 4);
    QCOMPARE(f.right, 3);
    QCOMPARE(f.lastMs, 2400);
    QCOMPARE(f.lastAt, thursday);
    // Right in time on Tuesday and on Thursday, the last two days it came.
    QCOMPARE(sum.states[size_t(factIndex(7, 8))], FactState::Known);
    QCOMPARE(facts[size_t(factIndex(8, 7))].tries, 0); // the pair is ordered
    QCOMPARE(sum.states[size_t(factIndex(8, 7))], FactState::Untried);
    QCOMPARE(sum.states[size_t(factIndex(2, 3))], FactState::GettingThere);
    QCOMPARE(sum.trickiest, (std::vector<FactPair>{{2, 3}}));

    const ChildTotals &t = sum.totals;
    QCOMPARE(t.answers, 5);
    QCOMPARE(t.days, 3);
    QCOMPARE(t.facts, (std::array<int, 4>{FactCount - 2, 0, 1, 1}));
    // Monday none known, Tuesday one day in time so far, Thursday known;
    // Friday keeps it.
    QCOMPARE(t.knownByDay, QVector<int>({0, 0, 0, 1, 1}));
    // With a limit of 2 s the answers in 2.4 s are slow: not known.
    QVERIFY(s.setTimeLimit(bob, 2000));
    QVERIFY(r.reports.summary(bob, friday, 5).states[size_t(factIndex(7, 8))] != FactState::Known);
    // The answers as the record reads them back: in order, to the millisecond.
    const FactAnswers answers = s.answers(bob);
    QCOMPARE(int(answers.size()), 5);
    QCOMPARE(answers.front().at, Monday);
    QCOMPARE(answers[2].ms, 2400);
    QCOMPARE(answers.back().operand1, 2);
    QCOMPARE(s.answerCount(bob), 5);
    QVERIFY(s.remove(bob, &error));
    QCOMPARE(s.answerCount(bob), 0);
    QCOMPARE(s.current().name, desktopUserName());
}

void tst_progress::csvReadsBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("field"); // the name as the file holds it
    QTest::newRow("quotes and a comma") << "Mia \"Mouse\", Jr" << "\"Mia \"\"Mouse\"\", Jr\"";
    // A spreadsheet would run these as formulas: an apostrophe keeps them text.
    QTest::newRow("equals") << "=HYPERLINK(\"x\")" << "\"'=HYPERLINK(\"\"x\"\")\"";
    QTest::newRow("plus") << "+Tom" << "\"'+Tom\"";
    QTest::newRow("minus") << "-Tom" << "\"'-Tom\"";
    QTest::newRow("at") << "@Tom" << "\"'@Tom\"";
    QTest::newRow("accented") << QString::fromUtf8("Léo") << QString::fromUtf8("Léo");
}

void tst_progress::csvReadsBack()
{
    QFETCH(QString, name);
    QFETCH(QString, field);
    QTemporaryDir dir;
    OpenRecord r;
    RecordStore &s = r.store;
    QCOMPARE(r.open(dir.filePath("progress.sqlite"), Monday), RecordFile::Opened::Ready);
    QString error;
    QVERIFY(s.rename(s.current().id, name, &error));
    // Started and stopped before any answer: no drill to show.
    QCOMPARE(s.beginDrill({Monday, 7, 12, ClockOff, 0}), RecordStore::Write::Ok);
    QCOMPARE(s.endDrill(Monday), RecordStore::Write::Ok);
    QCOMPARE(s.beginDrill({Monday, FactorTricky, 9, ClockCountDown, 120}), RecordStore::Write::Ok);
    QCOMPARE(s.addAnswer(answer(3, 4, false, 1500)), RecordStore::Write::Ok);
    QCOMPARE(s.endDrill(Monday.addSecs(60)), RecordStore::Write::Ok);
    const QString path = dir.filePath("mia.csv");
    QVERIFY2(r.reports.exportCsv(s.current().id, path, &error), qPrintable(error));
    QCOMPARE(rows(dir.filePath("progress.sqlite"), QStringLiteral("SELECT COUNT(*) FROM drills")), 1);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    // The byte-order mark, so that a spreadsheet reads UTF-8 as UTF-8.
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QString local = Monday.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    QCOMPARE(QString::fromUtf8(bytes.mid(3)),
             QStringLiteral("child,at,operand1,operand2,given,correct,ms,local_time,drill,factor,max_multiplier,clock,"
                            "clock_seconds\r\n")
                 + field + QStringLiteral(",2026-12-07T16:00:00.000Z,3,4,13,0,1500,") + local
                 + QStringLiteral(",1,tricky,9,down,120\r\n"));
}

void tst_progress::damagedFileIsKeptAside()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("progress.sqlite");
    const QByteArray junk = QByteArray("not a database at all ").repeated(300);
    for (const QString &aside : {path + ".damaged-2026-12-07", path + ".damaged-2026-12-07-2"}) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(junk);
        f.close();
        OpenRecord r;
        RecordStore &s = r.store;
        QCOMPARE(r.open(path, Monday), RecordFile::Opened::Replaced);
        // The second damage on the same day takes a name of its own.
        QCOMPARE(r.file.movedTo(), aside);
        QFile kept(aside);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), junk);
        QCOMPARE(s.addAnswer(answer(1, 1, true, 900)), RecordStore::Write::Ok);
    }
}

void tst_progress::readAloudIsKeptPerChild()
{
    // A file from before Read aloud: its children are read, with it off.
    QTemporaryDir dir;
    const QString path = dir.filePath("progress.sqlite");
    {
        OpenRecord r;
        RecordStore &s = r.store;
        QCOMPARE(r.open(path, Monday), RecordFile::Opened::Ready);
        QString error;
        QVERIFY(s.add(QStringLiteral("Mia"), Monday, &error));
        QVERIFY(s.add(QStringLiteral("Leo"), Monday, &error));
    }
    {
        // The schema as the version before it had it.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("ALTER TABLE children DROP COLUMN read_aloud")));
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version = 1")));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("old"));
    }
    qint64 mia = 0;
    {
        OpenRecord r;
        RecordStore &s = r.store;
        QCOMPARE(r.open(path, Monday), RecordFile::Opened::Ready);
        const QVector<Child> kids = s.children();
        QCOMPARE(kids.size(), 3);
        for (const Child &c : kids) {
            QVERIFY(!c.readAloud);
            if (c.name == QLatin1String("Mia"))
                mia = c.id;
        }
        QVERIFY(s.setReadAloud(mia, true));
    }
    QCOMPARE(rows(path, QStringLiteral("PRAGMA user_version")), RecordSchemaVersion);
    SqliteRecord r(path);
    r.flush();
    for (const Child &c : r.children())
        QCOMPARE(c.readAloud, c.id == mia);
    r.setReadAloud(mia, false);
    for (const Child &c : r.children())
        QVERIFY(!c.readAloud);
}

void tst_progress::newerFileIsLeftAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("progress.sqlite");
    {
        OpenRecord r;
        QCOMPARE(r.open(path, Monday), RecordFile::Opened::Ready);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 99"));
        QSqlQuery(db).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("newer"));
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    SqliteRecord r(path);
    r.answerJudged(answer(2, 2, true, 800));
    r.flush();
    QCOMPARE(r.health(), ChildRecord::Health::Newer);
    QVERIFY(r.healthText().contains(QStringLiteral("newer version")));
    QVERIFY(r.currentName().isEmpty());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

void tst_progress::fullDiskKeepsWhatWasSaved()
{
    SmallDisk disk(1024 * 1024);
    if (!disk.mounted())
        QSKIP(qPrintable(disk.why()));
    const QString path = disk.path() + QStringLiteral("/progress.sqlite");
    int saved = 0;
    {
        SqliteRecord r(path);
        QSignalSpy notices(&r, &ChildRecord::notice);
        for (; saved < 20; ++saved)
            r.answerJudged(answer(saved % 13, 5, true, 1000));
        r.flush();
        QVERIFY(disk.fill());
        // Enough answers to need new pages of the file, each failing.
        for (int i = 0; i < 400; ++i)
            r.answerJudged(answer(i % 13, 6, true, 1000 + i));
        r.flush();
        QTRY_COMPARE(notices.size(), 1);
        QVERIFY(notices.first().first().toString().contains(QStringLiteral("disk is full")));
        QCOMPARE(r.health(), ChildRecord::Health::Ready);
    }
    const int kept = rows(path, QStringLiteral("SELECT COUNT(*) FROM answer_rows WHERE operand2 = 5"));
    QCOMPARE(kept, saved);
    QCOMPARE(rows(path, QStringLiteral("SELECT COUNT(*) FROM pragma_integrity_check WHERE integrity_check = 'ok'")), 1);
}

void tst_progress::twoCopiesBothRecord()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("progress.sqlite");
    constexpr int Each = 150;
    std::array<QProcess, 2> copies;
    for (QProcess &p : copies)
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write-answers"), path, QString::number(Each)});
    for (QProcess &p : copies) {
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
    }
    QCOMPARE(rows(path, QStringLiteral("SELECT COUNT(*) FROM answers")), 2 * Each);
    QCOMPARE(rows(path, QStringLiteral("SELECT COUNT(*) FROM children")), 1);
}

namespace {
// A program's services with a real record in a temporary folder.
struct WithRecord
{
    QTemporaryDir dir;
    FakeSound sound;
    FakeClock clock;
    ScriptedRandom random;
    SqliteRecord record{dir.filePath("progress.sqlite")};
    Services svc{&sound, &clock, &random, nullptr, nullptr, nullptr, &record};
    Module1 module{svc};
};
} // namespace

void tst_progress::drillRecordsEveryJudgedAnswer()
{
    WithRecord w;
    SqliteRecord &record = w.record;
    ScriptedRandom &random = w.random;
    FakeClock &clock = w.clock;
    Module1 &m = w.module;
    m.settings.PracticeFactor = 8;
    m.settings.MaxMultiplier = 12;
    random.script = {drawFor(7, 13)}; // 7 x 8, then the same again
    RecordingSurface box{5175, 4575};
    PracticeDrill drill(m, box);
    drill.startOrStop();
    clock.now += 2300;
    drill.typeKey('5', 0);
    drill.typeKey('6', 0);
    clock.now += 1100;
    drill.typeKey('5', 0);
    drill.typeKey('7', 0);
    drill.startOrStop();
    record.flush();
    const FactRecord f = record.summary(record.current().id, QDate::currentDate(), 1).facts[size_t(factIndex(7, 8))];
    QCOMPARE(f.tries, 2);
    QCOMPARE(f.right, 1);
    QCOMPARE(f.lastMs, 1100);
    // The drill's start reads the same answers from memory, once the
    // record has told the window who practises.
    QTRY_VERIFY(record.currentAnswers());
    const std::optional<CurrentAnswers> held = record.currentAnswers();
    QCOMPARE(int(held->answers.size()), 2);
    QCOMPARE(held->answers.front().ms, 2300);
    QCOMPARE(held->answers.front().correct, true);
    QCOMPARE(held->answers.back().correct, false);
}

void tst_progress::trickyDrillAsksFromTheRecord()
{
    // A record with every fact right in time on two days but 7 x 8, missed
    // yesterday: a Tricky drill asks 7 x 8 first, the one tricky fact, as no
    // fact is new; missed again, the pause shows the right answer beside the
    // child's, and it comes back as the fifth problem after; a factor changed
    // to 5 mid-drill applies from the next problem.
    WithRecord w;
    SqliteRecord &record = w.record;
    Module1 &m = w.module;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int day = 2; day >= 1; --day)
        for (int o2 = 0; o2 < FactSide; ++o2)
            for (int o1 = 0; o1 < FactSide; ++o1)
                record.answerJudged(answer(o1, o2, !(o1 == 7 && o2 == 8 && day == 1), 1500,
                                           now.addDays(-day).addSecs(o2 * 13 + o1)));
    record.flush();
    QTRY_VERIFY(record.currentAnswers());
    m.settings.PracticeFactor = FactorTricky;
    m.settings.MaxMultiplier = 12;
    RecordingSurface box{5175, 4575};
    PracticeDrill drill(m, box);
    QStringList said;
    connect(&drill, &PracticeDrill::said, this, [&said](const QString &text, PracticeDrill::Heard) { said << text; });
    const auto answerWith = [&drill](int value) {
        for (QChar c : QString::number(value))
            drill.typeKey(c.unicode(), 0);
    };
    QList<QPair<int, int>> posed;
    QVector<Op> pause; // what the box showed between the first answer and the next problem
    drill.startOrStop();
    for (int n = 0; n < 8; ++n) {
        posed << qMakePair(int(drill.problem().Operand1), int(drill.problem().Operand2));
        if (n == 6)
            m.settings.PracticeFactor = 5;
        const qsizetype from = box.ops.size();
        const bool miss = posed.back() == qMakePair(7, 8);
        answerWith(miss ? drill.problem().Answer + 1 : drill.problem().Answer);
        if (n == 0)
            pause = box.ops.mid(from);
    }
    drill.startOrStop();
    QCOMPARE(posed[0], qMakePair(7, 8));
    QCOMPARE(posed[5], qMakePair(7, 8));
    QCOMPARE(std::count(posed.begin(), posed.end(), qMakePair(7, 8)), 2);
    QCOMPARE(posed[7].second, 5);
    // The pause: the box cleared, the child's 57 in red, the product 56 in black.
    QString red, black;
    bool cleared = false;
    for (const Op &o : pause) {
        if (o.kind == Op::Clear) {
            if (cleared)
                break; // the next problem
            cleared = true;
        } else if (o.kind == Op::Text && cleared) {
            (o.colour == QColor(Qt::red) ? red : black).prepend(o.text);
        }
    }
    QCOMPARE(red, QStringLiteral("57"));
    QVERIFY2(black.startsWith(QStringLiteral("56")), qPrintable(black));
    QVERIFY(std::any_of(said.begin(), said.end(), [](const QString &t) {
        return t.startsWith(QStringLiteral("7 times 8. You said 57. The right answer is 56."));
    }));
    record.flush();
    QCOMPARE(record.answerCount(record.current().id), 2 * FactCount + 8);
}

void tst_progress::currentAnswersWithoutWaiting_data()
{
    // What the record holds in memory for the child practising, after each
    // way the family changes it.
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("answers"); // held for the child practising after it
    QTest::addColumn<int>("limitMs");
    QTest::newRow("opened") << "open" << 3 << 6000;
    QTest::newRow("answers judged after opening") << "judge" << 5 << 6000;
    QTest::newRow("another child chosen") << "choose" << 1 << 6000;
    QTest::newRow("an answer judged at once after choosing") << "choose and judge" << 2 << 6000;
    QTest::newRow("time limit changed") << "limit" << 3 << 3000;
    // The first child, made from the desktop user, practises next.
    QTest::newRow("the child practising removed") << "remove" << 0 << 6000;
}

void tst_progress::currentAnswersWithoutWaiting()
{
    QFETCH(QString, change);
    QFETCH(int, answers);
    QFETCH(int, limitMs);
    QTemporaryDir dir;
    const QString path = dir.filePath("progress.sqlite");
    qint64 mia = 0, other = 0;
    {
        // Mia has three answers, Leo one, before the program starts.
        OpenRecord r;
        QCOMPARE(r.open(path, Monday), RecordFile::Opened::Ready);
        RecordStore &s = r.store;
        QString error;
        QVERIFY(s.add(QStringLiteral("Mia"), Monday, &error, &mia));
        QVERIFY(s.add(QStringLiteral("Leo"), Monday, &error, &other));
        QVERIFY(s.choose(other));
        QCOMPARE(s.addAnswer(answer(2, 2, true, 900)), RecordStore::Write::Ok);
        QVERIFY(s.choose(mia));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(s.addAnswer(answer(3, i, i != 1, 1000 + i)), RecordStore::Write::Ok);
    }
    SqliteRecord r(path);
    r.flush();
    QTRY_VERIFY(r.currentAnswers());
    if (change == QLatin1String("judge")) {
        r.answerJudged(answer(4, 4, true, 1200, Monday.addSecs(60)));
        r.answerJudged(answer(4, 5, false, 1300, Monday.addSecs(70)));
    } else if (change.startsWith(QLatin1String("choose"))) {
        r.choose(other);
        // Judged before the record's thread has read Leo's answers: held
        // after them, once, and written once.
        if (change.endsWith(QLatin1String("judge")))
            r.answerJudged(answer(9, 9, true, 1100, Monday.addSecs(60)));
    } else if (change == QLatin1String("limit")) {
        r.setTimeLimit(mia, 3000);
    } else if (change == QLatin1String("remove")) {
        QString error;
        QVERIFY(r.remove(mia, &error));
    }
    r.flush();
    const std::optional<CurrentAnswers> held = r.currentAnswers();
    QVERIFY(held);
    QCOMPARE(held->child, r.current().id);
    QCOMPARE(held->limitMs, limitMs);
    QCOMPARE(int(held->answers.size()), answers);
    QCOMPARE(int(held->answers.size()), r.answerCount(held->child));
    // The same answers, in the same order, as the file holds them.
    OpenRecord check;
    QCOMPARE(check.open(path, Monday), RecordFile::Opened::Ready);
    const FactAnswers onFile = check.store.answers(held->child);
    for (size_t i = 0; i < onFile.size(); ++i) {
        QCOMPARE(held->answers[i].operand1, onFile[i].operand1);
        QCOMPARE(held->answers[i].operand2, onFile[i].operand2);
        QCOMPARE(held->answers[i].correct, onFile[i].correct);
        QCOMPARE(held->answers[i].ms, onFile[i].ms);
        QCOMPARE(held->answers[i].at, onFile[i].at);
    }
}

void tst_progress::oneRankingEverywhere()
{
    // A child with a few tricky facts, some getting there and the rest known,
    // in a real record: the parent's page and My Facts (the summary), the
    // study grid and the facts sheet (studyCells), the worksheet and the
    // drill's first problem all follow the same ranking.
    WithRecord w;
    SqliteRecord &record = w.record;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const std::vector<FactPair> missed{{7, 8}, {6, 7}, {8, 8}, {12, 7}, {4, 9}, {3, 3}};
    for (int day = 3; day >= 1; --day)
        for (int o2 = 0; o2 < FactSide; ++o2)
            for (int o1 = 0; o1 < FactSide; ++o1) {
                const auto k = std::find(missed.begin(), missed.end(), FactPair{o1, o2}) - missed.begin();
                // The first three missed on the last day, the others slow on one day.
                const bool wrong = k < 3 && day <= k + 1;
                const int ms = k >= 3 && k < 6 && day == 2 ? 9000 : 1500;
                record.answerJudged(answer(o1, o2, !wrong, ms, now.addDays(-day).addSecs(o2 * 13 + o1)));
            }
    record.flush();
    QTRY_VERIFY(record.currentAnswers());
    const std::vector<FactPair> summary = record.summary(record.current().id, QDate::currentDate(), 30).trickiest;
    QVERIFY2(summary.size() >= missed.size(), qPrintable(QString::number(summary.size())));
    for (const FactPair &f : missed)
        QVERIFY(std::find(summary.begin(), summary.end(), f) != summary.end());
    const std::vector<FactPair> grid = currentTroubleFacts(&record, now, FactSide);
    QCOMPARE(grid, std::vector<FactPair>(summary.begin(), summary.begin() + long(std::min<size_t>(summary.size(), 13))));
    Module1 &m = w.module;
    m.settings.StudyFactor = FactorTricky;
    QCOMPARE(studyCells(m), grid);
    // The worksheet: the tricky ones as often as any fact, the first of
    // them among its first problems.
    MtRandom random;
    random.seed(1);
    TrickyChooser chooser = trickyChooserFor(&record, now);
    const std::vector<FactPair> sheet = chooser.worksheet(random, 12);
    std::map<int, int> times;
    for (const FactPair &f : sheet)
        ++times[factIndex(f.operand1, f.operand2)];
    int most = 0;
    for (const auto &[i, t] : times)
        most = std::max(most, t);
    QCOMPARE(most, 4);
    for (const FactPair &f : summary)
        if (record.summary(record.current().id, QDate::currentDate(), 1).states[size_t(factIndex(f.operand1, f.operand2))] ==
            FactState::Tricky)
            QCOMPARE(times[factIndex(f.operand1, f.operand2)], most);
    // The drill: no fact is new, so its first problem is the ranking's first.
    QCOMPARE(chooser.next(random, 12), summary.front());
}

// "--write-answers PATH N": one copy of the program recording N answers.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--write-answers") {
        SqliteRecord r(QString::fromLocal8Bit(argv[2]));
        int notices = 0;
        QObject::connect(&r, &ChildRecord::notice, [&notices](const QString &text, const QString &) {
            qWarning("%s", qPrintable(text));
            ++notices;
        });
        // One at a time, as a child answers, so that two copies take turns.
        for (int i = 0; i < atoi(argv[3]); ++i) {
            r.answerJudged(answer(i % 13, i % 7, true, 1000));
            r.flush();
        }
        QCoreApplication::processEvents();
        return r.health() == ChildRecord::Health::Ready && notices == 0 ? 0 : 1;
    }
    tst_progress t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_progress.moc"
