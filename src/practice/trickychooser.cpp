#include "trickychooser.h"

#include "platform/services.h"
#include "progress/childrecord.h"
#include "problem.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace {
constexpr int ComesBackAfter = 3; // a miss is the third problem after it
constexpr int PoolRetries = 20;   // Random's draw, redrawn when it repeats the last fact

int misses(const FactRecord &f) { return f.tries - f.right; }
} // namespace

int daysUntilDue(int run)
{
    constexpr std::array<int, 4> Gaps{1, 3, 7, 21}; // for a run of 3, 4, 5, 6+
    return run < 3 ? 0 : Gaps[size_t(std::min(run - 3, 3))];
}

bool knownFactDue(const FactRecord &f, const QDateTime &now)
{
    return f.lastAt.isValid() && f.lastAt.addDays(daysUntilDue(f.run)) <= now;
}

TrickyChooser::TrickyChooser(std::optional<Facts> facts, int limitMs, const QDateTime &now, int knownEvery)
    : m_facts(std::move(facts)), m_limitMs(limitMs), m_now(now), m_knownEvery(std::max(knownEvery, 1))
{
    // A child's first drill stays Random's to its end: one fact answered in
    // it would otherwise be all the record knows, and asked every other time.
    m_asRandom = !m_facts || std::none_of(m_facts->begin(), m_facts->end(), [](const FactRecord &f) { return f.tries > 0; });
}

const FactRecord &TrickyChooser::record(const FactPair &f) const
{
    return (*m_facts)[size_t(factIndex(f.operand1, f.operand2))];
}

FactState TrickyChooser::state(const FactPair &f) const
{
    return m_facts ? record(f).state(m_limitMs) : FactState::Untried;
}

int TrickyChooser::asked(const FactPair &f) const { return m_asked[size_t(factIndex(f.operand1, f.operand2))]; }

bool TrickyChooser::isWaiting(const FactPair &f) const
{
    return std::any_of(m_waiting.begin(), m_waiting.end(), [&f](const Waiting &w) { return w.fact == f; });
}

std::optional<FactPair> TrickyChooser::dueMiss(int maxMultiplier) const
{
    // m_waiting is in the order of the misses, so the first due is the oldest.
    for (const Waiting &w : m_waiting)
        if (m_count >= w.missedAt + ComesBackAfter && w.fact.operand1 <= maxMultiplier && !(m_last && *m_last == w.fact))
            return w.fact;
    return std::nullopt;
}

std::vector<FactPair> TrickyChooser::candidates(int maxMultiplier, FactState wanted) const
{
    std::vector<FactPair> out;
    for (int o2 = 0; o2 < FactSide; ++o2)
        for (int o1 = 0; o1 <= maxMultiplier && o1 < FactSide; ++o1) {
            const FactPair f{o1, o2};
            // The pool always holds 13 factors or more, so skipping the last
            // fact never empties it.
            if (state(f) == wanted && !isWaiting(f) && !(m_last && *m_last == f))
                out.push_back(f);
        }
    return out;
}

FactPair TrickyChooser::pick(RandomSource &random, const std::vector<FactPair> &from, bool known) const
{
    // A known fact that is due comes before one that is not. Then each fact
    // in turn before any comes again, so that one tricky fact cannot fill a
    // worksheet; within a turn, tricky before getting there, the most missed
    // first, or the longest overdue. The lot decides between equals.
    const auto key = [this, known](const FactPair &f) {
        const FactRecord &r = record(f);
        int notDue = 0;
        qint64 urgency = misses(r);
        if (known) {
            notDue = !knownFactDue(r, m_now);
            urgency = notDue ? 0 : r.lastAt.addDays(daysUntilDue(r.run)).secsTo(m_now);
        }
        const int later = r.state(m_limitMs) == FactState::GettingThere;
        return std::make_tuple(notDue, asked(f), later, -urgency);
    };
    using Key = decltype(key(from.front()));
    std::vector<Key> keys;
    for (const FactPair &f : from)
        keys.push_back(key(f));
    const Key best = *std::min_element(keys.begin(), keys.end());
    std::vector<FactPair> ties;
    for (size_t i = 0; i < from.size(); ++i)
        if (keys[i] == best)
            ties.push_back(from[i]);
    return ties[size_t(drawBelow(random, int(ties.size())))];
}

FactPair TrickyChooser::randomDraw(RandomSource &random, int maxMultiplier) const
{
    // As Random draws: the factor first, then the first number.
    FactPair f;
    for (int i = 0; i < PoolRetries; ++i) {
        f.operand2 = drawBelow(random, FactSide);
        f.operand1 = drawBelow(random, maxMultiplier + 1);
        if (!(m_last && *m_last == f) && !isWaiting(f))
            break;
    }
    return f;
}

FactPair TrickyChooser::posed(const FactPair &f)
{
    ++m_count;
    ++m_asked[size_t(factIndex(f.operand1, f.operand2))];
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

    const std::vector<FactPair> known = candidates(maxMultiplier, FactState::Known);
    const bool knownTurn = !known.empty() && m_ruleTwo % m_knownEvery == m_knownEvery - 1;
    ++m_ruleTwo;
    if (knownTurn)
        return posed(pick(random, known, true));
    std::vector<FactPair> toLearn = candidates(maxMultiplier, FactState::Tricky);
    const std::vector<FactPair> there = candidates(maxMultiplier, FactState::GettingThere);
    toLearn.insert(toLearn.end(), there.begin(), there.end());
    if (!toLearn.empty())
        return posed(pick(random, toLearn, false));
    // Only here when no tricky or getting-there fact can be asked now, so
    // the untried ones are limited only while such facts wait their turn.
    std::vector<FactPair> untried = candidates(maxMultiplier, FactState::Untried);
    const bool othersWait = std::any_of(m_facts->begin(), m_facts->end(), [this](const FactRecord &r) {
        const FactState s = r.state(m_limitMs);
        return s == FactState::Tricky || s == FactState::GettingThere;
    });
    if (!untried.empty() && (m_untried < UntriedPerDrill || !othersWait)) {
        ++m_untried;
        return posed(pick(random, untried, false));
    }
    // A worksheet judges nothing, so the untried facts it brought in stay
    // untried: those may come again, no others.
    untried.erase(std::remove_if(untried.begin(), untried.end(),
                                 [this](const FactPair &f) { return asked(f) == 0; }),
                  untried.end());
    if (!untried.empty())
        return posed(pick(random, untried, false));
    if (!known.empty())
        return posed(pick(random, known, true));
    return posed(randomDraw(random, maxMultiplier));
}

void TrickyChooser::judged(const FactPair &fact, bool correct, int ms, const QDateTime &at)
{
    m_waiting.erase(std::remove_if(m_waiting.begin(), m_waiting.end(), [&fact](const Waiting &w) { return w.fact == fact; }),
                    m_waiting.end());
    if (!correct)
        m_waiting.push_back({fact, m_count - 1});
    if (!m_facts)
        m_facts.emplace();
    FactRecord &r = (*m_facts)[size_t(factIndex(fact.operand1, fact.operand2))];
    r.add({correct, ms}, m_limitMs);
    r.lastAt = at;
}

std::optional<ChildFacts> currentChildFacts(const ChildRecord *record, const QDate &today)
{
    if (!record || record->health() != ChildRecord::Health::Ready)
        return std::nullopt;
    const Child child = record->current();
    if (!child.id)
        return std::nullopt;
    return ChildFacts{record->summary(child.id, today, 1).facts, child.timeLimitMs};
}

TrickyChooser trickyChooserFor(const ChildRecord *record, const QDateTime &now, int knownEvery)
{
    std::optional<ChildFacts> child = currentChildFacts(record, now.toLocalTime().date());
    if (!child)
        return TrickyChooser(std::nullopt, DefaultTimeLimitMs, now, knownEvery);
    return TrickyChooser(std::move(child->facts), child->limitMs, now, knownEvery);
}

std::vector<FactPair> trickiestFacts(const TrickyChooser::Facts &facts, int limitMs, int count)
{
    std::vector<std::pair<FactPair, const FactRecord *>> tricky, there;
    for (int o2 = 0; o2 < FactSide; ++o2)
        for (int o1 = 0; o1 < FactSide; ++o1) {
            const FactRecord &r = facts[size_t(factIndex(o1, o2))];
            const FactState s = r.state(limitMs);
            if (s == FactState::Tricky)
                tricky.push_back({{o1, o2}, &r});
            else if (s == FactState::GettingThere)
                there.push_back({{o1, o2}, &r});
        }
    const auto mostMissed = [](const auto &a, const auto &b) { return misses(*a.second) > misses(*b.second); };
    std::stable_sort(tricky.begin(), tricky.end(), mostMissed);
    std::stable_sort(there.begin(), there.end(), mostMissed);
    std::vector<FactPair> out;
    for (const auto *group : {&tricky, &there})
        for (const auto &[f, r] : *group)
            if (int(out.size()) < count)
                out.push_back(f);
    return out;
}
