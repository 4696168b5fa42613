// SPDX-License-Identifier: GPL-3.0-or-later
// The record as a family meets it: what they are told when the file cannot
// be used, answers that wait out a file another program holds, a second copy
// of the program, names that look the same, the days practised, and a CSV
// written whole or not at all. Real SQLite files on real file systems (a
// small tmpfs, full or read-only), a real second process, the real windows.
#include "fakes.h"
#include "mainwindow.h"
#include "openrecord.h"
#include "practice/practicedrill.h"
#include "record/sqliterecord.h"
#include "recordingsurface.h"
#include "smalldisk.h"
#include "app/module1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QDateTime Monday(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);
const QByteArray Ini = "1\r\n3,1\r\n0,0,1,0,7\r\n0,4,0\r\n12\r\n"; // practice, factor 7, no pause

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Runs statements on a connection of its own; with keepWal the connection is
// left open, so that the WAL is not folded into the file (closed by the caller).
bool sql(const QString &path, const QStringList &statements, const QString &connection = QStringLiteral("probe"))
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        for (const QString &s : statements)
            ok = ok && q.exec(s);
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

int count(const QString &path, const QString &query)
{
    int n = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("count"));
        db.setDatabaseName(path);
        QSqlQuery q(db);
        if (db.open() && q.exec(query) && q.next())
            n = q.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("count"));
    return n;
}

// A record of ours, closed, with one answer in it.
void makeRecord(const QString &path)
{
    SqliteRecord r(path);
    r.answerJudged({Monday, 3, 4, 12, true, 1000});
    r.flush();
}

QStringList noticesOf(QWidget *w)
{
    QStringList texts;
    for (QMessageBox *b : w->findChildren<QMessageBox *>(QStringLiteral("recordNotice")))
        texts << b->text();
    return texts;
}

JudgedAnswer answer(int o1, int o2, bool correct, const QDateTime &at = Monday)
{
    return {at, o1, o2, correct ? o1 * o2 : o1 * o2 + 1, correct, 1500};
}
} // namespace

class tst_record : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void openingIsToldOnce_data();
    void openingIsToldOnce();
    void permissionsAreNoDamage_data();
    void permissionsAreNoDamage();
    void whereTheRecordLives_data();
    void whereTheRecordLives();
    void csvIsWholeOrNotAtAll_data();
    void csvIsWholeOrNotAtAll();
    void answersWaitOutALock_data();
    void answersWaitOutALock();
    void secondCopy_data();
    void secondCopy();
    void namesThatLookTheSame_data();
    void namesThatLookTheSame();
    void daysPractised_data();
    void daysPractised();
};

void tst_record::openingIsToldOnce_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("told");    // part of the one box, after About
    QTest::addColumn<bool>("recording");  // a new or the old record is in use
    QTest::addColumn<QString>("afterwards"); // left: untouched where it was; aside: kept whole beside it
    QTest::newRow("damaged") << "damaged" << "could not be read, so a new one was started" << true << "aside";
    QTest::newRow("another program's file") << "foreign" << "belongs to another program" << true << "aside";
    QTest::newRow("another database's journal beside ours") << "foreign wal"
                                                            << "with your children's earlier answers, is kept" << true
                                                            << "aside";
    QTest::newRow("written by a newer Numbloom") << "newer" << "newer version of Numbloom" << false << "left";
    QTest::newRow("full disk at the first start") << "full" << "because the disk is full" << false << "";
    QTest::newRow("read-only folder") << "read-only" << "because its folder cannot be written" << false << "";
    QTest::newRow("read-only folder with a record") << "read-only record" << "because its folder cannot be written"
                                                    << false << "left";
    QTest::newRow("folder cannot be made") << "no folder" << "because its folder is missing and cannot be made" << false
                                           << "";
    QTest::newRow("a folder in its place") << "folder" << "something that is not a file has its name" << false << "";
    QTest::newRow("no home folder") << "no home" << "there is no home folder to keep it in" << false << "";
    QTest::newRow("a good record") << "good" << "" << true << "";
}

void tst_record::openingIsToldOnce()
{
    QFETCH(QString, setup);
    QFETCH(QString, told);
    QFETCH(bool, recording);
    QFETCH(QString, afterwards);
    QTemporaryDir dir;
    std::unique_ptr<SmallDisk> disk;
    if (setup == "full" || setup.startsWith("read-only")) {
        disk = std::make_unique<SmallDisk>(256 * 1024);
        if (!disk->mounted())
            QSKIP(qPrintable(disk->why()));
    }
    const QString folder = disk ? disk->path() + QStringLiteral("/numbloom") : dir.filePath(QStringLiteral("numbloom"));
    QString path = folder + QStringLiteral("/progress.sqlite");
    QVERIFY(QDir().mkpath(folder));
    if (setup == "damaged") {
        writeFile(path, QByteArray("not a database at all ").repeated(300));
    } else if (setup == "foreign") {
        QVERIFY(sql(path, {"CREATE TABLE photos(id INTEGER PRIMARY KEY, file TEXT)", "INSERT INTO photos(file) VALUES ('a.jpg')"}));
    } else if (setup == "foreign wal") {
        makeRecord(path);
        // Another program's WAL, its own first page among its frames, left
        // beside our file (a restored backup, a copying tool).
        const QString other = dir.filePath(QStringLiteral("other.db"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            db.setDatabaseName(other);
            QVERIFY(db.open());
            QSqlQuery q(db);
            for (const char *s : {"PRAGMA journal_mode = WAL", "PRAGMA wal_autocheckpoint = 0",
                                  "CREATE TABLE photos(id INTEGER PRIMARY KEY, file TEXT)",
                                  "INSERT INTO photos(file) VALUES ('a.jpg')"})
                QVERIFY(q.exec(QString::fromLatin1(s)));
            QVERIFY(QFile::copy(other + QStringLiteral("-wal"), path + QStringLiteral("-wal")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
    } else if (setup == "newer") {
        makeRecord(path);
        QVERIFY(sql(path, {"PRAGMA user_version = 99"}));
    } else if (setup == "full") {
        QVERIFY(disk->fill());
    } else if (setup == "read-only") {
        QVERIFY(disk->makeReadOnly());
    } else if (setup == "read-only record") {
        makeRecord(path);
        QVERIFY(disk->makeReadOnly());
    } else if (setup == "no folder") {
        writeFile(dir.filePath(QStringLiteral("plain")), "a file, not a folder");
        path = dir.filePath(QStringLiteral("plain/numbloom/progress.sqlite"));
    } else if (setup == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (setup == "no home") {
        path.clear();
    } else if (setup == "good") {
        makeRecord(path);
    }
    const QByteArray before = bytesOf(path), walBefore = bytesOf(path + QStringLiteral("-wal"));

    // As the program does: the record opens while the About window is up,
    // and is done before its OK is pressed.
    SqliteRecord record(path);
    QTRY_VERIFY(record.health() != ChildRecord::Health::Opening);
    QCoreApplication::processEvents();
    StartedProgram p(Ini, &record);
    QTRY_COMPARE(noticesOf(p.main).size(), told.isEmpty() ? 0 : 1);
    QTest::qWait(100); // and once only
    const QStringList notices = noticesOf(p.main);
    QCOMPARE(notices.size(), told.isEmpty() ? 0 : 1);
    if (!told.isEmpty()) {
        QVERIFY2(notices.first().contains(told), qPrintable(notices.first()));
        for (const char *sqlWords : {"Unable to", "database", "SQL"})
            QVERIFY2(!notices.first().contains(QLatin1String(sqlWords)), qPrintable(notices.first()));
    }
    QCOMPARE(record.health() == ChildRecord::Health::Ready, recording);
    QCOMPARE(p.main->windowTitle(), recording ? QStringLiteral("Numbloom - ") + record.currentName() : QStringLiteral("Numbloom"));
    if (afterwards == "left") {
        QCOMPARE(bytesOf(path), before);
    } else if (afterwards == "aside") {
        const QStringList aside = QDir(folder).entryList({QStringLiteral("progress.sqlite.damaged-*")}, QDir::Files);
        QVERIFY2(aside.contains(QFileInfo(path).fileName() + QStringLiteral(".damaged-")
                                + QDate::currentDate().toString(Qt::ISODate)),
                 qPrintable(aside.join(QLatin1Char(' '))));
        const QString kept = folder + QLatin1Char('/') + aside.first();
        QCOMPARE(bytesOf(kept), before);
        QCOMPARE(bytesOf(kept + QStringLiteral("-wal")), walBefore);
        QVERIFY2(notices.first().contains(QDir::toNativeSeparators(kept)), qPrintable(notices.first()));
    }
    if (recording) {
        // The record in use is ours, and takes answers.
        record.answerJudged(answer(2, 3, true));
        record.flush();
        QCOMPARE(count(path, QStringLiteral("PRAGMA application_id")), RecordApplicationId);
        QCOMPARE(count(path, QStringLiteral("SELECT COUNT(*) FROM answers WHERE operand1 = 2")), 1);
    }
}

void tst_record::permissionsAreNoDamage_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("told");
    QTest::newRow("unreadable") << 0000 << "its permissions do not let Numbloom read it";
    QTest::newRow("read-only") << 0444 << "the file is read-only";
}

void tst_record::permissionsAreNoDamage()
{
    // Permissions that keep us from the file are no damage: it stays as it
    // is and the family is told why. Root reads and writes anything, so as
    // root the program is run as nobody.
    QFETCH(int, mode);
    QFETCH(QString, told);
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777)));
    const QString path = dir.filePath(QStringLiteral("progress.sqlite"));
    makeRecord(path);
    const QByteArray before = bytesOf(path);
    QVERIFY(::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0);
    QStringList command{QCoreApplication::applicationFilePath(), QStringLiteral("--open"), path};
    if (geteuid() == 0)
        command = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                              QStringLiteral("--clear-groups"), QStringLiteral("--")}
                  + command;
    QProcess p;
    p.start(command.takeFirst(), command);
    QVERIFY(p.waitForFinished(20000));
    const QString said = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(said.contains(told) && said.contains(QStringLiteral("left as it is")),
             qPrintable(said + QString::fromUtf8(p.readAllStandardError())));
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0600) == 0);
    QCOMPARE(bytesOf(path), before);
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.damaged-*")}, QDir::Files), QStringList());
}

void tst_record::whereTheRecordLives_data()
{
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QByteArray>("dataHome"); // XDG_DATA_HOME; "-" unset
    QTest::addColumn<QString>("path");
    QTest::newRow("home") << QByteArray("/home/mia") << QByteArray("-")
                          << "/home/mia/.local/share/numbloom/progress.sqlite";
    QTest::newRow("absolute XDG_DATA_HOME") << QByteArray("/home/mia") << QByteArray("/data/mia")
                                            << "/data/mia/numbloom/progress.sqlite";
    // The XDG rules say a relative one is to be ignored.
    QTest::newRow("relative XDG_DATA_HOME") << QByteArray("/home/mia") << QByteArray("data")
                                            << "/home/mia/.local/share/numbloom/progress.sqlite";
    QTest::newRow("no HOME") << QByteArray() << QByteArray("-") << "";
    QTest::newRow("relative HOME") << QByteArray("mia") << QByteArray("-") << "";
    QTest::newRow("no HOME, absolute XDG_DATA_HOME") << QByteArray() << QByteArray("/data/mia")
                                                     << "/data/mia/numbloom/progress.sqlite";
}

void tst_record::whereTheRecordLives()
{
    QFETCH(QByteArray, home);
    QFETCH(QByteArray, dataHome);
    QFETCH(QString, path);
    const QByteArray oldHome = qgetenv("HOME"), oldData = qgetenv("XDG_DATA_HOME");
    const bool hadData = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    home.isNull() ? qunsetenv("HOME") : qputenv("HOME", home);
    dataHome == "-" ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", dataHome);
    const QString found = SqliteRecord::defaultPath();
    qputenv("HOME", oldHome);
    hadData ? qputenv("XDG_DATA_HOME", oldData) : qunsetenv("XDG_DATA_HOME");
    QCOMPARE(found, path);
}

void tst_record::csvIsWholeOrNotAtAll_data()
{
    QTest::addColumn<bool>("earlier"); // a parent's CSV of the first weeks is there
    QTest::addColumn<int>("leave");    // bytes left free on the disk
    QTest::newRow("new file, full disk") << false << 0;
    QTest::newRow("over an earlier CSV, full disk") << true << 0;
    QTest::newRow("over an earlier CSV, room for part") << true << 4096;
}

void tst_record::csvIsWholeOrNotAtAll()
{
    QFETCH(bool, earlier);
    QFETCH(int, leave);
    SmallDisk disk(1024 * 1024);
    if (!disk.mounted())
        QSKIP(qPrintable(disk.why()));
    QTemporaryDir dir;
    SqliteRecord record(dir.filePath(QStringLiteral("progress.sqlite")));
    for (int i = 0; i < 400; ++i)
        record.answerJudged(answer(i % 13, i % 11, i % 4 != 0));
    record.flush();
    const QString csv = disk.path() + QStringLiteral("/Mia answers.csv");
    const QByteArray old = QByteArray("child,at\r\nMia,2026-11-02T16:00:00.000Z\r\n").repeated(200); // under 16 KiB
    if (earlier)
        writeFile(csv, old);
    QVERIFY(disk.fill(leave));
    QString error;
    QVERIFY(!record.exportCsv(record.current().id, csv, &error));
    QVERIFY2(error.contains(QStringLiteral("No space left on device")), qPrintable(error));
    QCOMPARE(disk.files(), earlier ? QStringList{QStringLiteral("Mia answers.csv")} : QStringList());
    if (earlier)
        QCOMPARE(bytesOf(csv), old);
}

void tst_record::answersWaitOutALock_data()
{
    QTest::addColumn<int>("holdSeconds"); // another program holds the file
    QTest::addColumn<bool>("exitBefore"); // Exit while it still holds it
    QTest::newRow("held for 20 s during the drill") << 20 << false;
    QTest::newRow("held past Exit") << 30 << true;
}

void tst_record::answersWaitOutALock()
{
    QFETCH(int, holdSeconds);
    QFETCH(bool, exitBefore);
    const QString python = QFileInfo::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                                 : QStringLiteral("python3");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("progress.sqlite"));
    FakeSound sound;
    FakeClock clock;
    ScriptedRandom random;
    SqliteRecord record(path);
    Services svc{&sound, &clock, &random, nullptr, nullptr, nullptr, &record};
    Module1 m(svc);
    record.flush();
    QProcess holder;
    holder.start(python, {QStringLiteral("-c"), QStringLiteral("import sqlite3, sys, time\n"
                                                                "db = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
                                                                "db.execute('BEGIN EXCLUSIVE')\n"
                                                                "db.execute('INSERT INTO state VALUES (\"holder\", 1)')\n"
                                                                "print('held', flush=True)\n"
                                                                "time.sleep(float(sys.argv[2]))\n"
                                                                "db.execute('ROLLBACK')\n"),
                          path, QString::number(holdSeconds)});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readAllStandardOutput().trimmed(), QByteArray("held"));
    QSignalSpy notices(&record, &ChildRecord::notice);

    // A drill of six problems, typed while the file is held.
    m.settings.PracticeFactor = 6;
    RecordingSurface box{5175, 4575};
    PracticeDrill drill(m, box);
    drill.startOrStop();
    for (int n = 0; n < 6; ++n) {
        clock.now += 1500;
        QString typed = QString::number(drill.problem().Answer);
        if (n == 2) // one wrong, of the same length
            typed.back() = QChar(u'0' + (typed.back().digitValue() + 1) % 10);
        for (QChar c : typed)
            drill.typeKey(c.unicode(), 0);
        QTest::qWait(300);
    }
    drill.startOrStop();
    if (exitBefore) {
        // Exit gives them a little longer, then tells how many are lost.
        QCOMPARE(record.finish(1000), 6);
        holder.kill();
        QVERIFY(holder.waitForFinished(5000));
        QCOMPARE(count(path, QStringLiteral("SELECT COUNT(*) FROM answers")), 0);
        return;
    }
    QCOMPARE(record.waiting(), 6);
    QVERIFY(holder.waitForFinished(40000));
    QTRY_COMPARE_WITH_TIMEOUT(record.waiting(), 0, 5000);
    QCOMPARE(count(path, QStringLiteral("SELECT COUNT(*) FROM answers")), 6);
    QCOMPARE(count(path, QStringLiteral("SELECT COUNT(*) FROM answers WHERE correct = 0")), 1);
    QCOMPARE(count(path, QStringLiteral("SELECT COUNT(DISTINCT drill) FROM answers WHERE drill IS NOT NULL")), 1);
    // The family heard, once, in words, that answers were waiting.
    QTRY_COMPARE(notices.size(), 1);
    const QString said = notices.first().first().toString();
    QVERIFY2(said.contains(QStringLiteral("another program")) && said.contains(QStringLiteral("wait")), qPrintable(said));
    QCOMPARE(record.finish(1000), 0);
}

void tst_record::secondCopy_data()
{
    QTest::addColumn<bool>("remove"); // else rename
    QTest::newRow("removes the child this copy practises") << true;
    QTest::newRow("renames the child this copy practises") << false;
}

void tst_record::secondCopy()
{
    QFETCH(bool, remove);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("progress.sqlite"));
    SqliteRecord first(path);
    QTRY_VERIFY(!first.currentName().isEmpty());
    const QString other = first.currentName();
    QString error;
    qint64 mia = 0;
    QVERIFY2(first.add(QStringLiteral("Mia"), &error, &mia), qPrintable(error));
    first.choose(mia);
    StartedProgram p(Ini, &first);
    QTRY_COMPARE(p.main->windowTitle(), QStringLiteral("Numbloom - Mia"));

    SqliteRecord second(path);
    QTRY_VERIFY(!second.currentName().isEmpty());
    if (remove)
        QVERIFY2(second.remove(mia, &error), qPrintable(error));
    else
        QVERIFY2(second.rename(mia, QStringLiteral("Mia Rose"), &error), qPrintable(error));

    // The first copy notices at its next write.
    first.answerJudged(answer(4, 5, true));
    first.flush();
    QTRY_COMPARE(p.main->windowTitle(), QStringLiteral("Numbloom - ") + (remove ? other : QStringLiteral("Mia Rose")));
    QTRY_COMPARE(noticesOf(p.main).size(), remove ? 1 : 0);
    if (remove) {
        const QString said = noticesOf(p.main).constFirst();
        QVERIFY2(said.contains(QStringLiteral("Mia was removed in another window")) && said.contains(other),
                 qPrintable(said));
    }
    // Every answer is kept, for the child this copy now names, in its drill.
    first.drillStarted({Monday, 7, 12, ClockOff, 0});
    first.answerJudged(answer(6, 7, true));
    first.drillEnded(Monday);
    first.flush();
    QCOMPARE(count(path, QStringLiteral("SELECT COUNT(*) FROM answer_rows")), 2);
    QCOMPARE(first.answerCount(first.current().id), 2);
    QCOMPARE(count(path, QStringLiteral("SELECT COUNT(*) FROM answer_rows WHERE drill_id IS NOT NULL")), 1);
}

void tst_record::namesThatLookTheSame_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("kept"); // the second as kept; empty: refused
    const QString zoeComposed = QString::fromUtf8("Zo\u00E9"), zoeDecomposed = QString::fromUtf8("Zoe\u0301");
    QTest::newRow("case") << "Tom" << "tom" << "";
    QTest::newRow("typed two ways") << zoeComposed << zoeDecomposed << "";
    QTest::newRow("a zero-width space") << "Tom" << QString::fromUtf8("Tom\u200B") << "";
    QTest::newRow("a direction mark") << "Tom" << QString::fromUtf8("\u202ETom") << "";
    QTest::newRow("full-width letters") << "Tom" << QString::fromUtf8("\uFF34\uFF4F\uFF4D") << "";
    QTest::newRow("doubled space") << "Mia Rose" << "Mia  Rose" << "";
    QTest::newRow("another child") << "Tom" << "Tommy" << "Tommy";
    QTest::newRow("kept composed") << "Tom" << zoeDecomposed << zoeComposed;
    QTest::newRow("invisible characters dropped") << "Tom" << QString::fromUtf8("Le\u200Do\u2066") << "Leo";
}

void tst_record::namesThatLookTheSame()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, kept);
    QTemporaryDir dir;
    OpenRecord r;
    QCOMPARE(r.open(dir.filePath(QStringLiteral("progress.sqlite")), Monday), RecordFile::Opened::Ready);
    QString error;
    qint64 id = 0;
    QVERIFY2(r.store.rename(r.store.current().id, first, &error), qPrintable(error));
    QCOMPARE(r.store.add(second, Monday, &error, &id), !kept.isEmpty());
    if (kept.isEmpty())
        QVERIFY2(error.contains(QStringLiteral("already a child called")), qPrintable(error));
    else
        QCOMPARE(r.store.child(id).name, kept);
}

void tst_record::daysPractised_data()
{
    QTest::addColumn<QList<int>>("days"); // each answer's day after Monday, in the order given
    QTest::addColumn<int>("practised");
    QTest::newRow("one day") << QList<int>{0, 0, 0} << 1;
    QTest::newRow("the clock moved back and forward") << QList<int>{0, 1, 0, 1} << 2;
    QTest::newRow("three days out of order") << QList<int>{2, 0, 1, 0} << 3;
}

void tst_record::daysPractised()
{
    QFETCH(QList<int>, days);
    QFETCH(int, practised);
    QTemporaryDir dir;
    OpenRecord r;
    QCOMPARE(r.open(dir.filePath(QStringLiteral("progress.sqlite")), Monday), RecordFile::Opened::Ready);
    for (int d : days)
        QCOMPARE(r.store.addAnswer(answer(2, 3, true, Monday.addDays(d))), RecordStore::Write::Ok);
    const ChildTotals t = r.reports.summary(r.store.current().id, Monday.date().addDays(7), 30).totals;
    QCOMPARE(t.answers, int(days.size()));
    QCOMPARE(t.days, practised);
}

// "--open PATH": opens the record as the program does and prints what the
// family would be told.
int main(int argc, char *argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--open") {
        QCoreApplication app(argc, argv);
        SqliteRecord r(QString::fromLocal8Bit(argv[2]));
        r.flush();
        QCoreApplication::processEvents();
        printf("%s\n", qPrintable(r.healthText()));
        return 0;
    }
    QApplication app(argc, argv);
    tst_record t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_record.moc"
