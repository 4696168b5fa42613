#pragma once
// The thirteen facts of one factor in five columns and three rows.
#include <cstdint>

class DrawSurface;

// Clears the surface and draws the facts 0 x f to 12 x f, cell k holding k.
void drawFacts(DrawSurface &s, int16_t factor);

// The cell a press falls in: column + 5 per row, rows split at 0.333 and 0.666
// of the height. 13 and 14 are the empty cells.
int16_t studyCellAt(float x, float y, float scaleWidth, float scaleHeight);
