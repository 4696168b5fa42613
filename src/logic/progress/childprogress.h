// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What My Facts and the parent's page show of a child, worked out from the
// child's answers alone: each fact's story and state, the trickiest facts,
// the totals and the chart of facts known at the end of each day. The record
// only reads the answers and hands them over.
#include "childrecord.h"

// answers: oldest first. now: the moment the states are for; the chart ends
// with today, the local day of now, and looks back days days.
ChildSummary summarizeAnswers(const FactAnswers &answers, int limitMs, const QDateTime &now, int days);
