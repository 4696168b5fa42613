// SPDX-License-Identifier: GPL-3.0-or-later
#include "problem.h"
#include "platform/services.h"

#include <algorithm>
#include <cmath>

int16_t drawBelow(RandomSource &random, int n)
{
    // Int(R * n), kept inside 0..n-1 whatever the source returns
    const int v = int(std::floor(random.next() * float(n)));
    return int16_t(std::clamp(v, 0, n - 1));
}

int16_t digitCount(int answer)
{
    int16_t d = 1;
    if (answer > 9)
        d = 2;
    if (answer > 99)
        d = 3;
    return d;
}

Problem makeProblem(RandomSource &random, int16_t practiceFactor, int16_t maxMultiplier)
{
    const int16_t f = practiceFactor == -1 ? drawBelow(random, 13) : practiceFactor;
    return problemOf(drawBelow(random, std::max<int>(maxMultiplier, 0) + 1), f);
}

Problem problemOf(int16_t operand1, int16_t factor)
{
    Problem p;
    p.Operand2 = factor;
    p.Operand1 = operand1;
    p.Answer = int16_t(p.Operand1 * factor);
    p.OpCode = 2;
    p.ProblemType = 3;
    p.DigitPos = 1;
    p.Digits = digitCount(p.Answer);
    return p;
}
