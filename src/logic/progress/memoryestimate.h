// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How well a child remembers each fact, estimated from that child's answers
// and answer times alone: how likely they are to answer it right within
// their time limit now, and how fast that fades.
//
// The method is an ACT-R activation estimate: the base-level activation with
// a spacing effect of Pavlik & Anderson (2005, "Practice and forgetting
// effects on vocabulary memory", Cognitive Science 29(4)), with each fact's
// intercept learned from the child's answers by Elo-style updates, as
// Pelanek (2015, "Modeling students' memory for application in adaptive
// educational systems", EDM) does for facts practised in a drill program.
// - Each answer leaves a trace; a fact's activation at time t is
//   m = beta + ln(sum_j (t - t_j)^-d_j), plus half of its commuted twin's
//   traces (7 x 8 tells something of 8 x 7).
// - A trace decays the faster the fresher the fact was when it was laid
//   down, d_j = c e^m(t_j) + a: a fact asked while still fresh gains little.
// - Time away from practice counts only in part: a pause of up to two
//   minutes in full, anything longer at h (the model's time between
//   sessions).
// - A right answer in time needs the fact retrieved, with probability
//   1 / (1 + e^((tau - m) / s)), and typed within the limit: ACT-R's latency
//   t0 + F e^-m, with log-normal spread. Or the child works it out in time
//   without remembering it, as the rules of x0, x1 and x10 allow, with a
//   chance the fact's usual difficulty gives.
// - beta starts from the fact's usual difficulty, and each answer moves it
//   and the child's own level towards what was seen: right in time or not,
//   and for a right answer, how fast (right in 2 s and right in 5 s are
//   different evidence; right in 9 s with a limit of 6 is not in time).
// The parameters are the published ones for c, a, tau, s and h; latency and
// the other choices are ours for children typing one to three digits.
#include "factstanding.h"

#include <QDateTime>
#include <array>
#include <cstdint>
#include <vector>

// One answer as the record keeps it.
struct FactAnswer
{
    int operand1 = 0; // the first number
    int operand2 = 0; // the factor
    bool correct = false;
    int ms = 0;      // problem drawn to its last digit
    QDateTime at;    // UTC, when the last digit was typed
};
using FactAnswers = std::vector<FactAnswer>;

// How hard a fact usually is before a child has answered it, 0 (a rule: x0,
// x1) to 1: the rules and patterns of 0, 1, 10, 2, 11 and 5 are easy, ties
// (squares) easier than their neighbours, larger products harder, and 6 x 7,
// 6 x 8, 7 x 8, 8 x 8 and their like hardest.
double usualDifficulty(int operand1, int operand2);

// Local calendar days of UTC times, for a run of times mostly on the same
// day: the zone is asked once a day, not once an answer.
class LocalDays
{
public:
    qint64 dayOf(qint64 utcMs);

private:
    qint64 m_from = 1, m_to = 0; // [from, to) in UTC ms is local day m_day
    qint64 m_day = 0;
};

// Everything the estimate keeps of one fact.
struct FactMemory
{
    static constexpr int Kept = 8; // traces kept one by one; older ones are merged

    struct Trace
    {
        double at = 0; // the child's practice clock, seconds
        double decay = 0;
    };
    std::array<Trace, Kept> traces{}; // a ring, the newest at (next - 1)
    int kept = 0, next = 0;
    // The older traces, merged into one of the same sum now and their mean decay.
    double olderCount = 0, olderAt = 0, olderDecay = 0;
    double beta = 0;      // the fact's own intercept, as learnt so far
    int updates = 0;

    int tries = 0;
    int right = 0;
    qint64 lastAtMs = 0;      // UTC ms of the last answer
    int lastMs = 0;           // the last answer's time
    bool lastCorrect = false;
    bool lastInTime = false;  // right and within the limit
    // Different local days in the run of answers right in time up to the
    // last one: a miss or a slow answer starts it again.
    int daysInTime = 0;
    qint64 lastInTimeDay = 0; // the local day of the last of them
};

class MemoryEstimate
{
public:
    // limitMs 0: no time limit, every right answer is in time.
    explicit MemoryEstimate(int limitMs = DefaultTimeLimitMs);

    // The answers, oldest first. A pair outside the tables is left out.
    void add(const FactAnswer &a);
    void add(int operand1, int operand2, bool correct, int ms, qint64 atMs);

    // The chance of a right answer within the limit at atMs (UTC ms), with
    // no practice between.
    double recall(int index, qint64 atMs) const;
    // Untried: no answer. Tricky: the last answer wrong, or a miss or a slow
    // answer more likely than a right one in time now. Known: a right answer
    // in time the likelier now, and right in time on the last two days it
    // was asked. Getting there: the others.
    FactState state(int index, qint64 atMs) const;
    // The same, with the fact's recall at that moment already worked out.
    FactState stateGiven(int index, double recallNow) const;
    // How many facts are known at atMs.
    int knownCount(qint64 atMs) const;
    const FactMemory &fact(int index) const { return m_facts[size_t(index)]; }
    int limitMs() const { return m_limitMs; }
    int answers() const { return m_answers; }
    // Whether the answer counts as right within the limit.
    bool inTime(bool correct, int ms) const { return correct && (m_limitMs <= 0 || ms <= m_limitMs); }

private:
    double clockAt(qint64 atMs) const;                   // the practice clock at a UTC time
    double activation(int index, double clock) const;  // -inf with no trace
    double recallAt(int index, double m) const;
    double workedOutChance(int index) const;
    double traceSum(const FactMemory &f, double clock) const;
    // Learns from an answer what the estimate expected; the fact's new activation.
    double learn(int index, bool inTime, int ms, double m);

    int m_limitMs;
    int m_answers = 0;
    double m_level = 0; // the child's own level, added to every fact's beta
    int m_levelUpdates = 0;
    double m_workingOut = 0; // how much better than usual the child works facts out, log-odds
    int m_firstAnswers = 0;
    qint64 m_lastMs = 0; // the last answer's UTC ms
    double m_clock = 0;  // the practice clock then
    std::array<FactMemory, FactCount> m_facts{};
    std::array<double, FactCount> m_floor{}; // worked out in time without memory
    LocalDays m_days;
};
