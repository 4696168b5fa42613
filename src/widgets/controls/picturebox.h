// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A box that keeps what is drawn on it until it is cleared: it owns an image at
// the screen's pixel density and painting only copies that image.
#include "platform/drawsurface.h"
#include <QFont>
#include <QImage>
#include <QWidget>

class PictureBox : public QWidget, public DrawSurface
{
    Q_OBJECT
public:
    // unitsPerPixel: 15 for boxes laid out in twips, 1 for pixel-scaled ones.
    explicit PictureBox(QWidget *parent = nullptr, float unitsPerPixel = 15.0f, bool border = true);

    void setBackColor(const QColor &c);
    // The inside as a parent for controls placed in the box: they are clipped
    // by the border, and presses on the bare inside still reach the box.
    QWidget *client();
    QColor backColor() const override { return m_back; }
    void setBoxFont(const QFont &f);
    QFont boxFont() const { return m_font; }
    const QImage &image() const { return m_image; }
    // Pushes what was drawn to the screen now, not at the next event loop turn.
    void refresh() override;
    // While set, Tab is an ordinary key for the box instead of moving the focus
    // away, so a child's stray Tab never takes the answer entry from it.
    void setTakesTab(bool on) { m_takesTab = on; }

    float scaleWidth() const override;
    float scaleHeight() const override;
    float currentX() const override { return m_x; }
    float currentY() const override { return m_y; }
    void setCurrentX(float x) override { m_x = x; }
    void setCurrentY(float y) override { m_y = y; }
    void setFont(const QString &face, double points) override;
    float textWidth(const QString &text) const override;
    float textHeight(const QString &text) const override;
    QColor foreColor() const override { return m_fore; }
    void setForeColor(const QColor &c) override { m_fore = c; }
    int drawWidth() const override { return m_penWidth; }
    void setDrawWidth(int pixels) override { m_penWidth = pixels < 1 ? 1 : pixels; }
    void setFillColor(const QColor &c) override { m_fill = c; }
    void printText(const QString &text) override;
    void line(float x1, float y1, float x2, float y2, const QColor &c) override;
    void filledBox(float x1, float y1, float x2, float y2, const QColor &c) override;
    void rectangle(float x1, float y1, float x2, float y2) override;
    void circle(float cx, float cy, float radius) override;
    void polygon(const QVector<QPointF> &corners) override;
    void clear() override;

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers mods, float x, float y);
    // A typed character, by its code.
    void keyPressed(int key);

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool focusNextPrevChild(bool next) override;

private:
    QRect inside() const;
    QPointF toDevice(float x, float y) const;
    void ensureImage();
    void dirty(const QRectF &deviceRect);

    float m_units;
    bool m_border;
    QImage m_image;
    QColor m_back = Qt::white;
    QColor m_fore = Qt::black;
    QColor m_fill;
    QFont m_font;
    int m_penWidth = 1;
    float m_x = 0, m_y = 0;
    bool m_takesTab = false;
    QWidget *m_client = nullptr;
};
