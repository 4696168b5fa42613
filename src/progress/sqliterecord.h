#pragma once
// The child's record kept in its SQLite file by a thread of its own: a drill
// hands it an answer and goes on at once, while the thread writes it. What My
// Facts asks waits for the thread, after the writes queued before it.
#include "childrecord.h"
#include "recordstore.h"

#include <QThread>
#include <atomic>
#include <memory>

class SqliteRecord : public ChildRecord
{
    Q_OBJECT
public:
    // Opens (or makes) the file at path on the record's thread.
    explicit SqliteRecord(const QString &path, QObject *parent = nullptr);
    // Writes what is queued, then closes the file.
    ~SqliteRecord() override;

    // Where the record lives: the user's data folder.
    static QString defaultPath();

    void drillStarted(const DrillStart &drill) override;
    void answerJudged(const JudgedAnswer &answer) override;
    void drillEnded(const QDateTime &at) override;

    Health health() const override { return m_health.load(); }
    QString healthText() const override;

    QString currentName() const override { return m_currentName; }
    Child current() const override;
    QVector<Child> children() const override;
    void choose(qint64 child) override;
    bool add(const QString &name, QString *error, qint64 *id) override;
    bool rename(qint64 child, const QString &name, QString *error) override;
    bool remove(qint64 child, QString *error) override;
    int answerCount(qint64 child) const override;
    void setTimeLimit(qint64 child, int ms) override;

    ChildSummary summary(qint64 child, const QDate &today, int days) const override;
    bool exportCsv(qint64 child, const QString &path, QString *error) const override;

    // Returns once every write queued so far is done: for tests.
    void flush() const;

private:
    template <class F> void post(F &&job);
    template <class F> void wait(F &&job) const;
    // Runs question on the record's thread and returns its answer.
    template <class F> auto ask(F &&question) const;
    void opened(RecordStore::Opened outcome, const QString &movedTo, const QString &error);
    void wrote(RecordStore::Write write);
    void announceCurrent();

    QString m_path;
    QThread m_thread;
    QObject *m_worker; // lives on m_thread; everything on the store runs there
    std::unique_ptr<RecordStore> m_store;
    std::atomic<Health> m_health{Health::Opening};
    QString m_currentName; // on the window thread
    bool m_failing = false; // on the record's thread: a notice has been given
};
