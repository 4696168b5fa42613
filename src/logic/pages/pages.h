// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two printed pages, drawn on any page surface.
#include "progress/factstanding.h"

#include <QString>
#include <cstdint>
#include <vector>

class DrawSurface;
class RandomSource;

// The title-and-maker notice that heads both pages.
QString printNotice();

// "Factor: Random", "Factor: 7" or "Factor: Tricky (Mia)", then ", Maximum
// Multiplier: 12". A long name is cut short to fit the line.
QString worksheetFactorLine(int16_t practiceFactor, int16_t maxMultiplier, const QString &child = QString());
// The confirmation prompt before a worksheet, lines broken with "\n".
QString worksheetPrompt(int16_t practiceFactor, int16_t maxMultiplier);
QString worksheetPrompt(const QString &factorLine);

// "Tricky facts of Mia", or "Tricky facts" with no child.
QString trickyFactsHeading(const QString &child);

// The 100 problems of a fixed or Random factor, drawn from the shared random
// source, each first number before its factor.
std::vector<FactPair> worksheetProblems(RandomSource &random, int16_t practiceFactor, int16_t maxMultiplier);
// Header, grid and the problems in ten rows of ten; with answers, the same
// problems in the same places with their products, headed "Answers".
void drawWorksheet(DrawSurface &page, const QString &factorLine, const std::vector<FactPair> &problems, bool answers);
void drawWorksheet(DrawSurface &page, RandomSource &random, int16_t practiceFactor, int16_t maxMultiplier);
// Header, grid and up to twelve facts in four rows of three.
void drawFactsSheet(DrawSurface &page, const QString &heading, const std::vector<FactPair> &facts);
// "Factor is f" and the twelve facts 1 x f to 12 x f.
void drawFactsSheet(DrawSurface &page, int16_t studyFactor);
