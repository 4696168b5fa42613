// SPDX-License-Identifier: GPL-3.0-or-later
#include "trickychooser.h"

#include "platform/services.h"
#include "progress/childrecord.h"
#include "problem.h"

#include <algorithm>

namespace {
// A miss comes back as the fifth problem after it, or soon after, once.
constexpr int ComesBackAfter = 5;
constexpr int ComesBackTimes = 1;
constexpr int NewEvery = 2;       // one turn in two brings in an untried fact, while any is left
constexpr int KindEvery = 5;      // one turn in five is a fact likely right
constexpr double DueRecall = 0.9; // a fact is worth asking once its recall has fallen below
constexpr double KindRecall = 0.8;
// A drill with more than half its answers wrong after its first few
// problems gets facts likely right until it recovers.
constexpr int BadStart = 4;
constexpr double BadShare = 0.5;
constexpr int PoolRetries = 20; // Random's draw, redrawn when it repeats the last fact

int indexOf(const FactPair &f) { return factIndex(f.operand1, f.operand2); }
} // namespace

TrickyChooser::TrickyChooser(const FactAnswers &answers, int limitMs, const QDateTime &now)
    : m_estimate(limitMs), m_nowMs(now.toMSecsSinceEpoch())
{
    for (const FactAnswer &a : answers)
        m_estimate.add(a);
    // A child's first drill stays Random's to its end: one fact answered in
    // it would otherwise be all the chooser knows of them.
    m_asRandom = m_estimate.answers() == 0;
}

double TrickyChooser::recall(const FactPair &f) const { return m_estimate.recall(indexOf(f), m_nowMs); }

bool TrickyChooser::isWaiting(const FactPair &f) const
{
    return std::any_of(m_waiting.begin(), m_waiting.end(), [&f](const Waiting &w) { return w.fact == f; });
}

bool TrickyChooser::open(const FactPair &f, int maxMultiplier) const
{
    const size_t i = size_t(indexOf(f));
    return f.operand1 <= maxMultiplier && !isLast(f) && !m_done[i] && !isWaiting(f) &&
           m_asked[i] < MostAsksPerDrill;
}

std::optional<FactPair> TrickyChooser::dueMiss(int maxMultiplier) const
{
    // m_waiting is in the order of the misses, so the first due is the oldest.
    for (const Waiting &w : m_waiting)
        if (m_count >= w.missedAt + ComesBackAfter && w.fact.operand1 <= maxMultiplier && !isLast(w.fact))
            return w.fact;
    return std::nullopt;
}

std::optional<FactPair> TrickyChooser::newFact(RandomSource &random, int maxMultiplier) const
{
    // The least likely right first, as the fact's usual difficulty and its
    // twin tell: the longer a fact takes to learn, the sooner it starts. The
    // easy ones come in as the kind share.
    std::vector<FactPair> best;
    double least = 2;
    for (int o2 = 0; o2 < FactSide; ++o2)
        for (int o1 = 0; o1 <= maxMultiplier; ++o1) {
            const FactPair f{o1, o2};
            const int i = indexOf(f);
            if (m_estimate.fact(i).tries > 0 || !open(f, maxMultiplier))
                continue;
            const double r = m_estimate.recall(i, m_nowMs);
            if (r < least - 1e-9) {
                least = r;
                best.clear();
            }
            if (r < least + 1e-9)
                best.push_back(f);
        }
    if (best.empty())
        return std::nullopt;
    return best[size_t(drawBelow(random, int(best.size())))];
}

std::optional<FactPair> TrickyChooser::kindFact(const std::vector<RankedFact> &ranking, int maxMultiplier) const
{
    // A fact answered right in time on one day needs another day to be
    // known: the surest of those first; then the easiest fact not met yet;
    // then the one among the likely right that is nearest to fading.
    std::optional<FactPair> confirm, fresh, nearest;
    double confirmRecall = 0, freshRecall = 0;
    for (const RankedFact &r : ranking) {
        if (r.recall < KindRecall || !open(r.fact, maxMultiplier))
            continue;
        if (r.state == FactState::Untried) {
            if (r.recall > freshRecall) {
                fresh = r.fact;
                freshRecall = r.recall;
            }
            continue;
        }
        if (m_estimate.fact(indexOf(r.fact)).daysInTime == 1 && r.recall > confirmRecall) {
            confirm = r.fact;
            confirmRecall = r.recall;
        }
        if (!nearest)
            nearest = r.fact;
    }
    return confirm ? confirm : fresh ? fresh : nearest;
}

std::optional<FactPair> TrickyChooser::dueFact(const std::vector<RankedFact> &ranking, int maxMultiplier) const
{
    // The weakest first, as the ranking has them; a fact missed last time
    // is worth asking however likely the estimate finds it.
    for (const RankedFact &r : ranking)
        if ((r.state == FactState::Tricky || (r.state != FactState::Untried && r.recall < DueRecall)) &&
            open(r.fact, maxMultiplier))
            return r.fact;
    return std::nullopt;
}

FactPair TrickyChooser::anyFact(const std::vector<RankedFact> &ranking, int maxMultiplier) const
{
    for (const RankedFact &r : ranking)
        if (open(r.fact, maxMultiplier))
            return r.fact;
    // Everything within the maximum is done for this drill: the least asked
    // of the weakest, never the last one (each maximum leaves 13 facts).
    const RankedFact *best = nullptr;
    for (const RankedFact &r : ranking)
        if (r.fact.operand1 <= maxMultiplier && !isLast(r.fact) && (!best || asked(r.fact) < asked(best->fact)))
            best = &r;
    return best->fact;
}

FactPair TrickyChooser::randomDraw(RandomSource &random, int maxMultiplier) const
{
    // As Random draws: the factor first, then the first number.
    FactPair f;
    for (int i = 0; i < PoolRetries; ++i) {
        f.operand2 = drawBelow(random, FactSide);
        f.operand1 = drawBelow(random, maxMultiplier + 1);
        if (!isLast(f) && !isWaiting(f))
            break;
    }
    return f;
}

FactPair TrickyChooser::posed(const FactPair &f)
{
    ++m_count;
    ++m_asked[size_t(indexOf(f))];
    m_last = f;
    return f;
}

FactPair TrickyChooser::next(RandomSource &random, int maxMultiplier)
{
    maxMultiplier = std::clamp(maxMultiplier, 0, FactSide - 1);
    if (const std::optional<FactPair> miss = dueMiss(maxMultiplier))
        return posed(*miss);
    if (m_asRandom)
        return posed(randomDraw(random, maxMultiplier));

    const std::vector<RankedFact> ranking = rankFacts(m_estimate, m_nowMs);
    const int turn = m_turns++;
    const bool badDrill = m_count >= BadStart && m_wrong > BadShare * m_count;
    std::optional<FactPair> f;
    if (turn % KindEvery == KindEvery - 1 || badDrill)
        f = kindFact(ranking, maxMultiplier);
    if (!f && turn % NewEvery == 0)
        f = newFact(random, maxMultiplier);
    if (!f)
        f = dueFact(ranking, maxMultiplier);
    if (!f)
        f = newFact(random, maxMultiplier);
    return posed(f ? *f : anyFact(ranking, maxMultiplier));
}

void TrickyChooser::judged(const FactPair &fact, bool correct, int ms, const QDateTime &at)
{
    const size_t i = size_t(indexOf(fact));
    m_waiting.erase(std::remove_if(m_waiting.begin(), m_waiting.end(), [&fact](const Waiting &w) { return w.fact == fact; }),
                    m_waiting.end());
    if (!correct && m_asked[i] <= ComesBackTimes)
        m_waiting.push_back({fact, m_count - 1});
    m_wrong += !correct;
    m_done[i] = m_done[i] || m_estimate.inTime(correct, ms);
    const qint64 atMs = at.toMSecsSinceEpoch();
    m_estimate.add(fact.operand1, fact.operand2, correct, ms, atMs);
    m_nowMs = std::max(m_nowMs, atMs);
}

std::vector<FactPair> TrickyChooser::worksheet(RandomSource &random, int maxMultiplier, int count) const
{
    maxMultiplier = std::clamp(maxMultiplier, 0, FactSide - 1);
    if (m_asRandom) {
        std::vector<FactPair> out;
        for (int n = 0; n < count; ++n) {
            const Problem p = makeProblem(random, -1, int16_t(maxMultiplier));
            out.push_back({p.Operand1, p.Operand2});
        }
        return out;
    }
    return worksheetFacts(rankFacts(m_estimate, m_nowMs), maxMultiplier, random, count);
}

TrickyChooser trickyChooserFor(const ChildRecord *record, const QDateTime &now)
{
    const std::optional<CurrentAnswers> child = currentAnswersOf(record);
    if (!child)
        return TrickyChooser({}, DefaultTimeLimitMs, now);
    return TrickyChooser(child->answers, child->limitMs, now);
}

std::vector<FactPair> currentTroubleFacts(const ChildRecord *record, const QDateTime &now, int count)
{
    const std::optional<CurrentAnswers> child = currentAnswersOf(record);
    if (!child)
        return {};
    MemoryEstimate estimate(child->limitMs);
    for (const FactAnswer &a : child->answers)
        estimate.add(a);
    return troubleFacts(rankFacts(estimate, now.toMSecsSinceEpoch()), count);
}
