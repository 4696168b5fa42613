// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebox.h"
#include "platform/twips.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {
constexpr int BorderPx = 2; // a sunken single border, two pixels each side
}

PictureBox::PictureBox(QWidget *parent, float unitsPerPixel, bool border)
    : QWidget(parent), m_units(unitsPerPixel), m_border(border)
{
    m_font = font();
}

void PictureBox::setBackColor(const QColor &c)
{
    m_back = c;
    if (!m_image.isNull())
        clear();
}

void PictureBox::setBoxFont(const QFont &f) { m_font = f; }

void PictureBox::setFont(const QString &face, double points)
{
    m_font = layoutFont(face, points);
}

QRect PictureBox::inside() const
{
    const int b = m_border ? BorderPx : 0;
    return rect().adjusted(b, b, -b, -b);
}

float PictureBox::scaleWidth() const { return float(inside().width()) * m_units; }
float PictureBox::scaleHeight() const { return float(inside().height()) * m_units; }

QPointF PictureBox::toDevice(float x, float y) const { return QPointF(x / m_units, y / m_units); }

void PictureBox::ensureImage()
{
    const QSize want = inside().size();
    if (!m_image.isNull() && m_image.deviceIndependentSize().toSize() == want)
        return;
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal dpr = screen ? screen->devicePixelRatio() : 1.0;
    QImage fresh((want * dpr).expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    fresh.setDevicePixelRatio(dpr);
    fresh.fill(m_back);
    if (!m_image.isNull()) {
        QPainter p(&fresh);
        p.drawImage(QPointF(0, 0), m_image);
    }
    m_image = fresh;
}

void PictureBox::resizeEvent(QResizeEvent *)
{
    ensureImage();
    if (m_client)
        m_client->setGeometry(inside());
}

QWidget *PictureBox::client()
{
    if (!m_client) {
        // Transparent: the box's own painting shows through, and presses it
        // does not take are passed on to the box.
        m_client = new QWidget(this);
        m_client->setObjectName(objectName() + QStringLiteral("_client"));
        m_client->setGeometry(inside());
    }
    return m_client;
}

void PictureBox::dirty(const QRectF &r)
{
    update(r.toAlignedRect().adjusted(-2, -2, 2, 2).translated(inside().topLeft()));
}

float PictureBox::textWidth(const QString &text) const
{
    return float(QFontMetricsF(m_font).horizontalAdvance(text)) * m_units;
}

float PictureBox::textHeight(const QString &) const
{
    return float(QFontMetricsF(m_font).height()) * m_units;
}

void PictureBox::printText(const QString &text)
{
    ensureImage();
    const QFontMetricsF fm(m_font);
    const QPointF at = toDevice(m_x, m_y);
    {
        QPainter p(&m_image);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(m_font);
        p.setPen(m_fore);
        p.drawText(QPointF(at.x(), at.y() + fm.ascent()), text);
    }
    dirty(QRectF(at, QSizeF(fm.horizontalAdvance(text), fm.height())));
    m_x = 0;
    m_y += float(fm.height()) * m_units;
}

void PictureBox::line(float x1, float y1, float x2, float y2, const QColor &c)
{
    ensureImage();
    const QPointF a = toDevice(x1, y1), b = toDevice(x2, y2);
    {
        QPainter p(&m_image);
        QPen pen(c, m_penWidth, Qt::SolidLine, Qt::FlatCap);
        p.setPen(pen);
        p.drawLine(a, b);
    }
    dirty(QRectF(a, b).normalized().adjusted(-m_penWidth, -m_penWidth, m_penWidth, m_penWidth));
    m_x = x2;
    m_y = y2;
}

void PictureBox::filledBox(float x1, float y1, float x2, float y2, const QColor &c)
{
    ensureImage();
    const QRectF r = QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized();
    {
        QPainter p(&m_image);
        p.fillRect(r, c);
    }
    dirty(r);
    m_x = x2;
    m_y = y2;
}

void PictureBox::rectangle(float x1, float y1, float x2, float y2)
{
    ensureImage();
    const QRectF r = QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized();
    {
        QPainter p(&m_image);
        p.setPen(QPen(m_fore, m_penWidth));
        p.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush());
        p.drawRect(r);
    }
    dirty(r);
}

void PictureBox::circle(float cx, float cy, float radius)
{
    ensureImage();
    const QPointF c = toDevice(cx, cy);
    const qreal r = radius / m_units;
    {
        QPainter p(&m_image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(m_fore, m_penWidth));
        p.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush());
        p.drawEllipse(c, r, r);
    }
    dirty(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
}

void PictureBox::polygon(const QVector<QPointF> &corners)
{
    if (corners.isEmpty())
        return;
    ensureImage();
    QPolygonF poly;
    for (const QPointF &pt : corners)
        poly << toDevice(float(pt.x()), float(pt.y()));
    {
        QPainter p(&m_image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(m_fore, m_penWidth));
        p.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush());
        p.drawPolygon(poly);
    }
    dirty(poly.boundingRect());
}

void PictureBox::clear()
{
    ensureImage();
    m_image.fill(m_back);
    m_x = m_y = 0;
    update();
}

void PictureBox::refresh() { repaint(); }

void PictureBox::paintEvent(QPaintEvent *e)
{
    ensureImage();
    QPainter p(this);
    const QRect in = inside();
    const QRect target = e->rect().intersected(in);
    if (!target.isEmpty()) {
        const QRect src = target.translated(-in.topLeft());
        const qreal dpr = m_image.devicePixelRatio();
        p.drawImage(target, m_image,
                    QRectF(src.x() * dpr, src.y() * dpr, src.width() * dpr, src.height() * dpr));
    }
    if (m_border) {
        // The classic sunken look: dark grey and black outside, light inside.
        const QRect r = rect().adjusted(0, 0, -1, -1);
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(Qt::white);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        const QRect r2 = r.adjusted(1, 1, -1, -1);
        p.setPen(QColor(0x40, 0x40, 0x40));
        p.drawLine(r2.topLeft(), r2.topRight());
        p.drawLine(r2.topLeft(), r2.bottomLeft());
        p.setPen(QColor(0xd4, 0xd0, 0xc8));
        p.drawLine(r2.bottomLeft(), r2.bottomRight());
        p.drawLine(r2.topRight(), r2.bottomRight());
    }
}

void PictureBox::mousePressEvent(QMouseEvent *e)
{
    const QPointF at = e->position() - inside().topLeft();
    Q_EMIT mousePressed(e->button(), e->modifiers(), float(at.x()) * m_units, float(at.y()) * m_units);
}

void PictureBox::keyPressEvent(QKeyEvent *e)
{
    const QString text = e->text();
    if (text.isEmpty()) {
        QWidget::keyPressEvent(e);
        return;
    }
    Q_EMIT keyPressed(text.at(0).unicode());
    e->accept();
}

bool PictureBox::focusNextPrevChild(bool next)
{
    return m_takesTab ? false : QWidget::focusNextPrevChild(next);
}
