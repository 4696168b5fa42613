// SPDX-License-Identifier: GPL-3.0-or-later
// The teaching benchmark: simulated children (model.h) practise under five
// schedules, and we count what they know. 20 problems a day, one drill at
// 16:00 Monday to Friday for 8 weeks, maximum multiplier 12, time limit 6 s;
// then a two-week holiday and a test of all 169 facts. The same children go
// on without the holiday for up to 40 weeks, for how long each schedule takes
// to 150 facts and what the record says on the way.
//
//   bench_teaching [--children N] [--threads N] [--setting NAME] [--weeks N]
//
// NAME is standard, faster-forgetting, no-spacing, slow-typist or
// harder-facts. Fixed seeds: the same run prints the same figures.
#include "model.h"
#include "schedules.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <thread>

namespace {
constexpr int ProblemsPerDrill = 20;
constexpr int LimitMs = 6000;
constexpr double LimitSeconds = LimitMs / 1000.0;
constexpr int DrillsBeforeHoliday = 40;
constexpr double DaySeconds = 86400;
constexpr double PauseSeconds = 1.0;  // the pause after each answer
constexpr double MissSeconds = 1.5;   // the uh-oh and the right answer shown
const double Nan = std::numeric_limits<double>::quiet_NaN();

// Everything measured of one child under one schedule; NaN where the event
// never came.
struct Figures
{
    double start = 0, known4 = 0, known8 = 0, known16 = Nan, holiday = 0, record8 = 0, atRecord169 = Nan;
    double easyShare = 0, neverAsked = 0, mostAsks = 0, wrongShare = 0, halfWrongShare = 0;
    double days150 = Nan, newPerDrill = 0, untried4 = 0, secure8 = 0;
    // The schedule's own estimate against what came, where it has one.
    struct Bin
    {
        double predicted = 0;
        int inTime = 0, asked = 0;
    };
    std::array<Bin, 10> calibration{};
};
constexpr double CalibrationBins = 10;

struct Row
{
    const char *label;
    double Figures::*field;
    int decimals;
    bool percent;
    bool largest = false; // the largest child's figure too
};

const Row Rows[] = {
    {"truly known at the start", &Figures::start, 1, false},
    {"truly known after 4 weeks", &Figures::known4, 1, false},
    {"truly known after 8 weeks", &Figures::known8, 1, false},
    {"after the 2-week holiday", &Figures::holiday, 1, false},
    {"truly known after 16 weeks (the long run)", &Figures::known16, 1, false},
    {"secure (P >= 0.9) after 8 weeks", &Figures::secure8, 0, false},
    {"known on the record after 8 weeks", &Figures::record8, 1, false},
    {"truly known when the record first says 169", &Figures::atRecord169, 1, false},
    {"problems on facts already answered in time (P >= 0.95)", &Figures::easyShare, 0, true},
    {"facts never asked in 8 weeks", &Figures::neverAsked, 1, false},
    {"untried after 4 weeks", &Figures::untried4, 1, false},
    {"new facts per drill (first 4 weeks)", &Figures::newPerDrill, 1, false},
    {"most asks of one fact in one drill", &Figures::mostAsks, 1, false, true},
    {"wrong answers per drill", &Figures::wrongShare, 1, true},
    {"drills with half or more wrong", &Figures::halfWrongShare, 1, true},
    {"drill days until 150 truly known", &Figures::days150, 0, false},
};

Figures runChild(const ModelSettings &settings, int index, ScheduleKind kind, int weeks)
{
    const uint32_t seed = 20261209u + uint32_t(index) * 7919u;
    SimulatedChild child(settings, seed);
    std::unique_ptr<Schedule> schedule = makeSchedule(kind, seed ^ 0x5bd1e995u);
    Record record;
    // What My Facts would show, followed answer by answer as the record's
    // summary reads it.
    MemoryEstimate onRecord(LimitMs);
    Figures f;
    f.start = child.trulyKnown(LimitSeconds);

    const QDateTime first(QDate(2027, 1, 4), QTime(16, 0), QTimeZone::utc()); // a Monday
    QDateTime lastEnd = first;
    std::array<int, Facts> askedBefore{};
    int easy = 0, asked8 = 0, halfWrong = 0, newFacts = 0;
    double wrongShares = 0;
    const int drills = weeks * 5;
    for (int d = 0; d < drills; ++d) {
        const int day = d / 5 * 7 + d % 5;
        QDateTime now = first.addDays(day);
        child.rest(double(lastEnd.secsTo(now)));
        const bool measuring = d < DrillsBeforeHoliday;
        schedule->startDrill({record, now, day, d, LimitMs, child});
        std::array<int, Facts> asks{};
        int wrong = 0;
        qint64 ms = 0; // since the drill began
        for (int n = 0; n < ProblemsPerDrill; ++n) {
            const FactPair p = schedule->next();
            const int i = indexOf(p.operand1, p.operand2);
            if (measuring) {
                easy += child.inTime(i, LimitSeconds) >= 0.95;
                newFacts += d < 20 && askedBefore[size_t(i)] == 0 && asks[size_t(i)] == 0;
            }
            const SimulatedChild::Answer a = child.answer(i);
            const int answerMs = int(std::lround(a.seconds * 1000));
            ms += answerMs;
            const QDateTime at = now.addMSecs(ms);
            if (measuring) {
                const double predicted = schedule->predicted(p);
                if (predicted >= 0) {
                    const size_t bin = size_t(std::min(predicted * CalibrationBins, CalibrationBins - 1.0));
                    f.calibration[bin].predicted += predicted;
                    f.calibration[bin].inTime += a.correct && answerMs <= LimitMs;
                    ++f.calibration[bin].asked;
                }
            }
            record.push_back({p.operand1, p.operand2, a.correct, answerMs, at});
            onRecord.add(record.back());
            schedule->judged(p, a.correct, answerMs, at, child);
            ++asks[size_t(i)];
            wrong += !a.correct;
            const double pause = PauseSeconds + (a.correct ? 0 : MissSeconds);
            child.spend(pause);
            ms += qint64(pause * 1000);
        }
        lastEnd = now.addMSecs(ms);
        for (int i = 0; i < Facts; ++i)
            askedBefore[size_t(i)] += asks[size_t(i)];
        // Measured as the 20th and the 40th drill end; the holiday runs
        // from the 40th.
        if (d + 1 == 20) {
            f.known4 = child.trulyKnown(LimitSeconds);
            f.untried4 = double(std::count(askedBefore.begin(), askedBefore.end(), 0));
        }
        if (d + 1 == DrillsBeforeHoliday) {
            f.known8 = child.trulyKnown(LimitSeconds);
            f.secure8 = child.secure(LimitSeconds);
            f.holiday = child.trulyKnown(LimitSeconds, 14 * DaySeconds);
            f.record8 = onRecord.knownCount(lastEnd.toMSecsSinceEpoch());
            f.neverAsked = double(std::count(askedBefore.begin(), askedBefore.end(), 0));
        }
        if (d + 1 == 80)
            f.known16 = child.trulyKnown(LimitSeconds);
        if (measuring) {
            asked8 += ProblemsPerDrill;
            f.mostAsks = std::max(f.mostAsks, double(*std::max_element(asks.begin(), asks.end())));
            wrongShares += double(wrong) / ProblemsPerDrill;
            halfWrong += wrong * 2 >= ProblemsPerDrill;
        }
        if (std::isnan(f.atRecord169) && onRecord.knownCount(lastEnd.toMSecsSinceEpoch()) == Facts)
            f.atRecord169 = child.trulyKnown(LimitSeconds);
        if (std::isnan(f.days150) && child.trulyKnown(LimitSeconds) >= 150)
            f.days150 = d + 1;
        if (d >= 80 && !std::isnan(f.atRecord169) && !std::isnan(f.days150))
            break;
    }
    const int measured = std::min(drills, DrillsBeforeHoliday);
    f.easyShare = double(easy) / std::max(asked8, 1);
    f.wrongShare = wrongShares / measured;
    f.halfWrongShare = double(halfWrong) / measured;
    f.newPerDrill = double(newFacts) / std::min(drills, 20);
    return f;
}

struct Stat
{
    double mean = Nan, sd = Nan, largest = Nan;
    int count = 0;
};

Stat statOf(const std::vector<Figures> &all, double Figures::*field)
{
    Stat s;
    double sum = 0, sq = 0;
    for (const Figures &f : all)
        if (!std::isnan(f.*field)) {
            sum += f.*field;
            sq += f.*field * f.*field;
            s.largest = s.count ? std::max(s.largest, f.*field) : f.*field;
            ++s.count;
        }
    if (s.count) {
        s.mean = sum / s.count;
        s.sd = std::sqrt(std::max(sq / s.count - s.mean * s.mean, 0.0));
    }
    return s;
}

std::string cell(const Stat &s, const Row &r, int children)
{
    if (!s.count)
        return "never";
    const double k = r.percent ? 100 : 1;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f%s ± %.*f", r.decimals, s.mean * k, r.percent ? " %" : "", r.decimals, s.sd * k);
    std::string out = buf;
    if (r.largest) {
        std::snprintf(buf, sizeof buf, ", at most %.*f", r.decimals, s.largest * k);
        out += buf;
    }
    if (s.count < children) {
        std::snprintf(buf, sizeof buf, " (%d)", s.count);
        out += buf;
    }
    return out;
}
} // namespace

int main(int argc, char *argv[])
{
    // The drills are at 16:00 UTC, and the days the record counts are UTC
    // days: the same figures on any machine, and no time-zone lookups for
    // the two threads to queue for.
    qputenv("TZ", "UTC");
    QCoreApplication app(argc, argv);
    int children = 200, threads = int(std::max(2u, std::thread::hardware_concurrency())), weeks = 40;
    ModelSettings settings;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--children"))
            children = std::max(1, std::atoi(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--threads"))
            threads = std::max(1, std::atoi(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--weeks"))
            weeks = std::max(8, std::atoi(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--setting") && settingsNamed(argv[i + 1], &settings))
            continue;
        else {
            std::fprintf(stderr, "usage: %s [--children N] [--threads N] [--setting standard|faster-forgetting|"
                                 "no-spacing|slow-typist|harder-facts] [--weeks N]\n", argv[0]);
            return 2;
        }
    }
    QElapsedTimer timer;
    timer.start();
    std::vector<std::vector<Figures>> results(ScheduleCount, std::vector<Figures>(size_t(children)));
    std::atomic<int> nextJob{0};
    const int jobs = children * ScheduleCount;
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t)
        pool.emplace_back([&] {
            for (int job; (job = nextJob++) < jobs;) {
                const int k = job % ScheduleCount, c = job / ScheduleCount;
                results[size_t(k)][size_t(c)] = runChild(settings, c, ScheduleKind(k), weeks);
            }
        });
    for (std::thread &t : pool)
        t.join();

    std::printf("Model: %s; %d children per schedule; 20 problems a day, Monday to Friday; limit 6 s; "
                "the long run %d weeks\n\n", settings.name, children, weeks);
    std::printf("| figure (mean ± sd; (n) = children it happened to) |");
    for (int k = 0; k < ScheduleCount; ++k)
        std::printf(" %s |", scheduleName(ScheduleKind(k)));
    std::printf("\n|---|");
    for (int k = 0; k < ScheduleCount; ++k)
        std::printf("---|");
    std::printf("\n");
    for (const Row &r : Rows) {
        std::printf("| %s |", r.label);
        for (int k = 0; k < ScheduleCount; ++k)
            std::printf(" %s |", cell(statOf(results[size_t(k)], r.field), r, children).c_str());
        std::printf("\n");
    }
    for (int k = 0; k < ScheduleCount; ++k) {
        std::array<Figures::Bin, 10> sum{};
        for (const Figures &f : results[size_t(k)])
            for (size_t b = 0; b < sum.size(); ++b) {
                sum[b].predicted += f.calibration[b].predicted;
                sum[b].inTime += f.calibration[b].inTime;
                sum[b].asked += f.calibration[b].asked;
            }
        if (std::all_of(sum.begin(), sum.end(), [](const Figures::Bin &b) { return b.asked == 0; }))
            continue;
        std::printf("\n%s's estimate at each ask, first 8 weeks: predicted -> right in time (asks)\n",
                    scheduleName(ScheduleKind(k)));
        for (const Figures::Bin &b : sum)
            if (b.asked)
                std::printf("  %.2f -> %.2f (%d)\n", b.predicted / b.asked, double(b.inTime) / b.asked, b.asked);
    }
    std::printf("\n%.1f s on %d threads\n", double(timer.elapsed()) / 1000.0, threads);
    return 0;
}
