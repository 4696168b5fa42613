// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "services.h"

class SystemClock : public Clock
{
public:
    float secondsSinceMidnight() const override;
    int64_t monotonicMs() const override;
    void sleepMs(int ms) override;
};

// std::mt19937 behind the shared [0, 1) draws.
class MtRandom : public RandomSource
{
public:
    MtRandom();
    ~MtRandom() override;
    void seed(uint32_t s) override;
    float next() override;

private:
    struct Impl;
    Impl *d;
};
