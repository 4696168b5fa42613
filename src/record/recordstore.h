// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The children and their answers in the record's file: who practises, the
// names, the time limits, and what each drill hands over. Every value reaches
// SQL as a bound parameter. Used from the record's thread (SqliteRecord), or
// directly by the tests and the benchmark.
#include "progress/childrecord.h"
#include "recordfile.h"

#include <QVector>
#include <optional>

// What a drill hands the record, in the order it happened.
struct RecordEvent
{
    enum class Kind { DrillStarted, AnswerJudged, DrillEnded };
    Kind kind = Kind::AnswerJudged;
    qint64 child = 0; // who practised; 0 is whoever practises when it is written
    DrillStart drill;
    JudgedAnswer answer;
    QDateTime at; // a drill's end

    static RecordEvent started(qint64 child, const DrillStart &d) { return {Kind::DrillStarted, child, d, {}, {}}; }
    static RecordEvent judged(qint64 child, const JudgedAnswer &a) { return {Kind::AnswerJudged, child, {}, a, {}}; }
    static RecordEvent ended(qint64 child, const QDateTime &at) { return {Kind::DrillEnded, child, {}, {}, at}; }
};

class RecordStore
{
public:
    using Write = RecordFile::Write;

    explicit RecordStore(RecordFile &file) : m_file(file) {}

    // The child chosen last practises; the first child is made from the
    // desktop user when there is none.
    bool ensureChild(const QDateTime &now);
    Child current() const { return child(m_current); }
    qint64 currentId() const { return m_current; }
    // The child with the id; id 0 when there is none.
    Child child(qint64 id) const;
    QVector<Child> children() const;
    bool choose(qint64 child);
    bool add(const QString &name, const QDateTime &now, QString *error, qint64 *id = nullptr);
    bool rename(qint64 child, const QString &name, QString *error);
    bool remove(qint64 child, QString *error);
    int answerCount(qint64 child) const;
    bool setTimeLimit(qint64 child, int ms);
    bool setReadAloud(qint64 child, bool on);
    // Every answer of the child, oldest first.
    FactAnswers answers(qint64 child) const { return answersIn(m_file, child); }
    static FactAnswers answersIn(const RecordFile &file, qint64 child);

    // Writes the events all together, or none of them. Those of a child
    // removed meanwhile (by another copy of the program) are written for the
    // child practising now, who took their place. A drill's row is written
    // with its first answer, so a drill stopped before any answer leaves
    // nothing.
    Write save(const QVector<RecordEvent> &events);
    // One event each, for the child practising now.
    Write beginDrill(const DrillStart &drill);
    Write addAnswer(const JudgedAnswer &answer);
    Write endDrill(const QDateTime &at);

private:
    Write apply(const RecordEvent &e);
    qint64 firstChild() const;
    // The name as kept, or empty with the reason when it is too long, too
    // short, or looks like another child's (not other's).
    QString checkedName(const QString &typed, qint64 other, QString *error) const;
    bool changed(Write w, QString *error);

    RecordFile &m_file;
    qint64 m_current = 0;
    // The drill the next answers belong to: its row is made with the first.
    std::optional<DrillStart> m_drillStart;
    qint64 m_drillChild = 0;
    qint64 m_drill = 0;
};

// A child's name as kept: in Unicode's composed form, without control,
// invisible or direction-changing characters, trimmed; empty when it is not
// 1-40 characters then.
QString childName(const QString &typed);
// Names a family would take for the same child ("Tom", "tom", "Zoé" typed
// two ways) have the same key.
QString childNameKey(const QString &name);
// The first word of the desktop user's real name, else the login name.
QString desktopUserName();
