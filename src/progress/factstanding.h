#pragma once
// How a child stands on one fact, worked out from that child's answers to it.
// The fact map, the parent's page and the totals all use this one rule.
#include <QDateTime>
#include <array>
#include <vector>

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

struct Attempt
{
    bool correct = false;
    int ms = 0; // problem drawn to its last digit
};

// newestFirst: the child's answers to one fact, newest first (only the first
// three matter).
FactState factState(const std::vector<Attempt> &newestFirst, int limitMs);

// Everything the map and its story line show of one fact.
struct FactRecord
{
    int tries = 0;
    int right = 0;
    QDateTime lastAt; // UTC; invalid when untried
    int lastMs = 0;
    std::vector<Attempt> recent; // newest first, at most three
    int run = 0; // right answers within the limit in a row, up to the newest
    FactState state(int limitMs) const { return factState(recent, limitMs); }
    // One more answer, as the record adds it.
    void add(const Attempt &a, int limitMs);
};

// Follows one child's answers in time order: each fact's record, and at any
// moment how many facts are known, which is what the chart is drawn from.
class KnownCounter
{
public:
    explicit KnownCounter(int limitMs) : m_limitMs(limitMs) {}
    // false, and nothing counted, for a pair outside the tables.
    bool add(int operand1, int operand2, const Attempt &a);
    int known() const { return m_known; }
    const std::array<FactRecord, FactCount> &facts() const { return m_facts; }

private:
    int m_limitMs;
    int m_known = 0;
    std::array<FactRecord, FactCount> m_facts{};
};
