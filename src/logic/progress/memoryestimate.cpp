// SPDX-License-Identifier: GPL-3.0-or-later
#include "memoryestimate.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// Pavlik & Anderson's parameters: the decay's scale and base, the retrieval
// threshold and its noise, and the share of time away that counts.
constexpr double DecayScale = 0.217, DecayBase = 0.177, Threshold = -0.704, Noise = 0.255, AwayShare = 0.025;
// A pause up to this long (a drill's problems, a look at the results) counts
// in full on the practice clock.
constexpr double FullPauseSeconds = 120;
constexpr double TwinShare = 0.5;
// ACT-R's latency, t0 + F e^-m, for a child typing the answer, with its
// log-normal spread.
constexpr double LatencyBase = 1.0, LatencyScale = 2.0, LatencySpread = 0.3;
// How far one answer moves a fact's beta at first, and how that shrinks as
// its answers add up; the same for the child's own level, which all facts
// share, and for how well the child works facts out without remembering.
// Larger steps chase luck: the last few answers of a fact would decide it.
constexpr double FactStep = 0.1, FactStepFade = 0.1;
constexpr double LevelStep = 0.1, LevelStepFade = 0.01;
constexpr double WorkingOutStep = 0.1, WorkingOutStepFade = 0.02;
// How far a right answer's time moves beta towards the activation it shows.
constexpr double SpeedStep = 0.1;
// Below this recall a fact is tricky; from it on, with the last two days it
// was asked right in time, known.
constexpr double LikelyRecall = 0.5;
constexpr int KnownDays = 2;

double logistic(double x) { return 1 / (1 + std::exp(-x)); }
double logit(double p)
{
    p = std::clamp(p, 1e-4, 1 - 1e-4);
    return std::log(p / (1 - p));
}
double normalCdf(double z) { return 0.5 * std::erfc(-z / std::sqrt(2.0)); }
double power(double base, double exponent) { return std::exp(exponent * std::log(base)); }

bool notorious(int a, int b)
{
    if (a > b)
        std::swap(a, b);
    static const int pairs[][2] = {{6, 7}, {6, 8}, {6, 9}, {7, 7}, {7, 8}, {7, 9}, {8, 8}, {8, 9},
                                   {6, 12}, {7, 12}, {8, 12}, {9, 12}, {11, 11}, {11, 12}};
    return std::any_of(std::begin(pairs), std::end(pairs), [a, b](const int *p) { return p[0] == a && p[1] == b; });
}

// A fact's beta before any answer.
double firstBeta(double usual) { return 0.5 - 1.1 * usual; }

// The chance of working the fact out within the limit without remembering
// it: a rule is quick and sure, counting up is slower and slips more on the
// larger products.
double workedOut(double usual, int limitMs)
{
    const double sure = std::clamp(0.97 - 0.8 * usual, 0.0, 1.0);
    if (limitMs <= 0)
        return sure;
    const double seconds = 2.0 + 12.0 * usual;
    return sure * normalCdf(std::log(limitMs / 1000.0 / seconds) / 0.35);
}

// A trace's part of the activation sum at the clock, aged at least a second.
double traceTerm(double clock, double at, double decay) { return power(std::max(clock - at, 1.0), -decay); }

// A fact keeps its newest traces; the oldest of them joins the merged ones,
// whose sum stays what it is now, at their mean decay.
void keepTrace(FactMemory &f, double clock, double decay)
{
    if (f.kept == FactMemory::Kept) {
        const FactMemory::Trace &old = f.traces[size_t(f.next)];
        double sum = traceTerm(clock, old.at, old.decay);
        if (f.olderCount > 0)
            sum += f.olderCount * traceTerm(clock, f.olderAt, f.olderDecay);
        const double count = f.olderCount + 1;
        f.olderDecay = (f.olderCount * f.olderDecay + old.decay) / count;
        f.olderCount = count;
        f.olderAt = clock - power(sum / count, -1 / f.olderDecay);
    } else {
        ++f.kept;
    }
    f.traces[size_t(f.next)] = {clock, decay};
    f.next = (f.next + 1) % FactMemory::Kept;
}
} // namespace

double usualDifficulty(int a, int b)
{
    if (a <= 1 || b <= 1)
        return 0.02;
    if (a == 10 || b == 10)
        return 0.08;
    double d;
    if ((a == 11 && b <= 9) || (b == 11 && a <= 9))
        d = 0.15;
    else if (a == 2 || b == 2)
        d = 0.2;
    else if (a == 5 || b == 5)
        d = 0.3;
    else
        d = 0.35 + 0.5 * (a * b - 9) / 135.0;
    if (a == b)
        d -= 0.1;
    if (notorious(a, b))
        d += 0.15;
    return std::clamp(d, 0.0, 1.0);
}

qint64 LocalDays::dayOf(qint64 utcMs)
{
    if (utcMs < m_from || utcMs >= m_to) {
        const QDate d = QDateTime::fromMSecsSinceEpoch(utcMs, Qt::LocalTime).date();
        m_day = d.toJulianDay();
        m_from = QDateTime(d, QTime(0, 0), Qt::LocalTime).toMSecsSinceEpoch();
        m_to = QDateTime(d.addDays(1), QTime(0, 0), Qt::LocalTime).toMSecsSinceEpoch();
        // A day the zone cannot place is asked about answer by answer.
        if (m_from > utcMs || m_to <= utcMs)
            m_from = m_to = utcMs;
        if (m_from == m_to)
            ++m_to;
    }
    return m_day;
}

MemoryEstimate::MemoryEstimate(int limitMs) : m_limitMs(std::max(limitMs, 0))
{
    for (int o2 = 0; o2 < FactSide; ++o2)
        for (int o1 = 0; o1 < FactSide; ++o1) {
            const size_t i = size_t(factIndex(o1, o2));
            const double usual = usualDifficulty(o1, o2);
            m_facts[i].beta = firstBeta(usual);
            m_floor[i] = workedOut(usual, m_limitMs);
        }
}

double MemoryEstimate::clockAt(qint64 atMs) const
{
    if (m_answers == 0)
        return 0;
    const double away = std::max(0.0, double(atMs - m_lastMs) / 1000.0);
    return m_clock + std::min(away, FullPauseSeconds) + AwayShare * std::max(0.0, away - FullPauseSeconds);
}

double MemoryEstimate::traceSum(const FactMemory &f, double clock) const
{
    double sum = 0;
    for (int k = 0; k < f.kept; ++k)
        sum += traceTerm(clock, f.traces[size_t(k)].at, f.traces[size_t(k)].decay);
    if (f.olderCount > 0)
        sum += f.olderCount * traceTerm(clock, f.olderAt, f.olderDecay);
    return sum;
}

double MemoryEstimate::activation(int index, double clock) const
{
    double sum = traceSum(m_facts[size_t(index)], clock);
    const int twin = factIndex(index / FactSide, index % FactSide);
    if (twin != index)
        sum += TwinShare * traceSum(m_facts[size_t(twin)], clock);
    if (sum <= 0)
        return -std::numeric_limits<double>::infinity();
    return m_facts[size_t(index)].beta + m_level + std::log(sum);
}

double MemoryEstimate::workedOutChance(int index) const
{
    return logistic(logit(m_floor[size_t(index)]) + m_workingOut);
}

double MemoryEstimate::recallAt(int index, double m) const
{
    double remembered = 0;
    if (std::isfinite(m)) {
        remembered = logistic((m - Threshold) / Noise);
        if (m_limitMs > 0)
            remembered *= normalCdf(std::log(m_limitMs / 1000.0 / (LatencyBase + LatencyScale * std::exp(-m))) /
                                    LatencySpread);
    }
    return 1 - (1 - remembered) * (1 - workedOutChance(index));
}

double MemoryEstimate::recall(int index, qint64 atMs) const
{
    return recallAt(index, activation(index, clockAt(atMs)));
}

FactState MemoryEstimate::state(int index, qint64 atMs) const
{
    // An untried fact needs no recall worked out.
    return m_facts[size_t(index)].tries == 0 ? FactState::Untried : stateGiven(index, recall(index, atMs));
}

FactState MemoryEstimate::stateGiven(int index, double recallNow) const
{
    const FactMemory &f = m_facts[size_t(index)];
    if (f.tries == 0)
        return FactState::Untried;
    if (!f.lastCorrect || recallNow < LikelyRecall)
        return FactState::Tricky;
    return f.daysInTime >= KnownDays ? FactState::Known : FactState::GettingThere;
}

int MemoryEstimate::knownCount(qint64 atMs) const
{
    int known = 0;
    for (int i = 0; i < FactCount; ++i)
        known += state(i, atMs) == FactState::Known;
    return known;
}

void MemoryEstimate::add(const FactAnswer &a)
{
    add(a.operand1, a.operand2, a.correct, a.ms, a.at.toMSecsSinceEpoch());
}

double MemoryEstimate::learn(int index, bool inTime, int ms, double m)
{
    FactMemory &f = m_facts[size_t(index)];
    const double seen = inTime ? 1.0 : 0.0;
    if (!std::isfinite(m)) {
        // Nothing to remember yet: the answer shows how well the child works
        // facts out.
        m_workingOut += WorkingOutStep / (1 + WorkingOutStepFade * m_firstAnswers) * (seen - workedOutChance(index));
        ++m_firstAnswers;
        return m;
    }
    // What was expected of the answer against what came: the fact's beta
    // moves most while it has few answers, the child's level slowly.
    const double surprise = seen - recallAt(index, m);
    double step = FactStep / (1 + FactStepFade * f.updates) * surprise;
    if (inTime) {
        // A right answer's time shows how active the fact was.
        const double shown = -std::log(std::max(ms / 1000.0 - LatencyBase, 0.1) / LatencyScale);
        step += SpeedStep * std::clamp(shown - m, -1.0, 1.0);
    }
    const double level = LevelStep / (1 + LevelStepFade * m_levelUpdates) * surprise;
    f.beta += step;
    m_level += level;
    ++f.updates;
    ++m_levelUpdates;
    return m + step + level;
}

void MemoryEstimate::add(int o1, int o2, bool correct, int ms, qint64 atMs)
{
    if (o1 < 0 || o1 >= FactSide || o2 < 0 || o2 >= FactSide)
        return;
    const int index = factIndex(o1, o2);
    FactMemory &f = m_facts[size_t(index)];
    const bool inTime = this->inTime(correct, ms);
    const double clock = clockAt(atMs);
    const double m = learn(index, inTime, ms, activation(index, clock));
    // The new trace decays the faster the fresher the fact is now.
    keepTrace(f, clock, DecayScale * (std::isfinite(m) ? std::exp(std::min(m, 3.0)) : 0.0) + DecayBase);

    ++f.tries;
    f.right += correct;
    f.lastAtMs = atMs;
    f.lastMs = ms;
    f.lastCorrect = correct;
    f.lastInTime = inTime;
    if (inTime) {
        // Days in a row of answers right in time, however many on one day.
        const qint64 day = m_days.dayOf(atMs);
        if (f.daysInTime == 0 || day != f.lastInTimeDay)
            ++f.daysInTime;
        f.lastInTimeDay = day;
    } else {
        f.daysInTime = 0;
    }
    m_clock = clock;
    m_lastMs = atMs;
    ++m_answers;
}
