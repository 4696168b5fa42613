// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small controls of the classic desktop look that Qt has no twin for.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QScrollBar>
#include <QFont>
#include <QIcon>
#include <QTimer>
#include <QWidget>
#include <functional>

class QPainter;

// A frame: a coloured area with a border and a caption. Etched, the caption is
// set into its top edge and children stand inside; raised, it is a bevelled
// panel whose caption fills it, wrapped over several lines. Children are
// placed relative to its top-left corner.
class Frame : public QWidget
{
    Q_OBJECT
public:
    enum Border { Etched, Raised };
    explicit Frame(QWidget *parent = nullptr, Border border = Etched);
    Border border() const { return m_border; }
    void setCaption(const QString &c)
    {
        m_caption = c;
        setAccessibleName(c);
        update();
    }
    QString caption() const { return m_caption; }
    void setColors(const QColor &back, const QColor &fore);
    QColor backColor() const { return m_back; }
    void setCaptionFont(const QFont &f) { m_font = f; update(); }
    QFont captionFont() const { return m_font; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void paintEtched(QPainter &p);
    void paintRaised(QPainter &p);

    Border m_border;
    QString m_caption;
    QColor m_back, m_fore;
    QFont m_font;
};

// Two arrows that hold no value: a press on either only reports up or down.
// Holding an arrow repeats it, as such buttons do. Tab reaches them and the
// Up and Down keys press them. What they set is shown elsewhere, so the window
// tells them the value a screen reader should hear with them, as a number and
// in words ("1 minute 30 seconds"): Orca speaks the words, not the number.
class SpinButton : public QWidget
{
    Q_OBJECT
public:
    explicit SpinButton(QWidget *parent = nullptr);
    void step(int direction) { direction > 0 ? Q_EMIT spinUp() : Q_EMIT spinDown(); }
    void setShownValue(double value, double lowest, double highest, const QString &spoken);
    QString spokenValue() const { return m_spoken; }
    double shownValue() const { return m_value; }
    double lowest() const { return m_lowest; }
    double highest() const { return m_highest; }

Q_SIGNALS:
    void spinUp();
    void spinDown();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void fire();
    int m_pressed = 0; // 1 up, -1 down, 0 none
    QTimer m_repeat;
    double m_value = 0, m_lowest = 0, m_highest = 0;
    QString m_spoken;
};

// A scroll bar whose value a screen reader hears in words: it is told as a
// spin button with the words as its text, since Orca reads only a number
// for a scroll bar. The words are set before the value changes.
class SpokenScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    using QScrollBar::QScrollBar;
};
void setSpokenValue(QAbstractSlider *bar, const QString &spoken);

// Tab enters a group of option buttons at its chosen one, and the arrows move
// within the group; an option chosen by a click or from code keeps it so.
void chosenOptionTakesTab(QAbstractButton *chosen);

// A push button with a bevelled face that shows a picture or a caption; an
// "&" in the caption gives the Alt+letter access key.
class PushButton3D : public QAbstractButton
{
    Q_OBJECT
public:
    explicit PushButton3D(QWidget *parent = nullptr);
    void setPicture(const QIcon &icon) { m_picture = icon; update(); }
    QIcon picture() const { return m_picture; }
    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QIcon m_picture;
};

// Draws the classic two-pixel bevel inside r: raised or sunken.
void drawBevel(QPainter &p, const QRect &r, bool raised);

// A label that reports a mouse press as a click, for the on-screen keys.
#include <QLabel>
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    bool m_pressed = false;
};

// Lines that stay when a drawing under them is cleared, as line controls do
// (the fact picture's grid and the bar under its written fact).
class LineLayer : public QWidget
{
public:
    LineLayer(QWidget *parent, int width);
    QVector<QLine> lines;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int m_width;
};

// A button as wide as the design made it, or wider about its centre when its
// caption needs more in a language ("Aceptar" for "OK").
void widenToCaption(QAbstractButton *button);

// A label in Arial of the given size and colours, at a place in pixels.
QLabel *colouredLabel(QWidget *parent, const QString &text, const QRect &geometry, double points, const QColor &back,
                      const QColor &fore, Qt::Alignment align);

// Shows a window modal over the whole program and returns once it has hidden
// itself, as the classic modal Show did; onScreen runs once it is on the screen.
void runModal(QWidget &window, const std::function<void()> &onScreen = {});

// Centres a top-level window on its screen's free area by its frame, as far as
// the window system has told the frame's size yet.
void centreOnScreen(QWidget *window);

// An image that stretches its picture over its whole area; empty when null.
class ImageBox : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setPicture(const QIcon &icon) { m_picture = icon; update(); }
    QIcon picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QIcon m_picture;
};
