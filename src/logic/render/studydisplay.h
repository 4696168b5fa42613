// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The thirteen facts of one factor in five columns and three rows.
#include "progress/factstanding.h"

#include <cstdint>
#include <vector>

class DrawSurface;
class QString;

// Where a fact's parts sit in its cell, as fractions of the cell's width: the
// numbers right-aligned on the anchor, the "x" centred on sign, the bar from
// barFrom to barTo. Heights are the same on screen and on paper.
struct FactCellLayout
{
    float anchor, sign, barFrom, barTo;
};
constexpr FactCellLayout ScreenFactCell{0.75f, 0.25f, 0.05f, 0.95f};
constexpr FactCellLayout PaperFactCell{0.65f, 0.35f, 0.15f, 0.85f};

// One fact stacked in the cell at (x, y) of the given size: multiplier over
// factor, "x", a heavy bar, the product. Drawn in the surface's font.
void drawFactCell(DrawSurface &s, const FactCellLayout &layout, float x, float y, int width, int height,
                  int multiplier, int factor);

// Clears the surface and draws the facts 0 x f to 12 x f, cell k holding k.
void drawFacts(DrawSurface &s, int16_t factor);
// The same grid with a fact of its own in each cell, the rest left empty; with
// no fact at all, emptyText in one line in the middle instead.
void drawFactGrid(DrawSurface &s, const std::vector<FactPair> &cells, const QString &emptyText);
// The keyboard's cursor around one cell of that grid: a heavy black frame
// inside the cell's lines, clear of its numbers.
void drawCellCursor(DrawSurface &s, int cell);
// The cells of the facts 0 x f to 12 x f.
std::vector<FactPair> factorCells(int factor);

// The cell a press falls in: column + 5 per row, rows split at 0.333 and 0.666
// of the height. 13 and 14 are the empty cells.
int16_t studyCellAt(float x, float y, float scaleWidth, float scaleHeight);
