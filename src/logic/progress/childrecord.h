// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The child's record as the rest of the program sees it: who is practising,
// what a drill hands it, and what My Facts reads back. The SQLite file behind
// it (sqliterecord.h) is opened on a thread of its own once the first window
// is up; until then, and in tests that do not give one, the program has none.
#include "factstanding.h"
#include "memoryestimate.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QPair>
#include <QString>
#include <QVector>
#include <array>
#include <optional>
#include <vector>

struct DrillStart
{
    QDateTime at; // UTC
    int factor = 0; // the practice factor: -1 Random, -2 Tricky, else 0-12
    int maxMultiplier = 12;
    int clockMode = 0; // one of ClockMode
    int clockSeconds = 0; // where the clock starts: 0, or the count-down's length
};

struct JudgedAnswer
{
    QDateTime at; // UTC, when the last digit was typed
    int operand1 = 0, operand2 = 0;
    int given = 0;
    bool correct = false;
    int ms = 0;
};

// The answer as the estimate of the child's memory takes it.
inline FactAnswer factAnswerOf(const JudgedAnswer &a)
{
    return {a.operand1, a.operand2, a.correct, a.ms, a.at.toUTC()};
}

struct Child
{
    qint64 id = 0;
    QString name;
    int timeLimitMs = DefaultTimeLimitMs;
    bool readAloud = false;
};

struct ChildTotals
{
    int answers = 0;
    int days = 0;
    // The facts in each state now, by FactState.
    std::array<int, 4> facts{};
    // Facts known at the end of each of the last days, oldest first; the last
    // one is today.
    QVector<int> knownByDay;
};

struct ChildSummary
{
    std::array<FactRecord, FactCount> facts{};
    std::array<FactState, FactCount> states{};
    // The tricky and getting-there facts, weakest first (progress/factranking.h).
    std::vector<FactPair> trickiest;
    ChildTotals totals;
};

// The answers of the child practising now, oldest first, and their time limit.
struct CurrentAnswers
{
    qint64 child = 0;
    int limitMs = DefaultTimeLimitMs;
    FactAnswers answers;
};

class ChildRecord : public QObject
{
    Q_OBJECT
public:
    // Why the record cannot be written, if it cannot.
    enum class Health { Opening, Ready, Newer, Unavailable };

    using QObject::QObject;

    // Written in the background: the drill never waits for the disk.
    virtual void drillStarted(const DrillStart &drill) = 0;
    virtual void answerJudged(const JudgedAnswer &answer) = 0;
    virtual void drillEnded(const QDateTime &at) = 0;
    // Waits up to waitMs for answers still waiting to be written (the file
    // busy, the disk full), then gives up on them: how many were not kept.
    virtual int finish(int waitMs) = 0;

    virtual Health health() const = 0;
    // What My Facts says when the record cannot be kept.
    virtual QString healthText() const = 0;

    // The child practising as last announced; empty while the record is not
    // open or cannot be kept. Does not wait.
    virtual QString currentName() const = 0;
    // The child practising, and the others; these wait for the record.
    virtual Child current() const = 0;
    virtual QVector<Child> children() const = 0;
    virtual void choose(qint64 child) = 0;
    // The name is trimmed and must be 1-40 characters and new; false with the
    // reason otherwise. *id is the new child's.
    virtual bool add(const QString &name, QString *error, qint64 *id = nullptr) = 0;
    virtual bool rename(qint64 child, const QString &name, QString *error) = 0;
    virtual bool remove(qint64 child, QString *error) = 0;
    virtual int answerCount(qint64 child) const = 0;
    virtual void setTimeLimit(qint64 child, int ms) = 0;
    virtual void setReadAloud(qint64 child, bool on) = 0;

    // The answers of the child practising now, kept in memory: does not wait
    // for the file. None while they are being read, and when the record
    // cannot be kept.
    virtual std::optional<CurrentAnswers> currentAnswers() const = 0;

    // Every fact of the child, and the totals up to today over the last days.
    virtual ChildSummary summary(qint64 child, const QDate &today, int days) const = 0;
    // Every answer of the child as CSV (RFC 4180, UTF-8, a header line).
    virtual bool exportCsv(qint64 child, const QString &path, QString *error) const = 0;

    // Notices given before anyone listened (the record opens while the
    // About window is up, before the main window exists), each given once.
    virtual QVector<QPair<QString, QString>> takeUnheardNotices() = 0;

Q_SIGNALS:
    // The child practising is another one, or has a new name.
    void currentChanged(const QString &name);
    // Something the family should know, in plain words: answers cannot be
    // saved for now, the file was damaged and kept aside. detail: the
    // system's own words, when there are any.
    void notice(const QString &text, const QString &detail);
    // The answers that waited (the notice with this text) are all written now.
    void waitingSaved(const QString &waitingNotice);
};

// The current child's answers when the record is open and ready.
inline std::optional<CurrentAnswers> currentAnswersOf(const ChildRecord *record)
{
    if (!record || record->health() != ChildRecord::Health::Ready)
        return std::nullopt;
    return record->currentAnswers();
}
