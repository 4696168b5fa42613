// SPDX-License-Identifier: GPL-3.0-or-later
#include "factpicture.h"

#include "app/module1.h"
#include "platform/drawsurface.h"
#include "platform/twips.h"
#include "shapes.h"

#include <QtGlobal>

namespace {
// The grid's top-left corner and its cell, in twips.
constexpr int GridLeft = 2640, GridTop = 480, GridCell = 360;
} // namespace

FactPicture::FactPicture(Module1 &module, DrawSurface &canvas, QObject *parent)
    : QObject(parent), m(module), m_canvas(canvas)
{
}

int FactPicture::onGrid(int value) { return qBound(FactorRange.lo, value, FactorRange.hi); }
int FactPicture::columnLineX(int k) { return toPixels(GridLeft + GridCell * k); }
int FactPicture::rowLineY(int k) { return toPixels(GridTop + GridCell * k); }

void FactPicture::load()
{
    m_shown = false;
    m_cellWidth = int16_t(columnLineX(1) - columnLineX(0));
    m_cellHeight = int16_t(rowLineY(1) - rowLineY(0));
}

void FactPicture::ShowFact()
{
    m_shown = true;
    m_animating = true;
    m_canvas.clear();
    Q_EMIT cleared();
    RandomSource &random = *m.svc.random;
    m_shapeKind = int16_t(int(random.next() * 4.0f) + 1);
    m_shapeColour = m_shapeColours[size_t(qBound(1, int(random.next() * 4.0f) + 1, 4))];
    m_multiplier = int16_t(onGrid(m.PictureMultiplier));
    m_factor = int16_t(onGrid(m.PictureFactor));
    m_product = int16_t(m_multiplier * m_factor);
    DrawRow(0, true);
    Q_EMIT multiplierWritten(m_multiplier);
    m.Pause(1.0f);
    // Times 0: the row that counted the shapes goes again.
    if (m.PictureFactor == 0) {
        m_canvas.clear();
        m_canvas.refresh();
    }
    for (int j = 1; j <= m_factor; ++j) {
        Q_EMIT rowShown(j - 1);
        DrawRow(int16_t(j - 1), false);
        m.PlaySound(Module1::Sound::Boing, SoundPlayer::Wait);
    }
    Q_EMIT factWritten(m_factor, m_product);
    Q_EMIT finished();
    m_animating = false;
}

void FactPicture::DrawRow(int16_t row, bool withSound)
{
    int x = columnLineX(0);
    const int y = rowLineY(row);
    m_canvas.setForeColor(paletteColour(0));
    m_canvas.setFillColor(paletteColour(m_shapeColour));
    for (int i = 1; i <= m_multiplier; ++i) {
        DrawShape(int16_t(x), int16_t(y));
        m_canvas.refresh();
        Q_EMIT columnShown(i);
        if (withSound)
            m.PlaySound(Module1::Sound::Single, SoundPlayer::Wait);
        x += m_cellWidth;
    }
}

void FactPicture::DrawShape(int16_t x, int16_t y)
{
    // A cell holds its shape alone. Starting from a bare cell makes a second
    // drawing give the very same pixels, so neither the first row, which the
    // animation draws twice, nor a repaint darkens the smoothed outlines.
    m_canvas.filledBox(x, y, float(x + m_cellWidth), float(y + m_cellHeight), m_canvas.backColor());
    drawShape(m_canvas, shapeFor(m_shapeKind, x, y, m_cellWidth, m_cellHeight));
}

void FactPicture::redraw()
{
    if (!m_shown || m_factor < 1)
        return;
    for (int r = 0; r < m_factor; ++r)
        DrawRow(int16_t(r), false);
}
