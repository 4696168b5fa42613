#include "factstanding.h"

#include <algorithm>

FactState factState(const std::vector<Attempt> &newestFirst, int limitMs)
{
    if (newestFirst.empty())
        return FactState::Untried;
    const size_t n = std::min<size_t>(newestFirst.size(), 3);
    const auto wrong = std::count_if(newestFirst.begin(), newestFirst.begin() + long(n),
                                     [](const Attempt &a) { return !a.correct; });
    if (!newestFirst.front().correct || wrong >= 2)
        return FactState::Tricky;
    const bool inTime = std::all_of(newestFirst.begin(), newestFirst.begin() + long(n), [limitMs](const Attempt &a) {
        return a.correct && (limitMs <= 0 || a.ms <= limitMs);
    });
    return n == 3 && inTime ? FactState::Known : FactState::GettingThere;
}

void FactRecord::add(const Attempt &a, int limitMs)
{
    ++tries;
    right += a.correct;
    lastMs = a.ms;
    recent.insert(recent.begin(), a);
    if (recent.size() > 3)
        recent.pop_back();
    run = a.correct && (limitMs <= 0 || a.ms <= limitMs) ? run + 1 : 0;
}

bool KnownCounter::add(int operand1, int operand2, const Attempt &a)
{
    if (operand1 < 0 || operand1 >= FactSide || operand2 < 0 || operand2 >= FactSide)
        return false;
    FactRecord &f = m_facts[size_t(factIndex(operand1, operand2))];
    const bool wasKnown = f.state(m_limitMs) == FactState::Known;
    f.add(a, m_limitMs);
    m_known += int(f.state(m_limitMs) == FactState::Known) - int(wasKnown);
    return true;
}
