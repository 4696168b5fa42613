// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedules.h"

#include "platform/systemclock.h"
#include "practice/problem.h"
#include "practice/trickychooser.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <random>

namespace {
constexpr int MaxMultiplier = 12;

// The program's chooser, made at each drill's start from the record as a
// drill makes it, and told each answer as a drill tells it.
class Tricky : public Schedule
{
public:
    explicit Tricky(uint32_t seed) { m_random.seed(seed); }
    void startDrill(const DrillContext &c) override
    {
        m_chooser.emplace(c.record, c.limitMs, c.now);
    }
    FactPair next() override { return m_chooser->next(m_random, MaxMultiplier); }
    void judged(const FactPair &f, bool correct, int ms, const QDateTime &at, const SimulatedChild &) override
    {
        m_chooser->judged(f, correct, ms, at);
    }
    double predicted(const FactPair &f) const override { return m_chooser->recall(f); }

private:
    MtRandom m_random;
    std::optional<TrickyChooser> m_chooser;
};

// The program's own draw, with a fixed factor or Random's.
class Drawn : public Schedule
{
public:
    Drawn(uint32_t seed, bool tableADay) : m_tableADay(tableADay) { m_random.seed(seed); }
    void startDrill(const DrillContext &c) override { m_factor = m_tableADay ? int16_t(c.drill % Side) : int16_t(-1); }
    FactPair next() override
    {
        const Problem p = makeProblem(m_random, m_factor, MaxMultiplier);
        return {p.Operand1, p.Operand2};
    }
    void judged(const FactPair &, bool, int, const QDateTime &, const SimulatedChild &) override {}

private:
    MtRandom m_random;
    bool m_tableADay;
    int16_t m_factor = -1;
};

// Five boxes: up one on a right answer in time, back to the first on a miss;
// box k is asked every 2^(k-1) days. Facts due come first, the lowest box
// first; new facts fill the rest of a drill's 20.
class Leitner : public Schedule
{
public:
    explicit Leitner(uint32_t seed) : m_rng(seed) { m_box.fill(0); }
    void startDrill(const DrillContext &c) override
    {
        m_limitMs = c.limitMs;
        m_today = c.day;
        std::vector<int> order(Facts);
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), m_rng);
        const auto waits = [this](int i) { return m_last[size_t(i)] + (1 << (m_box[size_t(i)] - 1)) - m_today; };
        std::vector<int> due, fresh, later;
        for (int i : order)
            (m_box[size_t(i)] == 0 ? fresh : waits(i) <= 0 ? due : later).push_back(i);
        std::stable_sort(due.begin(), due.end(), [this](int a, int b) { return m_box[size_t(a)] < m_box[size_t(b)]; });
        std::stable_sort(later.begin(), later.end(), [&](int a, int b) { return waits(a) < waits(b); });
        m_queue.clear();
        for (const auto *from : {&due, &fresh, &later})
            for (int i : *from)
                if (m_queue.size() < 20)
                    m_queue.push_back(i);
        m_at = 0;
    }
    FactPair next() override
    {
        const int i = m_queue[m_at++ % m_queue.size()];
        return {i % Side, i / Side};
    }
    void judged(const FactPair &f, bool correct, int ms, const QDateTime &, const SimulatedChild &) override
    {
        const size_t i = size_t(indexOf(f.operand1, f.operand2));
        m_box[i] = correct && ms <= m_limitMs ? std::min(m_box[i] + 1, 5) : 1;
        m_last[i] = m_today;
    }

private:
    std::mt19937 m_rng;
    std::array<int, Facts> m_box{}, m_last{};
    std::vector<int> m_queue;
    size_t m_at = 0;
    int m_today = 0;
    int m_limitMs = 6000;
};

// Asks the fact of lowest true recall each time: an upper bound, as it reads
// the child's memory. Recall is taken at the drill's start and followed for
// the facts asked in it (and their twins), which a few minutes barely move.
class Oracle : public Schedule
{
public:
    void startDrill(const DrillContext &c) override
    {
        m_limit = c.limitMs / 1000.0;
        for (int i = 0; i < Facts; ++i)
            m_p[size_t(i)] = c.child.inTime(i, m_limit);
    }
    FactPair next() override
    {
        const int i = int(std::min_element(m_p.begin(), m_p.end()) - m_p.begin());
        return {i % Side, i / Side};
    }
    void judged(const FactPair &f, bool, int, const QDateTime &, const SimulatedChild &child) override
    {
        const int i = indexOf(f.operand1, f.operand2);
        for (int j : {i, twinOf(i)})
            m_p[size_t(j)] = child.inTime(j, m_limit);
    }

private:
    double m_limit = 6;
    std::array<double, Facts> m_p{};
};
} // namespace

const char *scheduleName(ScheduleKind k)
{
    switch (k) {
    case ScheduleKind::Tricky: return "Tricky";
    case ScheduleKind::Random: return "Random";
    case ScheduleKind::TableADay: return "one table a day";
    case ScheduleKind::Leitner: return "Leitner";
    case ScheduleKind::Oracle: return "oracle";
    }
    return "";
}

std::unique_ptr<Schedule> makeSchedule(ScheduleKind k, uint32_t seed)
{
    switch (k) {
    case ScheduleKind::Tricky: return std::make_unique<Tricky>(seed);
    case ScheduleKind::Random: return std::make_unique<Drawn>(seed, false);
    case ScheduleKind::TableADay: return std::make_unique<Drawn>(seed, true);
    case ScheduleKind::Leitner: return std::make_unique<Leitner>(seed);
    case ScheduleKind::Oracle: return std::make_unique<Oracle>();
    }
    return nullptr;
}
