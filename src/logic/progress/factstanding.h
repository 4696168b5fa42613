// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The facts of the tables, the states a child's fact can be in, and what the
// fact map's story line shows of one. How a child stands on a fact comes from
// the estimate of their memory (memoryestimate.h); the fact map, the parent's
// page, the totals and the chart all use that one rule.
#include <QDateTime>
#include <array>

// A fact is first number (0-12) times factor (0-12): 169 of them.
constexpr int FactSide = 13;
constexpr int FactCount = FactSide * FactSide;
inline int factIndex(int operand1, int operand2) { return operand2 * FactSide + operand1; }

struct FactPair
{
    int operand1 = 0; // the first number
    int operand2 = 0; // the factor
    bool operator==(const FactPair &) const = default;
};

enum class FactState { Untried, Tricky, GettingThere, Known };

// "Known" asks for answers within a time limit the parent chooses per child;
// 0 is no limit.
constexpr std::array<int, 4> TimeLimitChoicesMs{3000, 6000, 10000, 0};
constexpr int DefaultTimeLimitMs = 6000;

// What the map's story line tells of one fact.
struct FactRecord
{
    int tries = 0;
    int right = 0;
    QDateTime lastAt; // UTC; invalid when untried
    int lastMs = 0;
};
