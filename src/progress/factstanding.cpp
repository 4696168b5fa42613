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

void KnownCounter::add(int operand1, int operand2, const Attempt &a)
{
    const int i = factIndex(operand1, operand2);
    if (i < 0 || i >= FactCount)
        return;
    std::array<Attempt, 3> &last = m_last[size_t(i)];
    int &count = m_count[size_t(i)];
    auto stateNow = [&] {
        return factState(std::vector<Attempt>(last.begin(), last.begin() + std::min(count, 3)), m_limitMs);
    };
    const bool wasKnown = stateNow() == FactState::Known;
    last[2] = last[1];
    last[1] = last[0];
    last[0] = a;
    ++count;
    const bool isKnown = stateNow() == FactState::Known;
    m_known += int(isKnown) - int(wasKnown);
}
