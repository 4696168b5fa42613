// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One multiplication problem drawn stacked: the numbers right-aligned one over
// the other, "x" on the lower line, a heavy bar, the answer under it.
#include <QColor>
#include <QString>
#include <cstdint>

class DrawSurface;

struct AnswerPlace
{
    int16_t x = 0, y = 0;
};

// centre: the problem's horizontal anchor as a fraction of the width. The
// answer is drawn in answerColour; place receives the top-left of the leftmost
// answer character (left unchanged for an empty answer). Never clears.
void drawProblem(DrawSurface &s, int16_t operand1, int16_t operand2, float centre,
                 const QString &answerText, const QColor &answerColour, AnswerPlace &place);
