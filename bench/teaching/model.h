// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A simulated child whose memory of each fact follows ACT-R with a spacing
// effect (Pavlik & Anderson 2005), with the additions for multiplication
// facts described in learner-model.md: commuted twins share memory, each
// fact has its own difficulty, and an answer is a race between retrieval and
// a slower backup strategy. It ranks schedules; it does not predict a child.
#include <array>
#include <cstdint>
#include <random>
#include <vector>

constexpr int Side = 13;
constexpr int Facts = Side * Side;
inline int indexOf(int operand1, int operand2) { return operand2 * Side + operand1; }
inline int twinOf(int index) { return (index % Side) * Side + index / Side; }

// The model's settings: the standard one and the variations the schedules are
// also compared under.
struct ModelSettings
{
    const char *name = "standard";
    double c = 0.217, a = 0.177, tau = -0.704, s = 0.255;
    double h = 0.025;      // the share of the time between drills that counts
    double omega = 0.5;    // a twin's traces count this much
    double extraSeconds = 0; // added to every answer: a slow typist
    double difficultyShift = 0; // added to every fact's difficulty
};

// The settings by name: standard, faster-forgetting, no-spacing, slow-typist.
bool settingsNamed(const char *name, ModelSettings *out);

// The usual difficulty of a fact, before the child's own noise.
double baseDifficulty(int operand1, int operand2);
bool isRuleFact(int operand1, int operand2); // x0, x1, x10: answered by a rule

class SimulatedChild
{
public:
    SimulatedChild(const ModelSettings &settings, uint32_t seed);

    // Time away from practice: it counts only h of the clock.
    void rest(double seconds) { m_now += m_set.h * seconds; }
    // Time inside a drill counts in full.
    void spend(double seconds) { m_now += seconds; }

    struct Answer
    {
        bool correct = false;
        double seconds = 0;
    };
    // The child answers the fact (which takes the answer's time) and a trace
    // is laid down, right or wrong: after a miss the drill shows the answer.
    Answer answer(int fact);
    // The probability of a right answer within limitSeconds if asked now.
    double inTime(int fact, double limitSeconds) const;
    // The same, the given seconds of rest from now, nothing learned meanwhile.
    double inTimeAfter(int fact, double limitSeconds, double restSeconds) const;
    // The sum of inTime over all facts.
    double trulyKnown(double limitSeconds, double restSeconds = 0) const;
    // How many facts the child answers in time with at least 0.9.
    int secure(double limitSeconds) const;

private:
    struct Trace
    {
        double at, decay;
    };
    double activation(int fact, double at) const; // -inf with no trace
    double retrievalP(double m) const;

    ModelSettings m_set;
    std::mt19937 m_rng;
    double m_now = 0; // psychological seconds
    std::array<double, Facts> m_beta{};
    std::array<double, Facts> m_backupP{}, m_backupSeconds{};
    std::array<std::vector<Trace>, Facts> m_traces;
};
