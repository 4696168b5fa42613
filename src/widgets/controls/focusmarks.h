// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A mark on whichever control has the keyboard focus, in every window: a ring
// two pixels wide along the inside of the control's edge, so nothing is moved
// by it. Its outer line stands out against what is around the control and its
// inner line against the control's own face: each is black or white,
// whichever differs more, which gives at least 4.5:1 on any colour.
#include <QObject>
#include <QPointer>
#include <QWidget>

class QPainter;

class FocusMarks : public QObject
{
public:
    explicit FocusMarks(QObject *parent = nullptr);
    // Black or white: of the two, one always gives 4.58:1 or more.
    static QColor markOn(const QColor &background);
    static double contrast(const QColor &a, const QColor &b);
    // The two-line mark along the inside of r, for controls that mark a part of
    // themselves (the chosen cell of a table).
    static void drawMark(QPainter &p, const QRect &r, const QColor &surround, const QColor &face);
    // The colour a control is painted on, and the one it stands on.
    static QColor faceOf(const QWidget *w);
    static QColor surroundOf(const QWidget *w);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusMoved(QWidget *now);
    QPointer<QWidget> m_marked;
};
