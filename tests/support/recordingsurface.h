// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing surface that records every call, with fixed text measures, so
// tests can check where things were drawn.
#include "platform/drawsurface.h"
#include <QVector>

struct Op
{
    enum Kind { Text, Line, FilledBox, Rectangle, Circle, Polygon, Clear, Font, Width } kind;
    explicit Op(Kind k) : kind(k) {}
    QString text;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QColor colour;
    int width = 0;
    QVector<QPointF> points;
};

class RecordingSurface : public DrawSurface
{
public:
    RecordingSurface(float sw, float sh, float charW = 100, float charH = 200) : m_sw(sw), m_sh(sh), m_cw(charW), m_ch(charH) {}

    float scaleWidth() const override { return m_sw; }
    float scaleHeight() const override { return m_sh; }
    float currentX() const override { return m_x; }
    float currentY() const override { return m_y; }
    void setCurrentX(float x) override { m_x = x; }
    void setCurrentY(float y) override { m_y = y; }
    void setFont(const QString &face, double points) override;
    float textWidth(const QString &t) const override { return m_cw * float(t.size()); }
    float textHeight(const QString &) const override { return m_ch; }
    QColor foreColor() const override { return m_fore; }
    void setForeColor(const QColor &c) override { m_fore = c; }
    int drawWidth() const override { return m_width; }
    void setDrawWidth(int w) override;
    void setFillColor(const QColor &c) override { m_fill = c; }
    void printText(const QString &t) override;
    void line(float x1, float y1, float x2, float y2, const QColor &c) override;
    void filledBox(float x1, float y1, float x2, float y2, const QColor &c) override;
    void rectangle(float x1, float y1, float x2, float y2) override;
    void circle(float cx, float cy, float r) override;
    void polygon(const QVector<QPointF> &corners) override;
    void clear() override;

    QVector<Op> ops;
    QVector<Op> texts() const;
    QVector<Op> lines() const;
    QString fontFace;
    double fontPoints = 0;

private:
    float m_sw, m_sh, m_cw, m_ch;
    float m_x = 0, m_y = 0;
    QColor m_fore = Qt::black, m_fill;
    int m_width = 1;
};
