// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One ranking of a child's facts, weakest first: the tricky ones, then those
// getting there, then the known ones, each by their estimated recall an hour
// on, lowest first (a fact missed a minute ago, its answer just shown, is
// still fresh and would look stronger than it is); the untried ones last. The Tricky chooser, the study grid, the facts
// sheet, the worksheet and the parent's page all take it from here.
#include "memoryestimate.h"

#include <vector>

class RandomSource;

struct RankedFact
{
    FactPair fact;
    FactState state = FactState::Untried;
    double recall = 0;   // now
    double later = 0;  // an hour on, with no practice between
};

// All 169 facts, weakest first, as the estimate stands at atMs.
std::vector<RankedFact> rankFacts(const MemoryEstimate &estimate, qint64 atMs);
// The first count tricky or getting-there facts of the ranking: what the
// study grid, the facts sheet and the parent's page show.
std::vector<FactPair> troubleFacts(const std::vector<RankedFact> &ranking, int count);

// A worksheet's problems from the ranking, first numbers up to maxMultiplier:
// the tricky facts four times each, those getting there three times, then the
// weakest of the others twice, until count; so no fact comes more than four
// times in a hundred, unless the maximum leaves fewer than a quarter as many
// facts, when they share the sheet evenly. Never the same fact twice in a row.
std::vector<FactPair> worksheetFacts(const std::vector<RankedFact> &ranking, int maxMultiplier, RandomSource &random,
                                     int count = 100);
