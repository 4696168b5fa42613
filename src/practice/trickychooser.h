#pragma once
// The next problem when the factor is Tricky. A child learns a fact by
// meeting it again soon after a miss, a few new facts at a time among the
// ones they know, and a known fact again after growing gaps of days. So:
// - a fact missed in this drill comes back as the third problem after it,
//   until it is answered right;
// - one problem in three is a known fact, those due again first;
// - the others come from the tricky facts, then those getting there, then
//   at most four untried ones a drill;
// - never the same fact twice in a row.
// With no record yet it draws as Random does.
#include "progress/factstanding.h"

#include <QDateTime>
#include <array>
#include <optional>
#include <vector>

class RandomSource;

// How many days after its last answer a known fact is due again, by its run
// of right answers in time: 1, 3, 7, then 21 days for a run of 3, 4, 5, 6+.
int daysUntilDue(int run);
// Whether a known fact's gap since its last answer has run out.
bool knownFactDue(const FactRecord &f, const QDateTime &now);

class TrickyChooser
{
public:
    using Facts = std::array<FactRecord, FactCount>;
    // Untried facts a drill may bring in while tricky or getting-there ones remain.
    static constexpr int UntriedPerDrill = 4;

    // facts: the child's record as the drill starts, none when there is no
    // record. knownEvery: one problem in that many is a known fact (3 in a
    // drill; a worksheet asks 4, so that most of it is the child's own trouble).
    TrickyChooser(std::optional<Facts> facts, int limitMs, const QDateTime &now, int knownEvery = 3);

    // The next fact, its first number within 0..maxMultiplier, which is read
    // afresh for every problem.
    FactPair next(RandomSource &random, int maxMultiplier);
    // The answer to the fact just chosen: a miss waits to come back; the
    // fact's standing follows the answer for the rest of the drill.
    void judged(const FactPair &fact, bool correct, int ms, const QDateTime &at);

    // The child's facts as they stand now.
    FactState state(const FactPair &fact) const;

private:
    struct Waiting
    {
        FactPair fact;
        int missedAt = 0; // the problem's number in the drill
    };

    bool isWaiting(const FactPair &f) const;
    int asked(const FactPair &f) const; // times posed in this drill
    const FactRecord &record(const FactPair &f) const;
    std::optional<FactPair> dueMiss(int maxMultiplier) const;
    // The facts in a state that may be asked now: within the maximum, not
    // waiting to come back, not the last one.
    std::vector<FactPair> candidates(int maxMultiplier, FactState state) const;
    FactPair pick(RandomSource &random, const std::vector<FactPair> &from, bool known) const;
    FactPair randomDraw(RandomSource &random, int maxMultiplier) const;
    FactPair posed(const FactPair &f);

    std::optional<Facts> m_facts;
    int m_limitMs;
    QDateTime m_now;
    int m_knownEvery;
    bool m_asRandom = false;
    int m_count = 0;     // problems posed
    int m_ruleTwo = 0;   // problems chosen by their standing
    int m_untried = 0;   // untried facts brought in
    std::optional<FactPair> m_last;
    std::vector<Waiting> m_waiting;
    std::array<int, FactCount> m_asked{};
};

class ChildRecord;
// The facts of the child practising now and their time limit; none when the
// record is not open or has no child.
struct ChildFacts
{
    TrickyChooser::Facts facts;
    int limitMs = DefaultTimeLimitMs;
};
std::optional<ChildFacts> currentChildFacts(const ChildRecord *record, const QDate &today);
// The chooser for the child practising now, from their record as it stands;
// Random's draw when there is none.
TrickyChooser trickyChooserFor(const ChildRecord *record, const QDateTime &now, int knownEvery = 3);

// The study grid's facts in Tricky: tricky ones first (most misses first),
// then getting there, at most count of them.
std::vector<FactPair> trickiestFacts(const TrickyChooser::Facts &facts, int limitMs, int count);
