// What the child's record costs: one answer written (median over 1,000, each
// its own synced transaction, as the record's thread writes it), and My Facts
// opened over a year of answers (50,000), with the file's size for that year.
// Prints its figures; it fails only when the work itself goes wrong.
#include "app/module1.h"
#include "openrecord.h"
#include "progress/sqliterecord.h"
#include "windows/frmfacts.h"

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

void bench_record::myFactsOverAYear()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("progress.sqlite");
    const QDateTime end = QDateTime::currentDateTimeUtc();
    {
        OpenRecord r;
        RecordStore &s = r.store;
        QCOMPARE(r.open(path, end), RecordFile::Opened::Ready);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
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
        q = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    }
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

QTEST_MAIN(bench_record)
#include "bench_record.moc"
