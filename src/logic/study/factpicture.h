// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fact picture's steps: a row of as many shapes as the multiplier, drawn
// one shape at a time with a sound each, a pause, then as many rows as the
// factor with a boing each, and the fact written out beside them. It draws the
// shapes on a surface and plays the sounds itself; the window shows the labels
// and the written fact as the signals tell it, as the drill's window does.
#include <QObject>
#include <array>
#include <cstdint>

class DrawSurface;
class Module1;

class FactPicture : public QObject
{
    Q_OBJECT
public:
    FactPicture(Module1 &module, DrawSurface &canvas, QObject *parent = nullptr);

    // The grid holds 0 to 12 of each; a fact outside is drawn at its edge.
    static int onGrid(int value);
    // The grid lines' places in pixels: column line k, row line k (0 to 12).
    static int columnLineX(int k);
    static int rowLineY(int k);

    // Before the window shows: nothing drawn yet, the cells measured.
    void load();
    // The window is up: the picture of PictureMultiplier x PictureFactor,
    // with new shapes and colours by lot. Returns when it is all drawn.
    void ShowFact();
    // The rows again with the same shape and colour, after they were lost.
    void redraw();

    bool Shown() const { return m_shown; }
    // True while ShowFact runs: the window keeps its OK and keys till the end.
    bool animating() const { return m_animating; }
    int16_t ShapeKind() const { return m_shapeKind; }
    int16_t ShapeColour() const { return m_shapeColour; }
    int16_t Multiplier() const { return m_multiplier; }
    int16_t Factor() const { return m_factor; }
    int16_t CellWidth() const { return m_cellWidth; }
    int16_t CellHeight() const { return m_cellHeight; }

Q_SIGNALS:
    // A fresh picture begins on a bare canvas: the written fact goes.
    void cleared();
    // Column 1 to 12 has its shape; its label is wanted.
    void columnShown(int column);
    // Row 0 to 11 is about to be drawn; its label is wanted.
    void rowShown(int row);
    void multiplierWritten(int multiplier);
    void factWritten(int factor, int product);
    // All is drawn and written: the OK button is wanted.
    void finished();

private:
    void DrawRow(int16_t row, bool withSound);
    void DrawShape(int16_t x, int16_t y);

    Module1 &m;
    DrawSurface &m_canvas;
    bool m_shown = false;
    bool m_animating = false;
    // The four fill colours by lot, as palette indices; element 0 unused.
    std::array<int16_t, 5> m_shapeColours{0, 12, 11, 10, 14};
    int16_t m_shapeKind = 0, m_shapeColour = 0;
    int16_t m_multiplier = 0, m_factor = 0, m_product = 0;
    int16_t m_cellWidth = 0, m_cellHeight = 0;
};
