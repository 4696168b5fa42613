// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the drawing code needs of a surface: the picture boxes on screen, the
// printed page and the recording surface of the tests all provide it.
// Coordinates are in the surface's own scale units; pen widths in pixels.
#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>

class DrawSurface
{
public:
    virtual ~DrawSurface() = default;

    virtual float scaleWidth() const = 0;
    virtual float scaleHeight() const = 0;

    virtual float currentX() const = 0;
    virtual float currentY() const = 0;
    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;

    // Face name and size in points; applies to later text and measures.
    virtual void setFont(const QString &face, double points) = 0;
    virtual float textWidth(const QString &text) const = 0;
    // The font's line height, whatever the text.
    virtual float textHeight(const QString &text) const = 0;

    virtual QColor foreColor() const = 0;
    virtual void setForeColor(const QColor &c) = 0;
    virtual int drawWidth() const = 0;
    virtual void setDrawWidth(int pixels) = 0;
    // Used to fill rectangles, circles and polygons; an invalid colour means hollow.
    virtual void setFillColor(const QColor &c) = 0;

    // Draws text with its top-left corner at the current position, then moves
    // the current position to the start of the next line (x 0, y one line down).
    virtual void printText(const QString &text) = 0;
    // A straight line; the current position becomes its end.
    virtual void line(float x1, float y1, float x2, float y2, const QColor &c) = 0;
    // A box filled with one colour, no outline of another.
    virtual void filledBox(float x1, float y1, float x2, float y2, const QColor &c) = 0;
    // Outline in the fore colour, inside in the fill colour.
    virtual void rectangle(float x1, float y1, float x2, float y2) = 0;
    virtual void circle(float cx, float cy, float radius) = 0;
    virtual void polygon(const QVector<QPointF> &corners) = 0;
    virtual void clear() = 0;
    // The colour clear() fills with; a page is white.
    virtual QColor backColor() const { return Qt::white; }
    // Shows what has been drawn now, not when the event loop next runs: a
    // drill may hold the window right after drawing.
    virtual void refresh() {}
};
