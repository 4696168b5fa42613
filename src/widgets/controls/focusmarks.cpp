// SPDX-License-Identifier: GPL-3.0-or-later
#include "focusmarks.h"
#include "picturebox.h"
#include "widgets.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace {
double luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
} // namespace

FocusMarks::FocusMarks(QObject *parent) : QObject(parent)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { focusMoved(now); });
}

double FocusMarks::contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor FocusMarks::markOn(const QColor &background)
{
    return contrast(Qt::black, background) >= contrast(Qt::white, background) ? QColor(Qt::black)
                                                                              : QColor(Qt::white);
}

QColor FocusMarks::faceOf(const QWidget *w)
{
    // Frames and picture boxes paint a colour of their own, not their palette's;
    // what stands in a picture box stands on the box's colour.
    if (auto *f = qobject_cast<const Frame *>(w))
        return f->backColor();
    if (auto *box = qobject_cast<const PictureBox *>(w))
        return box->backColor();
    if (auto *box = qobject_cast<const PictureBox *>(w->parentWidget()); box && !w->autoFillBackground())
        return box->backColor();
    return w->palette().color(w->backgroundRole());
}

QColor FocusMarks::surroundOf(const QWidget *w)
{
    return w->isWindow() || !w->parentWidget() ? faceOf(w) : faceOf(w->parentWidget());
}

void FocusMarks::focusMoved(QWidget *now)
{
    if (m_marked) {
        m_marked->removeEventFilter(this);
        m_marked->update();
    }
    // A scroll area's inside is its viewport, which covers the area's own
    // painting: the mark goes on the viewport.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(now))
        now = area->viewport();
    m_marked = now;
    if (now) {
        now->installEventFilter(this);
        now->update();
    }
}

bool FocusMarks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint || watched != m_marked)
        return false;
    // The control paints itself first, through whatever else watches its
    // painting (a scroll area paints its viewport so); the mark goes over it.
    QWidget *w = m_marked;
    w->removeEventFilter(this);
    QCoreApplication::sendEvent(w, event);
    if (m_marked != w)
        return true;
    w->installEventFilter(this);
    QPainter p(m_marked.data());
    // An option or a check box is marked round its button and caption, the
    // part a click takes, as the option beside it may overlap its spare width.
    QRect r = m_marked->rect();
    if (auto *b = qobject_cast<QAbstractButton *>(m_marked.data()); b && b->isCheckable()) {
        QStyleOptionButton o;
        o.initFrom(b);
        o.text = b->text();
        const bool radio = qobject_cast<QRadioButton *>(b);
        const QRect hit = b->style()->subElementRect(radio ? QStyle::SE_RadioButtonClickRect : QStyle::SE_CheckBoxClickRect, &o, b);
        if (hit.isValid())
            r = hit.adjusted(-2, -1, 2, 1) & r;
    }
    drawMark(p, r, surroundOf(m_marked), faceOf(m_marked));
    return true;
}

void FocusMarks::drawMark(QPainter &p, const QRect &r, const QColor &surround, const QColor &face)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(markOn(surround));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(markOn(face));
    p.drawRect(r.adjusted(1, 1, -2, -2));
    p.restore();
}
