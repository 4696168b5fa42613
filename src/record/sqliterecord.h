// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The child's record kept in its SQLite file by a thread of its own, over the
// file, the store and the reports: a drill hands it an answer and goes on at
// once, while the thread writes it. Answers the file cannot take yet (another
// program holds it, the disk is full) wait, in order, and are written when it
// can. What My Facts asks waits for the thread, after the writes before it.
// The answers of the child practising are also kept in memory, read on the
// thread when the child comes to practise and added to as answers are
// judged, so that a drill's start never waits for the file.
#include "progress/childrecord.h"
#include "recordfile.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QThread>
#include <atomic>
#include <memory>

class QTimer;
class RecordReports;
class RecordStore;
struct RecordEvent;

class SqliteRecord : public ChildRecord
{
    Q_OBJECT
public:
    // Opens (or makes) the file at path on the record's thread; with an empty
    // path (no home folder) nothing is opened and the family is told why.
    explicit SqliteRecord(const QString &path, QObject *parent = nullptr);
    // Writes what is waiting if it can, then closes the file.
    ~SqliteRecord() override;

    // Where the record lives: the user's data folder; empty when there is none.
    static QString defaultPath() { return RecordFile::defaultPath(); }

    void drillStarted(const DrillStart &drill) override;
    void answerJudged(const JudgedAnswer &answer) override;
    void drillEnded(const QDateTime &at) override;
    int finish(int waitMs) override;

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
    void setReadAloud(qint64 child, bool on) override;

    std::optional<CurrentAnswers> currentAnswers() const override;
    ChildSummary summary(qint64 child, const QDate &today, int days) const override;
    bool exportCsv(qint64 child, const QString &path, QString *error) const override;

    QVector<QPair<QString, QString>> takeUnheardNotices() override;

    // Returns once every write queued so far has been tried: for tests.
    void flush() const;
    // Answers waiting for the file: for tests.
    int waiting() const;

private:
    template <class F> void post(F &&job);
    template <class F> void wait(F &&job) const;
    // Runs question on the record's thread, in a session with the file, and
    // returns its answer.
    template <class F> auto ask(F &&question) const;
    // Runs change likewise; false with the reason in *error when the file
    // could not be used.
    template <class F> bool edit(F &&change, QString *error);
    // On the record's thread.
    void open();
    void queue(const RecordEvent &e);
    RecordFile::Write write();
    void followFailure(RecordFile::Write w);
    bool followCurrent();
    // The child practising, now shown.
    Child followed();
    // On the window's thread.
    void opened(RecordFile::Opened outcome, const QString &movedTo, RecordProblem problem, const QString &reason,
                const Child &current);
    void say(const QString &text, const QString &detail = QString());
    void showCurrent(const Child &c);
    // On the record's thread: the answers of the child who came to practise.
    void readAnswers(qint64 child);

    QString m_path;
    QThread m_thread;
    QObject *m_worker; // lives on m_thread; everything on the file runs there
    std::unique_ptr<RecordFile> m_file;
    std::unique_ptr<RecordStore> m_store;
    std::unique_ptr<RecordReports> m_reports;
    std::atomic<Health> m_health{Health::Opening};
    // On the record's thread.
    QVector<RecordEvent> m_pending;
    QTimer *m_retry = nullptr;
    QString m_knownName; // the name of the child practising, as last shown
    bool m_failing = false; // a notice has been given for this spell
    QString m_spellNotice; // its text
    QElapsedTimer m_failingFor;
    // On the window's thread.
    QString m_currentName;
    std::atomic<qint64> m_currentId{0};
    RecordProblem m_problem = RecordProblem::None;
    QVector<QPair<QString, QString>> m_unheard;

    // The child practising's answers, guarded by the lock, taken for moments only.
    mutable QMutex m_answersLock;
    CurrentAnswers m_answers;
    qint64 m_answersFor = 0;  // the child whose answers are held or being read
    bool m_answersRead = false;
    FactAnswers m_judgedWhileReading; // written after the reading, so not in it
};
