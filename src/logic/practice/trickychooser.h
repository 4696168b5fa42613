// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The next problem when the factor is Tricky, chosen from the estimate of how
// well the child remembers each fact (progress/memoryestimate.h), made from
// the child's own answers and following each answer of the drill:
// - a fact missed in this drill comes back later in it, as the fifth problem
//   after the miss or soon after, once;
// - a fact answered right within the time limit is not asked again in it,
//   and no fact more than three times;
// - one turn in two, while any is left, brings in a fact the child has not
//   met yet, the least likely right first, since it takes longest to learn;
// - one turn in five is a fact the child will likely get right: one right in
//   time on a single day first, so it can become known, then an easy fact
//   not met yet; and every turn while more than half of the drill is wrong;
// - the other turns ask the facts whose recall has fallen below 90 %, the
//   weakest first in the one ranking of the child's facts
//   (progress/factranking.h);
// - never the same fact twice in a row; first numbers up to the maximum.
// A child with no record yet gets Random's problems for a first drill.
// How well this teaches is measured by bench/teaching.
#include "progress/factranking.h"
#include "progress/memoryestimate.h"

#include <QDateTime>
#include <array>
#include <optional>
#include <vector>

class RandomSource;

class TrickyChooser
{
public:
    static constexpr int MostAsksPerDrill = 3;

    // answers: the child's record, oldest first (empty: no record yet);
    // limitMs: their time limit for "known" (0: none); now: the drill's start.
    TrickyChooser(const FactAnswers &answers, int limitMs, const QDateTime &now);

    // The next fact, its first number within 0..maxMultiplier, which is read
    // afresh for every problem.
    FactPair next(RandomSource &random, int maxMultiplier);
    // The answer to the fact just chosen, added to the estimate: a miss
    // waits to come back, a right answer in time is done for this drill.
    void judged(const FactPair &fact, bool correct, int ms, const QDateTime &at);

    // How likely the child is to answer the fact right in time now.
    double recall(const FactPair &fact) const;
    const MemoryEstimate &estimate() const { return m_estimate; }
    // The worksheet of count problems for this child: their weakest facts,
    // spread (progress/factranking.h).
    std::vector<FactPair> worksheet(RandomSource &random, int maxMultiplier, int count = 100) const;

private:
    struct Waiting
    {
        FactPair fact;
        int missedAt = 0; // the problem's number in the drill
    };

    int asked(const FactPair &f) const { return m_asked[size_t(factIndex(f.operand1, f.operand2))]; }
    bool isWaiting(const FactPair &f) const;
    bool isLast(const FactPair &f) const { return m_last && *m_last == f; }
    // May be asked now: within the maximum, not the last one, not done or
    // waiting in this drill, not asked too often in it.
    bool open(const FactPair &f, int maxMultiplier) const;
    std::optional<FactPair> dueMiss(int maxMultiplier) const;
    std::optional<FactPair> newFact(RandomSource &random, int maxMultiplier) const;
    std::optional<FactPair> kindFact(const std::vector<RankedFact> &ranking, int maxMultiplier) const;
    std::optional<FactPair> dueFact(const std::vector<RankedFact> &ranking, int maxMultiplier) const;
    FactPair anyFact(const std::vector<RankedFact> &ranking, int maxMultiplier) const;
    FactPair randomDraw(RandomSource &random, int maxMultiplier) const;
    FactPair posed(const FactPair &f);

    MemoryEstimate m_estimate;
    qint64 m_nowMs;
    bool m_asRandom = false;
    int m_count = 0;  // problems posed
    int m_turns = 0;  // problems not a miss come back
    int m_wrong = 0;  // misses in this drill
    std::optional<FactPair> m_last;
    std::vector<Waiting> m_waiting;
    std::array<int, FactCount> m_asked{};
    std::array<bool, FactCount> m_done{}; // answered right in time in this drill
};

class ChildRecord;
// The chooser for the child practising now, from their answers as the record
// holds them, without waiting for its file; Random's draw when there are none.
TrickyChooser trickyChooserFor(const ChildRecord *record, const QDateTime &now);
// The first count tricky or getting-there facts of that child's ranking.
std::vector<FactPair> currentTroubleFacts(const ChildRecord *record, const QDateTime &now, int count);
