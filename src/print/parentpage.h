#pragma once
// The page a parent prints from My Facts: the child's name and the date, the
// fact map, the trickiest facts and the chart of facts known, in black and
// white. The window gathers the texts; this draws them.
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
    std::array<QString, 4> legend;                // one line per state, in FactState order
    QString trickyHeading;
    QStringList tricky;                           // at most ten lines
    QString chartHeading;
    QVector<int> knownByDay;                      // oldest first
    QString firstDay, lastDay;                    // the chart's ends
};

// The mark that tells a state without its colour, on screen and paper.
QString factMark(FactState state);
// "7 x 8"
QString factText(int operand1, int operand2);

void drawParentPage(DrawSurface &page, const ParentPage &p);
