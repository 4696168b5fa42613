#include "studydisplay.h"
#include "numberlayout.h"
#include "platform/drawsurface.h"

#include <algorithm>
#include <cmath>

namespace {
const QColor GridBlue(0, 0, 255);

void drawCell(DrawSurface &s, float ox, float oy, int colW, int rowH, const QString &top,
              const QString &lower, const QString &result)
{
    const float anchor = ox + 0.75f * float(colW);
    drawRightAligned(s, top, anchor, oy + 0.16f * float(rowH));
    drawRightAligned(s, lower, anchor, oy + 0.45f * float(rowH));
    const QString sign = QStringLiteral("x");
    s.setCurrentX(ox + 0.25f * float(colW) - 0.5f * s.textWidth(sign));
    s.setCurrentY(oy + 0.45f * float(rowH) - 0.5f * s.textHeight(QStringLiteral("0")));
    s.printText(sign);
    s.setDrawWidth(2);
    const float barY = oy + 0.62f * float(rowH);
    s.line(ox + 0.05f * float(colW), barY, ox + 0.95f * float(colW), barY, Qt::black);
    s.setDrawWidth(1);
    drawRightAligned(s, result, anchor, oy + 0.81f * float(rowH));
}
} // namespace

void drawFacts(DrawSurface &s, int16_t f)
{
    s.clear();
    const int rowH = gridStep(s.scaleHeight(), 3);
    const int colW = gridStep(s.scaleWidth(), 5);
    s.setDrawWidth(2);
    for (int j = 1; j <= 6; ++j)
        s.line(float(j * colW), 0, float(j * colW), s.scaleHeight(), GridBlue);
    s.line(0, float(rowH), s.scaleWidth(), float(rowH), GridBlue);
    s.line(0, float(2 * rowH), s.scaleWidth(), float(2 * rowH), GridBlue);

    float ox = 0;
    int oy = 0;
    for (int i = 0; i <= 12; ++i) {
        const int16_t product = int16_t(f * i);
        drawCell(s, ox, float(oy), colW, rowH, QString::number(i), QString::number(f), QString::number(product));
        ox += float(colW);
        if (ox >= s.scaleWidth()) {
            ox = 0;
            oy += rowH;
        }
    }
    s.setDrawWidth(1);
}

int16_t studyCellAt(float x, float y, float sw, float sh)
{
    int cell = sw > 0 ? int(std::floor(x * 5.0f / sw)) : 0;
    // A press on the border can fall a hair outside the inside area.
    cell = std::clamp(cell, 0, 4);
    if (y > 0.333f * sh)
        cell += 5;
    if (y > 0.666f * sh)
        cell += 5;
    return int16_t(cell);
}
