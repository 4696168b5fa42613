// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemclock.h"

#include <QTime>
#include <chrono>
#include <cmath>
#include <random>
#include <thread>

float SystemClock::secondsSinceMidnight() const
{
    return float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

int64_t SystemClock::monotonicMs() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::sleepMs(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

struct MtRandom::Impl
{
    std::mt19937 gen;
    std::uniform_real_distribution<float> dist{0.0f, 1.0f};
};

MtRandom::MtRandom() : d(new Impl) {}
MtRandom::~MtRandom() { delete d; }

void MtRandom::seed(uint32_t s)
{
    d->gen.seed(s);
    d->dist.reset();
}

float MtRandom::next()
{
    const float r = d->dist(d->gen);
    // float canonical draws can round up to 1, which would make Int(r * 13) a
    // thirteenth factor; keep the half-open interval the callers rely on.
    return r < 1.0f ? r : std::nextafter(1.0f, 0.0f);
}
