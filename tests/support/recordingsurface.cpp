// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingsurface.h"

void RecordingSurface::setFont(const QString &face, double points)
{
    fontFace = face;
    fontPoints = points;
    Op o(Op::Font);
    o.text = face;
    o.x1 = float(points);
    ops.append(o);
}

void RecordingSurface::setDrawWidth(int w)
{
    m_width = w;
    Op o(Op::Width);
    o.width = w;
    ops.append(o);
}

void RecordingSurface::printText(const QString &t)
{
    Op o(Op::Text);
    o.text = t;
    o.x1 = m_x;
    o.y1 = m_y;
    o.colour = m_fore;
    ops.append(o);
    m_x = 0;
    m_y += m_ch;
}

void RecordingSurface::line(float x1, float y1, float x2, float y2, const QColor &c)
{
    Op o(Op::Line);
    o.x1 = x1; o.y1 = y1; o.x2 = x2; o.y2 = y2;
    o.colour = c;
    o.width = m_width;
    ops.append(o);
    m_x = x2;
    m_y = y2;
}

void RecordingSurface::filledBox(float x1, float y1, float x2, float y2, const QColor &c)
{
    Op o(Op::FilledBox);
    o.x1 = x1; o.y1 = y1; o.x2 = x2; o.y2 = y2;
    o.colour = c;
    ops.append(o);
}

void RecordingSurface::rectangle(float x1, float y1, float x2, float y2)
{
    Op o(Op::Rectangle);
    o.x1 = x1; o.y1 = y1; o.x2 = x2; o.y2 = y2;
    o.colour = m_fill;
    o.width = m_width;
    ops.append(o);
}

void RecordingSurface::circle(float cx, float cy, float r)
{
    Op o(Op::Circle);
    o.x1 = cx; o.y1 = cy; o.x2 = r;
    o.colour = m_fill;
    ops.append(o);
}

void RecordingSurface::polygon(const QVector<QPointF> &corners)
{
    Op o(Op::Polygon);
    o.points = corners;
    o.colour = m_fill;
    ops.append(o);
}

void RecordingSurface::clear()
{
    ops.append(Op(Op::Clear));
    m_x = m_y = 0;
}

QVector<Op> RecordingSurface::texts() const
{
    QVector<Op> out;
    for (const Op &o : ops)
        if (o.kind == Op::Text)
            out.append(o);
    return out;
}

QVector<Op> RecordingSurface::lines() const
{
    QVector<Op> out;
    for (const Op &o : ops)
        if (o.kind == Op::Line)
            out.append(o);
    return out;
}
