#pragma once
// The two printed pages, drawn on any page surface.
#include <QString>
#include <cstdint>

class DrawSurface;
class RandomSource;

// The title-and-maker notice that heads both pages.
QString printNotice();

// "Factor: Random" or "Factor: 7", then ", Maximum Multiplier: 12".
QString worksheetFactorLine(int16_t practiceFactor, int16_t maxMultiplier);
// The confirmation prompt before a worksheet, lines broken with "\n".
QString worksheetPrompt(int16_t practiceFactor, int16_t maxMultiplier);

// Header, grid and 100 problems drawn from the shared random source.
void drawWorksheet(DrawSurface &page, RandomSource &random, int16_t practiceFactor, int16_t maxMultiplier);
// Header, grid and the twelve facts 1 x f to 12 x f.
void drawFactsSheet(DrawSurface &page, int16_t studyFactor);
