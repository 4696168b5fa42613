// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five schedules the simulated children practise under. Tricky and
// Random are the program's own code; the others are written here.
#include "model.h"

#include "progress/memoryestimate.h"

#include <QDateTime>
#include <memory>
#include <vector>

// The child's record: their answers, oldest first, as the program keeps them.
using Record = FactAnswers;

// What a drill's start knows: the record, the time, and (for the oracle
// only, which no program can) the child's true memory.
struct DrillContext
{
    const Record &record;
    QDateTime now;
    int day = 0;   // calendar days since the first drill
    int drill = 0; // drills before this one
    int limitMs = 6000;
    const SimulatedChild &child;
};

class Schedule
{
public:
    virtual ~Schedule() = default;
    virtual void startDrill(const DrillContext &c) = 0;
    virtual FactPair next() = 0;
    virtual void judged(const FactPair &fact, bool correct, int ms, const QDateTime &at, const SimulatedChild &child) = 0;
    // The schedule's own estimate of a right answer in time, where it has one.
    virtual double predicted(const FactPair &) const { return -1; }
};

enum class ScheduleKind { Tricky, Random, TableADay, Leitner, Oracle };
constexpr int ScheduleCount = 5;
const char *scheduleName(ScheduleKind k);
std::unique_ptr<Schedule> makeSchedule(ScheduleKind k, uint32_t seed);
