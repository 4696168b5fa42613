// SPDX-License-Identifier: GPL-3.0-or-later
#include "shapes.h"
#include "platform/drawsurface.h"

#include <QColor>
#include <cmath>

namespace {
int near(double v) { return int(std::lrint(v)); } // halves to even
} // namespace

Shape shapeFor(int kind, int x, int y, int w, int h)
{
    Shape s;
    const int sx = near(0.05 * w), sy = near(0.05 * h);
    switch (kind) {
    case 1:
        s.kind = Shape::Box;
        s.box = QRect(QPoint(x + sx, y + sy), QPoint(x + w - sx, y + h - sy));
        break;
    case 2:
        s.kind = Shape::Circle;
        s.centre = QPoint(near(x + 0.5 * w), near(y + 0.5 * h));
        s.radius = near(0.45 * w);
        break;
    case 3:
        s.kind = Shape::Polygon;
        s.corners = {QPoint(x + sx, y + h - sy), QPoint(near(x + 0.5 * w), y + sy), QPoint(x + w - sx, y + h - sy)};
        break;
    case 4:
        s.kind = Shape::Polygon;
        s.corners = {QPoint(x + sx, near(y + 0.5 * h)),      QPoint(near(x + 0.25 * w), y + sy),
                     QPoint(near(x + 0.75 * w), y + sy),     QPoint(x + w - sx, near(y + 0.5 * h)),
                     QPoint(near(x + 0.75 * w), y + h - sy), QPoint(near(x + 0.25 * w), y + h - sy)};
        break;
    default:
        break;
    }
    return s;
}

void drawShape(DrawSurface &s, const Shape &shape)
{
    switch (shape.kind) {
    case Shape::Box:
        s.rectangle(float(shape.box.left()), float(shape.box.top()), float(shape.box.right()),
                    float(shape.box.bottom()));
        break;
    case Shape::Circle:
        s.circle(float(shape.centre.x()), float(shape.centre.y()), float(shape.radius));
        break;
    case Shape::Polygon: {
        QVector<QPointF> pts;
        for (const QPoint &p : shape.corners)
            pts << QPointF(p);
        s.polygon(pts);
        break;
    }
    case Shape::None:
        break;
    }
}

QColor paletteColour(int index)
{
    static const QColor palette[16] = {
        QColor(0x00, 0x00, 0x00), QColor(0x00, 0x00, 0x80), QColor(0x00, 0x80, 0x00), QColor(0x00, 0x80, 0x80),
        QColor(0x80, 0x00, 0x00), QColor(0x80, 0x00, 0x80), QColor(0x80, 0x80, 0x00), QColor(0xC0, 0xC0, 0xC0),
        QColor(0x80, 0x80, 0x80), QColor(0x00, 0x00, 0xFF), QColor(0x00, 0xFF, 0x00), QColor(0x00, 0xFF, 0xFF),
        QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0x00, 0xFF), QColor(0xFF, 0xFF, 0x00), QColor(0xFF, 0xFF, 0xFF)};
    return index >= 0 && index < 16 ? palette[index] : QColor();
}
