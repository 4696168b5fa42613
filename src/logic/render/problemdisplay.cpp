// SPDX-License-Identifier: GPL-3.0-or-later
#include "problemdisplay.h"
#include "numberlayout.h"
#include "platform/drawsurface.h"

#include <cmath>

void drawProblem(DrawSurface &s, int16_t operand1, int16_t operand2, float c,
                 const QString &answerText, const QColor &answerColour, AnswerPlace &place)
{
    const float SH = std::nearbyint(s.scaleHeight());
    const float SW = std::nearbyint(s.scaleWidth());
    const QString top = QString::number(operand1);
    const QString lower = QString::number(operand2);
    const float anchor = (c + 0.075f) * SW;

    drawRightAligned(s, top, anchor, 0.2f * SH);
    drawRightAligned(s, lower, anchor, 0.375f * SH);

    const QString sign = QStringLiteral("x");
    s.setCurrentX((c - 0.05f) * SW - 1.25f * s.textWidth(sign));
    s.setCurrentY(0.375f * SH - 0.5f * s.textHeight(QStringLiteral("0")));
    s.printText(sign);

    s.setDrawWidth(4);
    s.line((c - 0.15f) * SW, 0.5f * SH, (c + 0.12f) * SW, 0.5f * SH, Qt::black);
    s.setDrawWidth(1);

    s.setForeColor(answerColour);
    drawRightAligned(s, answerText, anchor, 0.625f * SH, [&s, &place] {
        place.x = int16_t(std::nearbyint(s.currentX()));
        place.y = int16_t(std::nearbyint(s.currentY()));
    });
    s.setForeColor(Qt::black);
}
