// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shapes of the fact picture: one per grid cell, the same size in every
// cell, drawn by lot for each showing.
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QVector>

class DrawSurface;

struct Shape
{
    enum Kind { None, Box, Circle, Polygon } kind = None;
    QRect box;               // Box: from topLeft to bottomRight
    QPoint centre;           // Circle
    int radius = 0;          // Circle
    QVector<QPoint> corners; // Polygon
};

// shapeKind 1 square, 2 circle, 3 triangle, 4 hexagon; anything else is no
// shape. (x, y) is the cell's top-left corner, w and h its size in pixels.
Shape shapeFor(int shapeKind, int x, int y, int w, int h);

// Outline in the surface's fore colour, inside in its fill colour.
void drawShape(DrawSurface &s, const Shape &shape);

// The four fill colours, as indices of the standard 16-colour palette.
QColor paletteColour(int index);
