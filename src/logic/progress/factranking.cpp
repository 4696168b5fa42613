// SPDX-License-Identifier: GPL-3.0-or-later
#include "factranking.h"

#include "platform/services.h"
#include "practice/problem.h"

#include <algorithm>

namespace {
constexpr qint64 HourMs = 3600000;

int stateOrder(FactState s)
{
    switch (s) {
    case FactState::Tricky: return 0;
    case FactState::GettingThere: return 1;
    case FactState::Known: return 2;
    case FactState::Untried: break;
    }
    return 3;
}
} // namespace

std::vector<RankedFact> rankFacts(const MemoryEstimate &e, qint64 atMs)
{
    std::vector<RankedFact> out;
    out.reserve(FactCount);
    for (int o2 = 0; o2 < FactSide; ++o2)
        for (int o1 = 0; o1 < FactSide; ++o1) {
            const int i = factIndex(o1, o2);
            const double now = e.recall(i, atMs);
            out.push_back({{o1, o2}, e.stateGiven(i, now), now, e.recall(i, atMs + HourMs)});
        }
    std::stable_sort(out.begin(), out.end(), [](const RankedFact &a, const RankedFact &b) {
        const int sa = stateOrder(a.state), sb = stateOrder(b.state);
        return sa != sb ? sa < sb : a.later < b.later;
    });
    return out;
}

std::vector<FactPair> troubleFacts(const std::vector<RankedFact> &ranking, int count)
{
    std::vector<FactPair> out;
    for (const RankedFact &r : ranking)
        if (int(out.size()) < count && (r.state == FactState::Tricky || r.state == FactState::GettingThere))
            out.push_back(r.fact);
    return out;
}

std::vector<FactPair> worksheetFacts(const std::vector<RankedFact> &ranking, int maxMultiplier, RandomSource &random,
                                     int count)
{
    constexpr int MostOfOne = 4; // in a hundred
    std::vector<FactPair> pool;
    std::vector<int> copies;
    int total = 0;
    for (const RankedFact &r : ranking) {
        if (r.fact.operand1 > maxMultiplier || total >= count)
            continue;
        const int want = r.state == FactState::Tricky ? MostOfOne : r.state == FactState::GettingThere ? 3 : 2;
        pool.push_back(r.fact);
        copies.push_back(std::min(want, count - total));
        total += copies.back();
    }
    if (pool.empty())
        return {};
    // Too few of them: the fewest asked first, the weaker first among equals,
    // up to four each while the maximum leaves facts enough, else evenly.
    const int cap = std::max<int>(MostOfOne, (count + int(pool.size()) - 1) / int(pool.size()));
    while (total < count) {
        size_t fewest = 0;
        for (size_t i = 1; i < pool.size(); ++i)
            if (copies[i] < copies[fewest])
                fewest = i;
        if (copies[fewest] >= cap)
            break;
        ++copies[fewest];
        ++total;
    }
    // Each time one of the facts owed most often, chance choosing between
    // equals, and not the one just placed while another is owed.
    std::vector<FactPair> out;
    while (int(out.size()) < count) {
        std::vector<size_t> best;
        for (const bool allowLast : {false, true}) {
            int most = 0;
            for (size_t i = 0; i < pool.size(); ++i) {
                if (copies[i] == 0 || (!allowLast && !out.empty() && pool[i] == out.back()))
                    continue;
                if (copies[i] > most) {
                    most = copies[i];
                    best.clear();
                }
                if (copies[i] == most)
                    best.push_back(i);
            }
            if (!best.empty())
                break;
        }
        const size_t i = best[size_t(drawBelow(random, int(best.size())))];
        --copies[i];
        out.push_back(pool[i]);
    }
    return out;
}
