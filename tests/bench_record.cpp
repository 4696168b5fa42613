// SPDX-License-Identifier: GPL-3.0-or-later
// What the child's record costs: one answer written (median over 1,000, each
// its own synced transaction, as the record's thread writes it), My Facts
// opened over a year of answers (50,000), with the file's size for that
// year, and Tricky over the same year: the chooser made at a drill's start
// and each next problem, while the record's thread is held up by a second
// copy that locks the file. Prints its figures; it fails only when the work
// itself goes wrong or Tricky is slower than a drill can wait (50 ms to
// start, 1 ms a problem).
#include "app/module1.h"
#include "openrecord.h"
#include "platform/systemclock.h"
#include "practice/trickychooser.h"
#include "record/sqliterecord.h"
#include "modules/facts/frmfacts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

class bench_record : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void oneAnswer();
    void myFactsOverAYear();
    void trickyOverAYear();

private:
    // A record file with a year of answers of its first child.
    void fillAYear(const QString &path);
};

void bench_record::oneAnswer()
{
    QTemporaryDir dir;
    OpenRecord r;
    RecordStore &s = r.store;
    QCOMPARE(r.open(dir.filePath("progress.sqlite"), QDateTime::currentDateTimeUtc()), RecordFile::Opened::Ready);
    std::vector<qint64> ns;
    QElapsedTimer t;
    for (int i = 0; i < 1000; ++i) {
        const JudgedAnswer a{QDateTime::currentDateTimeUtc(), i % 13, (i / 13) % 13, 0, i % 3 != 0, 1500};
        t.start();
        QCOMPARE(s.addAnswer(a), RecordStore::Write::Ok);
        ns.push_back(t.nsecsElapsed());
    }
    std::sort(ns.begin(), ns.end());
    qInfo("bench_record: one answer written: median %.3f ms, 90th percentile %.3f ms (1,000 answers)",
          double(ns[500]) / 1e6, double(ns[900]) / 1e6);
}

void bench_record::fillAYear(const QString &path)
{
    const QDateTime end = QDateTime::currentDateTimeUtc();
    OpenRecord r;
    RecordStore &s = r.store;
    QCOMPARE(r.open(path, end), RecordFile::Opened::Ready);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
    db.setDatabaseName(path);
    QVERIFY(db.open());
    {
        QSqlQuery q(db);
        q.exec(QStringLiteral("BEGIN"));
        q.prepare(QStringLiteral("INSERT INTO answer_rows(child_id, at, operand1, operand2, given, correct, ms)"
                                 " VALUES (?, ?, ?, ?, ?, ?, ?)"));
        QRandomGenerator rng(7);
        // A year of practice: 50,000 answers, about 137 a day, in time order.
        for (int i = 0; i < 50000; ++i) {
            const int o1 = int(rng.bounded(13)), o2 = int(rng.bounded(13));
            const bool right = rng.bounded(100) < 85;
            const QDateTime at = end.addSecs(-365LL * 86400 + qint64(i) * 365 * 86400 / 50000);
            for (const QVariant &v : {QVariant(s.current().id), QVariant(at.toString(Qt::ISODateWithMs)), QVariant(o1),
                                      QVariant(o2), QVariant(right ? o1 * o2 : o1 * o2 + 1), QVariant(int(right)),
                                      QVariant(int(rng.bounded(800, 9000)))})
                q.addBindValue(v);
            QVERIFY(q.exec());
        }
        QVERIFY(q.exec(QStringLiteral("COMMIT")));
        q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

void bench_record::myFactsOverAYear()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("progress.sqlite");
    fillAYear(path);
    qInfo("bench_record: the file after a year of answers: %.2f MB", double(QFileInfo(path).size()) / 1e6);

    SqliteRecord record(path);
    record.flush();
    Services svc;
    svc.record = &record;
    Module1 m(svc);
    QElapsedTimer parts;
    parts.start();
    record.summary(record.current().id, QDate::currentDate(), 30);
    qInfo("bench_record: of which reading the record %lld ms", parts.elapsed());
    std::vector<qint64> ms;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        frmFacts w(m, record, nullptr);
        w.show();
        QCoreApplication::processEvents();
        ms.push_back(t.elapsed());
        QCOMPARE(w.factStory(7, 8).contains(QStringLiteral("tries")), true);
    }
    std::sort(ms.begin(), ms.end());
    qInfo("bench_record: My Facts opened over 50,000 answers: median %lld ms of 5 (first %lld ms)", ms[2], ms.back());
}

void bench_record::trickyOverAYear()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("progress.sqlite");
    fillAYear(path);
    QElapsedTimer t;
    t.start();
    SqliteRecord record(path);
    const qint64 made = t.elapsed();
    QTRY_VERIFY(record.currentAnswers());
    qInfo("bench_record: the record made in %lld ms; opened, with the year's answers in memory, %lld ms later "
          "on the record's thread",
          made, t.elapsed() - made);
    {
        OpenRecord r;
        QCOMPARE(r.open(path, QDateTime::currentDateTimeUtc()), RecordFile::Opened::Ready);
        t.start();
        QCOMPARE(int(r.store.answers(r.store.current().id).size()), 50000);
        qInfo("bench_record: RecordStore::answers over 50,000 answers: %lld ms", t.elapsed());
    }
    // A second copy holds the file, so the record's thread waits on the
    // answer queued here: the drill must not notice.
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
    db.setDatabaseName(path);
    QVERIFY(db.open());
    QSqlQuery hold(db);
    QVERIFY(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    record.answerJudged({QDateTime::currentDateTimeUtc(), 7, 8, 56, true, 2100});
    QThread::msleep(100);
    std::vector<qint64> makeNs, nextNs;
    MtRandom random;
    random.seed(3);
    for (int drill = 0; drill < 5; ++drill) {
        QElapsedTimer m;
        m.start();
        TrickyChooser chooser = trickyChooserFor(&record, QDateTime::currentDateTimeUtc());
        makeNs.push_back(m.nsecsElapsed());
        QCOMPARE(chooser.estimate().answers(), 50001);
        for (int n = 0; n < 40; ++n) {
            QElapsedTimer one;
            one.start();
            const FactPair f = chooser.next(random, 12);
            nextNs.push_back(one.nsecsElapsed());
            chooser.judged(f, n % 4 != 0, 2500, QDateTime::currentDateTimeUtc());
        }
    }
    hold.exec(QStringLiteral("ROLLBACK"));
    hold = QSqlQuery();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    std::sort(makeNs.begin(), makeNs.end());
    std::sort(nextNs.begin(), nextNs.end());
    qInfo("bench_record: Tricky over 50,000 answers: the chooser made in %.1f ms (median of 5, slowest %.1f ms); "
          "each next problem %.3f ms (median of 200, slowest %.3f ms); all while the record's thread waited on a "
          "locked file",
          double(makeNs[2]) / 1e6, double(makeNs.back()) / 1e6, double(nextNs[100]) / 1e6, double(nextNs.back()) / 1e6);
    record.flush();
}

QTEST_MAIN(bench_record)
#include "bench_record.moc"
