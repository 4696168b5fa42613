// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The counters of a practice drill, its record of missed problems and the
// summary shown when it stops.
#include "problem.h"

#include <QString>
#include <array>

constexpr int MissedCapacity = 100;

class Drill
{
public:
    // Counters are plain ints: a drill without a clock can go on past any
    // 16-bit count without the summary turning to nonsense.
    int Tried = 0;
    int Missed = 0;
    // Records 1..100; element 0 is unused.
    std::array<int16_t, MissedCapacity + 1> MissedOperand1{};
    std::array<int16_t, MissedCapacity + 1> MissedOperand2{};
    std::array<int16_t, MissedCapacity + 1> MissedGiven{};
    std::array<int16_t, MissedCapacity + 1> MissedOpCode{};

    void start() { Tried = Missed = 0; }
    // A wrong answer counts always and is recorded while there is room.
    void countWrong(const Problem &p, int16_t given);
    void countAnswer() { ++Tried; }
    // Records that can be reviewed: at most the capacity.
    int recorded() const { return Missed < MissedCapacity ? Missed : MissedCapacity; }
};

struct DrillSummary
{
    std::array<QString, 4> lines;
    // The same in words, as it is heard (spoken.h); an empty line says nothing.
    std::array<QString, 4> spokenLines;
    QString spokenReward;
    int percent = 0;
    int reward = -1;         // index of the reward picture, -1 for none
    bool fullHeight = false; // the panel covers the whole practice box
    bool review = false;     // there are missed problems to look at
};

// A reward picture needs this many problems tried; below it the panel is short.
constexpr int RewardMinProblems = 5;
// The share of right answers, in per cent, that earns reward picture 0, 1 or
// 2; anything less earns picture 3.
constexpr std::array<int, 3> RewardThresholds{90, 80, 70};

// timerMode is one of ClockMode; counting down starts from countDownSteps
// half-minutes.
DrillSummary summarizeDrill(int tried, int missed, int timerMode, int timerCount, int countDownSteps);
// The whole summary in words, read once: the lines, then the reward.
QString spokenSummary(const DrillSummary &summary);
