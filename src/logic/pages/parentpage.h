// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page a parent prints from My Facts: the child's name and the date, the
// fact map, what each state means, the trickiest facts and the chart of facts
// known, in black and white: each state has a grey and a mark of its own,
// and the chart spans the page. The window gathers the texts; this draws them.
#include "progress/factstanding.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

class DrawSurface;

struct ParentPage
{
    QString heading;                              // "Mia - 9 December 2026"
    std::array<FactState, FactCount> states{};    // by factIndex
    std::array<QString, 4> legend;                // the states' names, in FactState order
    std::array<QString, 4> meaning;               // what each state means, in plain words
    QString trickyHeading;
    QStringList tricky;                           // at most ten lines
    QString chartHeading;
    QVector<int> knownByDay;                      // oldest first
    QStringList dayLabels;                        // a day's date under the chart, or empty
};

// The mark that tells a state without its colour, on screen and paper.
QString factMark(FactState state);
// "7 x 8"
QString factText(int operand1, int operand2);

void drawParentPage(DrawSurface &page, const ParentPage &p);
