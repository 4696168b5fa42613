// SPDX-License-Identifier: GPL-3.0-or-later
#include "childprogress.h"

#include "factranking.h"

#include <set>

namespace {
// The last millisecond of a local day, in UTC ms.
qint64 endOfDay(const QDate &day) { return QDateTime(day.addDays(1), QTime(0, 0), Qt::LocalTime).toMSecsSinceEpoch() - 1; }
} // namespace

ChildSummary summarizeAnswers(const FactAnswers &answers, int limitMs, const QDateTime &now, int days)
{
    ChildSummary sum;
    ChildTotals &t = sum.totals;
    const qint64 nowMs = now.toMSecsSinceEpoch();
    const QDate today = now.toLocalTime().date();
    const QDate first = today.addDays(1 - days);
    t.knownByDay.fill(0, std::max(days, 0));

    // One pass in time order: at each day's end, the facts known then. A
    // day without answers counts too, since what is not practised fades.
    MemoryEstimate estimate(limitMs);
    LocalDays localDays;
    QDate chartDay = first; // the next day of the chart to count
    std::set<qint64> practised;
    const auto countUntil = [&](const QDate &before) {
        for (; chartDay < before && chartDay <= today; chartDay = chartDay.addDays(1))
            t.knownByDay[int(first.daysTo(chartDay))] = estimate.knownCount(chartDay == today ? nowMs : endOfDay(chartDay));
    };
    for (const FactAnswer &a : answers) {
        if (a.operand1 < 0 || a.operand1 >= FactSide || a.operand2 < 0 || a.operand2 >= FactSide)
            continue;
        const qint64 atMs = a.at.toMSecsSinceEpoch();
        const qint64 day = localDays.dayOf(atMs);
        countUntil(QDate::fromJulianDay(day));
        practised.insert(day);
        estimate.add(a);
        ++t.answers;
    }
    countUntil(today.addDays(1));
    t.days = int(practised.size());

    for (int i = 0; i < FactCount; ++i) {
        const FactMemory &m = estimate.fact(i);
        FactRecord &r = sum.facts[size_t(i)];
        r.tries = m.tries;
        r.right = m.right;
        r.lastMs = m.lastMs;
        if (m.tries)
            r.lastAt = QDateTime::fromMSecsSinceEpoch(m.lastAtMs, Qt::UTC);
        sum.states[size_t(i)] = estimate.state(i, nowMs);
        ++t.facts[size_t(sum.states[size_t(i)])];
    }
    sum.trickiest = troubleFacts(rankFacts(estimate, nowMs), FactCount);
    return sum;
}
