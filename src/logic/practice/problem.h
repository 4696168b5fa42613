// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One practice problem: a first number times the factor.
#include <cstdint>

class RandomSource;

struct Problem
{
    int16_t Operand1 = 0;
    int16_t Operand2 = 0; // the factor
    int16_t Answer = 0;
    int16_t OpCode = 0;      // counted from 0: 2 is multiplication
    int16_t ProblemType = 0; // counted from 1: 3 is multiplication
    int16_t Digits = 0;
    int16_t DigitPos = 0;
};

// practiceFactor -1 draws the factor anew for each problem; the factor is
// drawn before the first number.
Problem makeProblem(RandomSource &random, int16_t practiceFactor, int16_t maxMultiplier);

// The problem operand1 x factor, its answer and digits.
Problem problemOf(int16_t operand1, int16_t factor);

// Int(R * n) for a fresh draw R: 0..n-1.
int16_t drawBelow(RandomSource &random, int n);

// Digits of a 0..144 answer: 1, 2 or 3.
int16_t digitCount(int answer);
