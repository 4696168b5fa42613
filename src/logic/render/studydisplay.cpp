// SPDX-License-Identifier: GPL-3.0-or-later
#include "studydisplay.h"
#include "numberlayout.h"
#include "platform/drawsurface.h"

#include <algorithm>
#include <cmath>

namespace {
const QColor GridBlue(0, 0, 255);
} // namespace

void drawFactCell(DrawSurface &s, const FactCellLayout &layout, float x, float y, int width, int height,
                  int multiplier, int factor)
{
    const float w = float(width), h = float(height);
    const float anchor = x + layout.anchor * w;
    drawRightAligned(s, QString::number(multiplier), anchor, y + 0.16f * h);
    drawRightAligned(s, QString::number(factor), anchor, y + 0.45f * h);
    const QString sign = QStringLiteral("x");
    s.setCurrentX(x + layout.sign * w - 0.5f * s.textWidth(sign));
    s.setCurrentY(y + 0.45f * h - 0.5f * s.textHeight(sign));
    s.printText(sign);
    s.setDrawWidth(2);
    const float barY = y + 0.62f * h;
    s.line(x + layout.barFrom * w, barY, x + layout.barTo * w, barY, Qt::black);
    s.setDrawWidth(1);
    // The product as the program has always kept it, in 16 bits.
    drawRightAligned(s, QString::number(int16_t(multiplier * factor)), anchor, y + 0.81f * h);
}

std::vector<FactPair> factorCells(int factor)
{
    std::vector<FactPair> cells;
    for (int i = 0; i <= 12; ++i)
        cells.push_back({i, factor});
    return cells;
}

void drawFacts(DrawSurface &s, int16_t f) { drawFactGrid(s, factorCells(f), QString()); }

void drawFactGrid(DrawSurface &s, const std::vector<FactPair> &cells, const QString &emptyText)
{
    s.clear();
    if (cells.empty()) {
        s.setCurrentX(0.5f * (s.scaleWidth() - s.textWidth(emptyText)));
        s.setCurrentY(0.5f * (s.scaleHeight() - s.textHeight(emptyText)));
        s.printText(emptyText);
        return;
    }
    const int rowH = gridStep(s.scaleHeight(), 3);
    const int colW = gridStep(s.scaleWidth(), 5);
    s.setDrawWidth(2);
    for (int j = 1; j <= 6; ++j)
        s.line(float(j * colW), 0, float(j * colW), s.scaleHeight(), GridBlue);
    s.line(0, float(rowH), s.scaleWidth(), float(rowH), GridBlue);
    s.line(0, float(2 * rowH), s.scaleWidth(), float(2 * rowH), GridBlue);

    float ox = 0;
    int oy = 0;
    for (const FactPair &c : cells) {
        drawFactCell(s, ScreenFactCell, ox, float(oy), colW, rowH, c.operand1, c.operand2);
        ox += float(colW);
        if (ox >= s.scaleWidth()) {
            ox = 0;
            oy += rowH;
        }
    }
    s.setDrawWidth(1);
}

void drawCellCursor(DrawSurface &s, int cell)
{
    const int rowH = gridStep(s.scaleHeight(), 3);
    const int colW = gridStep(s.scaleWidth(), 5);
    const int column = cell % 5, row = cell / 5;
    const float x = float(column * colW), y = float(row * rowH);
    const float inset = 0.04f * float(colW);
    // The facts keep their colour: the frame's pen is put back after it.
    const QColor fore = s.foreColor();
    s.setDrawWidth(3);
    s.setForeColor(Qt::black);
    s.setFillColor(QColor());
    s.rectangle(x + inset, y + inset, x + float(colW) - inset, y + float(rowH) - inset);
    s.setDrawWidth(1);
    s.setForeColor(fore);
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
