// The child's record: how a fact stands, and the real SQLite file through
// what families' computers do to it (damage, a newer program, a full disk,
// two copies at once), and the drill writing into it.
#include "fakes.h"
#include "practice/practicedrill.h"
#include "openrecord.h"
#include "progress/sqliterecord.h"
#include "recordingsurface.h"
#include "app/module1.h"
#include "smalldisk.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

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
    void factState_data();
    void factState();
    void knownCounterFollowsTheRule();
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
};

void tst_progress::factState_data()
{
    QTest::addColumn<QString>("answers"); // newest first: R right, W wrong, r right but slow
    QTest::addColumn<int>("limitMs");
    QTest::addColumn<int>("state");
    const int untried = int(FactState::Untried), tricky = int(FactState::Tricky),
              there = int(FactState::GettingThere), known = int(FactState::Known);
    QTest::newRow("no answer") << "" << 6000 << untried;
    QTest::newRow("last wrong after many right") << "WRRRR" << 6000 << tricky;
    QTest::newRow("two of the last three wrong") << "RWW" << 6000 << tricky;
    QTest::newRow("one of three wrong, the oldest") << "RRW" << 6000 << there;
    QTest::newRow("three right in time") << "RRRW" << 6000 << known;
    QTest::newRow("only two answers") << "RR" << 6000 << there;
    QTest::newRow("three right, one slow") << "RrR" << 6000 << there;
    QTest::newRow("three right, slow, no limit") << "rrr" << 0 << known;
    QTest::newRow("a wrong fourth answer back does not count") << "RRRWW" << 3000 << known;
}

void tst_progress::factState()
{
    QFETCH(QString, answers);
    QFETCH(int, limitMs);
    QFETCH(int, state);
    std::vector<Attempt> a;
    for (QChar c : answers)
        a.push_back({c != QLatin1Char('W'), c == QLatin1Char('r') ? 7000 : 2000});
    QCOMPARE(int(::factState(a, limitMs)), state);
}

void tst_progress::knownCounterFollowsTheRule()
{
    // 7 x 8 becomes known at its third right answer and stops at a wrong one;
    // 3 x 4 never gets there because one answer is slow.
    KnownCounter c(6000);
    const std::vector<std::tuple<int, int, bool, int, int>> steps{
        {7, 8, true, 1000, 0}, {7, 8, true, 1000, 0}, {3, 4, true, 9000, 0}, {7, 8, true, 1000, 1},
        {3, 4, true, 1000, 1}, {3, 4, true, 1000, 1}, {7, 8, false, 1000, 0}, {7, 8, true, 1000, 0}};
    for (const auto &[o1, o2, ok, ms, known] : steps) {
        c.add(o1, o2, {ok, ms});
        QCOMPARE(c.known(), known);
    }
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
    for (const JudgedAnswer &a : {answer(7, 8, false, 4000), answer(7, 8, true, 2000, tuesday),
                                  answer(7, 8, true, 2400, tuesday), answer(7, 8, true, 2400, thursday),
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
    QCOMPARE(f.state(6000), FactState::Known);
    QCOMPARE(f.state(2000), FactState::GettingThere);
    QCOMPARE(facts[size_t(factIndex(8, 7))].tries, 0); // the pair is ordered

    const ChildTotals &t = sum.totals;
    QCOMPARE(t.answers, 5);
    QCOMPARE(t.days, 3);
    // Monday none known, Tuesday two right so far, Thursday known; Friday keeps it.
    QCOMPARE(t.knownByDay, QVector<int>({0, 0, 0, 1, 1}));
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
    QCOMPARE(f.recent.front().correct, false);
    QCOMPARE(f.recent.back().ms, 2300);
}

void tst_progress::trickyDrillAsksFromTheRecord()
{
    // A record with 7 x 8 missed and 3 x 4 known: a Tricky drill asks 7 x 8
    // first; missed again, it is the fourth problem; a factor changed to 5
    // mid-drill applies from the next problem.
    WithRecord w;
    SqliteRecord &record = w.record;
    Module1 &m = w.module;
    record.answerJudged(answer(7, 8, false, 3000));
    for (int i = 0; i < 3; ++i)
        record.answerJudged(answer(3, 4, true, 1000));
    record.flush();
    m.settings.PracticeFactor = FactorTricky;
    m.settings.MaxMultiplier = 12;
    RecordingSurface box{5175, 4575};
    PracticeDrill drill(m, box);
    const auto answerWith = [&drill](int value) {
        for (QChar c : QString::number(value))
            drill.typeKey(c.unicode(), 0);
    };
    QList<QPair<int, int>> posed;
    drill.startOrStop();
    for (int n = 0; n < 5; ++n) {
        posed << qMakePair(int(drill.problem().Operand1), int(drill.problem().Operand2));
        if (n == 3)
            m.settings.PracticeFactor = 5;
        answerWith(n == 0 ? drill.problem().Answer + 1 : drill.problem().Answer);
    }
    drill.startOrStop();
    QCOMPARE(posed[0], qMakePair(7, 8));
    QCOMPARE(posed[3], qMakePair(7, 8));
    QCOMPARE(posed[4].second, 5);
    record.flush();
    QCOMPARE(record.answerCount(record.current().id), 4 + 5);
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
