// SPDX-License-Identifier: GPL-3.0-or-later
#include "model.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {
constexpr double Noise = 0.3;     // log-normal sigma of every answer time
constexpr double SlipP = 0.015;
constexpr double NeitherSeconds = 7.0;

bool hard(int a, int b)
{
    if (a > b)
        std::swap(a, b);
    static const int pairs[][2] = {{6, 7}, {6, 8}, {6, 9}, {7, 7}, {7, 8}, {7, 9}, {8, 8}, {8, 9},
                                   {6, 12}, {7, 12}, {8, 12}, {9, 12}, {11, 11}, {11, 12}};
    for (const auto &p : pairs)
        if (p[0] == a && p[1] == b)
            return true;
    return false;
}

// Phi: the standard normal distribution function.
double normalCdf(double z) { return 0.5 * std::erfc(-z / std::sqrt(2.0)); }

// The chance that a log-normal time of this median is within the limit.
double within(double median, double limit)
{
    if (limit <= 0)
        return 1.0;
    return normalCdf(std::log(limit / median) / Noise);
}
} // namespace

bool settingsNamed(const char *name, ModelSettings *out)
{
    ModelSettings s;
    if (!std::strcmp(name, "standard")) {
    } else if (!std::strcmp(name, "faster-forgetting")) {
        s.h = 0.05; // a day away weighs twice as much
    } else if (!std::strcmp(name, "no-spacing")) {
        s.c = 0; // every trace decays alike, however fresh the fact
    } else if (!std::strcmp(name, "slow-typist")) {
        s.extraSeconds = 1.5;
    } else if (!std::strcmp(name, "harder-facts")) {
        s.difficultyShift = 0.1;
    } else {
        return false;
    }
    s.name = name;
    *out = s;
    return true;
}

bool isRuleFact(int a, int b) { return a <= 1 || b <= 1 || a == 10 || b == 10; }

// The published difficulties, written out here again on purpose rather than
// taken from the program's prior (usualDifficulty): the simulated child must
// not change when the program's estimate does.
double baseDifficulty(int a, int b)
{
    if (a <= 1 || b <= 1)
        return 0.02;
    if (a == 10 || b == 10)
        return 0.08;
    double d;
    if ((a == 11 && b <= 9) || (b == 11 && a <= 9))
        d = 0.15;
    else if (a == 2 || b == 2)
        d = 0.20;
    else if (a == 5 || b == 5)
        d = 0.30;
    else
        d = 0.35 + 0.5 * (a * b - 9) / 135.0;
    if (a == b)
        d -= 0.1;
    if (hard(a, b))
        d += 0.15;
    return std::max(d, 0.02);
}

SimulatedChild::SimulatedChild(const ModelSettings &settings, uint32_t seed) : m_set(settings), m_rng(seed)
{
    std::normal_distribution<double> ability(0, 0.25), noise(0, 0.08);
    const double own = ability(m_rng);
    for (int o2 = 0; o2 < Side; ++o2)
        for (int o1 = 0; o1 < Side; ++o1) {
            const int i = indexOf(o1, o2);
            const double d = std::max(baseDifficulty(o1, o2) + settings.difficultyShift + noise(m_rng), 0.0);
            m_beta[size_t(i)] = 0.5 - 1.1 * d + own;
            if (isRuleFact(o1, o2)) {
                m_backupP[size_t(i)] = 0.98;
                m_backupSeconds[size_t(i)] = 2.0;
            } else {
                m_backupP[size_t(i)] = std::clamp(0.95 - 0.85 * d, 0.02, 0.98);
                m_backupSeconds[size_t(i)] = 3.0 + 12.0 * d;
            }
        }
}

double SimulatedChild::activation(int fact, double at) const
{
    double sum = 0;
    const auto add = [&sum, at](const std::vector<Trace> &traces, double weight) {
        for (const Trace &t : traces)
            sum += weight * std::exp(-t.decay * std::log(std::max(at - t.at, 1.0)));
    };
    add(m_traces[size_t(fact)], 1.0);
    const int twin = twinOf(fact);
    if (twin != fact)
        add(m_traces[size_t(twin)], m_set.omega);
    if (sum <= 0)
        return -std::numeric_limits<double>::infinity();
    return m_beta[size_t(fact)] + std::log(sum);
}

double SimulatedChild::retrievalP(double m) const
{
    if (!std::isfinite(m))
        return 0;
    return 1.0 / (1.0 + std::exp((m_set.tau - m) / m_set.s));
}

SimulatedChild::Answer SimulatedChild::answer(int fact)
{
    std::uniform_real_distribution<double> u(0, 1);
    std::normal_distribution<double> z(0, Noise);
    const double m = activation(fact, m_now);
    const double p = retrievalP(m);
    const bool retrieved = u(m_rng) < p;
    const double retrievalSeconds = (std::isfinite(m) ? 1.0 + 2.0 * std::exp(-m) : 1e9) * std::exp(z(m_rng));
    const bool backedUp = u(m_rng) < m_backupP[size_t(fact)];
    const double backupSeconds = m_backupSeconds[size_t(fact)] * std::exp(z(m_rng));
    Answer a;
    if (retrieved || backedUp) {
        a.correct = true;
        a.seconds = std::min(retrieved ? retrievalSeconds : 1e9, backedUp ? backupSeconds : 1e9);
    } else {
        a.seconds = NeitherSeconds * std::exp(z(m_rng));
    }
    if (u(m_rng) < SlipP)
        a.correct = false;
    a.seconds += m_set.extraSeconds;
    m_now += a.seconds;
    // The trace's decay follows the activation as it is laid down: practice
    // on a fresh fact fades fast.
    const double now = activation(fact, m_now);
    const double decay = m_set.c * (std::isfinite(now) ? std::exp(now) : 0.0) + m_set.a;
    m_traces[size_t(fact)].push_back({m_now, decay});
    return a;
}

double SimulatedChild::inTimeAfter(int fact, double limit, double restSeconds) const
{
    const double m = activation(fact, m_now + m_set.h * restSeconds);
    // The typing a slow typist adds comes off the limit.
    const double left = limit <= 0 ? 0 : std::max(limit - m_set.extraSeconds, 1e-3);
    const double retrieval = std::isfinite(m) ? retrievalP(m) * within(1.0 + 2.0 * std::exp(-m), left) : 0.0;
    const double backup = m_backupP[size_t(fact)] * within(m_backupSeconds[size_t(fact)], left);
    return (1.0 - SlipP) * (1.0 - (1.0 - retrieval) * (1.0 - backup));
}

double SimulatedChild::inTime(int fact, double limit) const { return inTimeAfter(fact, limit, 0); }

double SimulatedChild::trulyKnown(double limit, double restSeconds) const
{
    double sum = 0;
    for (int i = 0; i < Facts; ++i)
        sum += inTimeAfter(i, limit, restSeconds);
    return sum;
}

int SimulatedChild::secure(double limit) const
{
    int n = 0;
    for (int i = 0; i < Facts; ++i)
        n += inTime(i, limit) >= 0.9;
    return n;
}
