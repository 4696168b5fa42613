// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets.h"
#include "platform/twips.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QScreen>

#include <QEventLoop>
#include <QWindow>
#include <QFontMetricsF>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <cmath>

void drawBevel(QPainter &p, const QRect &rect, bool raised)
{
    const QColor light = Qt::white, mid(0xd4, 0xd0, 0xc8), dark(0x80, 0x80, 0x80), shadow(0x40, 0x40, 0x40);
    const QRect r = rect.adjusted(0, 0, -1, -1);
    const QRect r2 = r.adjusted(1, 1, -1, -1);
    auto edge = [&p](const QRect &q, const QColor &tl, const QColor &br) {
        p.setPen(tl);
        p.drawLine(q.topLeft(), q.topRight());
        p.drawLine(q.topLeft(), q.bottomLeft());
        p.setPen(br);
        p.drawLine(q.bottomLeft(), q.bottomRight());
        p.drawLine(q.topRight(), q.bottomRight());
    };
    if (raised) {
        edge(r, light, shadow);
        edge(r2, mid, dark);
    } else {
        edge(r, dark, light);
        edge(r2, shadow, mid);
    }
}

namespace {
constexpr char SpokenValueProperty[] = "numbloomSpokenValue";

// A value's words as the text of a control: what Orca says of a spin button
// as its value, on the focus and on each step.
class SpokenText : public QAccessibleTextInterface
{
public:
    virtual QString spoken() const = 0;
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return spoken().mid(start, end - start); }
    int characterCount() const override { return int(spoken().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }
};

// A spin button on the bus: a value a screen reader can read and set, and
// that value in words as its text.
class SpokenValueAccessible : public QAccessibleWidget, public QAccessibleValueInterface, public SpokenText
{
public:
    explicit SpokenValueAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::SpinBox) {}
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }
};

// The delay bar on the bus: a spin button whose value is in seconds and
// whose text is the value in words.
class SpokenBarAccessible : public SpokenValueAccessible
{
public:
    explicit SpokenBarAccessible(QAbstractSlider *bar) : SpokenValueAccessible(bar) {}
    QString spoken() const override { return widget()->property(SpokenValueProperty).toString(); }
    QVariant currentValue() const override { return bar()->value() / 1000.0; }
    QVariant maximumValue() const override { return bar()->maximum() / 1000.0; }
    QVariant minimumValue() const override { return bar()->minimum() / 1000.0; }
    QVariant minimumStepSize() const override { return bar()->singleStep() / 1000.0; }
    void setCurrentValue(const QVariant &value) override
    {
        if (bar()->isEnabled())
            bar()->setValue(int(std::lround(value.toDouble() * 1000.0)));
    }
    using QAccessibleWidget::text;

private:
    QAbstractSlider *bar() const { return static_cast<QAbstractSlider *>(widget()); }
};

// The arrows are a spin button on the bus: a screen reader hears the value
// they set and can step it with the increase and decrease actions.
class SpinButtonAccessible : public SpokenValueAccessible
{
public:
    explicit SpinButtonAccessible(SpinButton *spin) : SpokenValueAccessible(spin) {}
    QString spoken() const override { return spin()->spokenValue(); }
    using QAccessibleWidget::text;
    QVariant currentValue() const override { return spin()->shownValue(); }
    QVariant maximumValue() const override { return spin()->highest(); }
    QVariant minimumValue() const override { return spin()->lowest(); }
    QVariant minimumStepSize() const override { return QVariant(); }
    void setCurrentValue(const QVariant &value) override
    {
        // Only steps exist: step towards the value until it is reached or
        // passed, or a step no longer changes anything.
        const double target = value.toDouble();
        for (int i = 0; i < 200 && usable(); ++i) {
            const double was = spin()->shownValue();
            if (was == target)
                return;
            const int direction = target > was ? 1 : -1;
            spin()->step(direction);
            const double now = spin()->shownValue();
            if (now == was || (target - now) * direction < 0)
                return;
        }
    }
    QStringList actionNames() const override
    {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        if (name == increaseAction() || name == decreaseAction()) {
            if (usable())
                spin()->step(name == increaseAction() ? 1 : -1);
        }
        else
            QAccessibleWidget::doAction(name);
    }

private:
    SpinButton *spin() const { return static_cast<SpinButton *>(widget()); }
    // A screen reader may act on arrows a drill has locked: they stay locked.
    bool usable() const { return spin()->isEnabled() && spin()->isVisible(); }
};

QAccessibleInterface *controlAccessible(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    // A frame holds a group of controls and its caption names the group, so a
    // screen reader gives a factor's option as "3" in "Factor Value".
    // A raised panel's caption is its content: read as text.
    if (className == QLatin1String("Frame")) {
        auto *frame = static_cast<Frame *>(object);
        return new QAccessibleWidget(frame, frame->border() == Frame::Raised ? QAccessible::StaticText
                                                                              : QAccessible::Grouping);
    }
    if (className == QLatin1String("SpinButton"))
        return new SpinButtonAccessible(static_cast<SpinButton *>(object));
    if (className == QLatin1String("SpokenScrollBar"))
        return new SpokenBarAccessible(static_cast<QAbstractSlider *>(object));
    // The reward picture is told in words, with the results beside it.
    if (className == QLatin1String("ImageBox"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StaticText);
    // Our own windows are plain widgets, which Qt gives no window role: a
    // screen reader would not announce them. Only plain widgets: a text
    // browser or a dialog keeps the interface Qt gives it.
    auto *w = static_cast<QWidget *>(object);
    const QMetaObject *mo = object->metaObject();
    const bool plain = className == QLatin1String(mo->className())
                       && (mo == &QWidget::staticMetaObject || mo->superClass() == &QWidget::staticMetaObject);
    if (w->isWindow() && plain)
        return new QAccessibleWidget(w, w->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window);
    return nullptr;
}

void installAccessibles()
{
    static const bool installed = (QAccessible::installFactory(controlAccessible), true);
    Q_UNUSED(installed);
}
} // namespace

void chosenOptionTakesTab(QAbstractButton *chosen)
{
    if (!chosen || !chosen->isChecked() || !chosen->autoExclusive() || !chosen->parentWidget())
        return;
    const auto group = chosen->parentWidget()->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly);
    for (QAbstractButton *b : group)
        if (b->isCheckable() && b->autoExclusive())
            b->setFocusPolicy(b == chosen ? Qt::StrongFocus : Qt::ClickFocus);
}

Frame::Frame(QWidget *parent, Border border) : QWidget(parent), m_border(border)
{
    installAccessibles();
    m_back = palette().color(QPalette::Window);
    m_fore = palette().color(QPalette::WindowText);
    m_font = font();
}

void Frame::setColors(const QColor &back, const QColor &fore)
{
    m_back = back;
    m_fore = fore;
    update();
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_back);
    if (m_border == Raised)
        paintRaised(p);
    else
        paintEtched(p);
}

void Frame::paintEtched(QPainter &p)
{
    const QFontMetrics fm(m_font);
    const int top = m_caption.isEmpty() ? 0 : fm.height() / 2;
    const QRect r = rect().adjusted(0, top, -1, -1);
    // etched: a dark line with a light one beside it
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(Qt::white);
    p.drawRect(r.adjusted(1, 1, 0, 0));
    if (!m_caption.isEmpty()) {
        const int w = fm.horizontalAdvance(m_caption);
        const QRect text(8, 0, w + 4, fm.height());
        p.fillRect(text, m_back);
        p.setFont(m_font);
        p.setPen(isEnabled() ? m_fore : m_fore.darker(150));
        p.drawText(text, Qt::AlignCenter, m_caption);
    }
}

void Frame::paintRaised(QPainter &p)
{
    drawBevel(p, rect(), true);
    p.setFont(m_font);
    p.setPen(m_fore);
    p.drawText(rect().adjusted(8, 6, -8, -6), Qt::AlignCenter | Qt::TextWordWrap, m_caption);
}

SpinButton::SpinButton(QWidget *parent) : QWidget(parent)
{
    installAccessibles();
    // Tab, not a click: a click hands the focus back to the practice box.
    setFocusPolicy(Qt::TabFocus);
    m_repeat.setInterval(100);
    connect(&m_repeat, &QTimer::timeout, this, [this] {
        m_repeat.setInterval(100);
        fire();
    });
}

void SpinButton::fire()
{
    if (m_pressed > 0)
        Q_EMIT spinUp();
    else if (m_pressed < 0)
        Q_EMIT spinDown();
}

void SpinButton::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    m_pressed = e->position().y() < height() / 2.0 ? 1 : -1;
    update();
    fire();
    m_repeat.start(400);
}

void SpinButton::mouseReleaseEvent(QMouseEvent *)
{
    m_repeat.stop();
    m_pressed = 0;
    update();
}

void SpinButton::setShownValue(double value, double lowest, double highest, const QString &spoken)
{
    const bool changed = value != m_value;
    m_spoken = spoken;
    m_value = value;
    m_lowest = lowest;
    m_highest = highest;
    if (changed) {
        QAccessibleValueChangeEvent event(this, value);
        QAccessible::updateAccessibility(&event);
    }
}

void setSpokenValue(QAbstractSlider *bar, const QString &spoken)
{
    installAccessibles();
    bar->setProperty(SpokenValueProperty, spoken);
}

void SpinButton::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down)
        step(e->key() == Qt::Key_Up ? 1 : -1);
    else
        QWidget::keyPressEvent(e);
}

void SpinButton::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::EnabledChange && !isEnabled()) {
        m_repeat.stop();
        m_pressed = 0;
    }
    QWidget::changeEvent(e);
}

void SpinButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int h = height() / 2;
    const QRect up(0, 0, width(), h), down(0, h, width(), height() - h);
    for (int i = 0; i < 2; ++i) {
        const QRect r = i == 0 ? up : down;
        const bool pressed = (i == 0 && m_pressed > 0) || (i == 1 && m_pressed < 0);
        p.fillRect(r, QColor(0xd4, 0xd0, 0xc8));
        drawBevel(p, r, !pressed);
        const QPointF c = QRectF(r).center();
        const qreal s = qMin(r.width(), r.height()) * 0.22;
        QPolygonF tri;
        if (i == 0)
            tri << QPointF(c.x() - s, c.y() + s / 2) << QPointF(c.x() + s, c.y() + s / 2) << QPointF(c.x(), c.y() - s / 2);
        else
            tri << QPointF(c.x() - s, c.y() - s / 2) << QPointF(c.x() + s, c.y() - s / 2) << QPointF(c.x(), c.y() + s / 2);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(isEnabled() ? Qt::black : QColor(0x80, 0x80, 0x80));
        p.drawPolygon(tri);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
}

PushButton3D::PushButton3D(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void PushButton3D::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const bool down = isDown() || isChecked();
    p.fillRect(rect(), QColor(0xd4, 0xd0, 0xc8));
    drawBevel(p, rect(), !down);
    const QRect face = rect().adjusted(3, 3, -3, -3).translated(down ? 1 : 0, down ? 1 : 0);
    if (!m_picture.isNull()) {
        const int side = qMin(face.width(), face.height());
        const QRect pic(face.center().x() - side / 2 + 1, face.center().y() - side / 2 + 1, side, side);
        m_picture.paint(&p, pic, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    }
    if (!text().isEmpty()) {
        p.setFont(font());
        p.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(0x80, 0x80, 0x80));
        p.drawText(face, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }
    if (hasFocus()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}

void ClickLabel::mousePressEvent(QMouseEvent *e)
{
    // A press that slides off the label before the release is no click.
    if (e->button() == Qt::LeftButton)
        m_pressed = true;
    QLabel::mousePressEvent(e);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *e)
{
    const bool click = m_pressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton)
        m_pressed = false;
    QLabel::mouseReleaseEvent(e);
    if (click)
        Q_EMIT clicked();
}

void centreOnScreen(QWidget *window)
{
    const QScreen *s = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    const QRect area = s->availableGeometry();
    const QSize frame = window->frameGeometry().size().expandedTo(window->size());
    window->move(area.x() + int(float(area.width() - frame.width()) * 0.5f),
                 area.y() + int(float(area.height() - frame.height()) * 0.5f));
}

void ImageBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    // Rendered at the device's density, then stretched over the whole box.
    const QPixmap pm = m_picture.pixmap(size(), devicePixelRatioF());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), pm);
}

LineLayer::LineLayer(QWidget *parent, int width) : QWidget(parent), m_width(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(parent->rect());
}

void LineLayer::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(Qt::black, m_width, Qt::SolidLine, Qt::FlatCap));
    p.drawLines(lines);
}

QLabel *colouredLabel(QWidget *parent, const QString &text, const QRect &geometry, double points, const QColor &back,
                      const QColor &fore, Qt::Alignment align)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(geometry);
    l->setFont(layoutFont(QStringLiteral("Arial"), points));
    l->setAlignment(align);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::WindowText, fore);
    l->setPalette(p);
    l->setAutoFillBackground(true);
    return l;
}

namespace {
// Ends a modal window's loop when the window hides.
class UntilHidden : public QObject
{
public:
    explicit UntilHidden(QEventLoop &loop) : m_loop(loop) {}

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        // Hidden by the program; minimised by the desktop is no end.
        if (e->type() == QEvent::Hide && !e->spontaneous())
            m_loop.quit();
        return false;
    }

private:
    QEventLoop &m_loop;
};
} // namespace

void runModal(QWidget &window, const std::function<void()> &onScreen)
{
    window.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    UntilHidden watch(loop);
    window.installEventFilter(&watch);
    window.show();
    window.raise();
    window.activateWindow();
    if (onScreen) {
        // Drawing straight to the screen needs the window really there: a
        // moment on X11, at once offscreen.
        QElapsedTimer waited;
        waited.start();
        while (window.windowHandle() && !window.windowHandle()->isExposed() && waited.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        onScreen();
    }
    if (window.isVisible())
        loop.exec();
    window.removeEventFilter(&watch);
    window.setWindowModality(Qt::NonModal);
}

void widenToCaption(QAbstractButton *button)
{
    const int wanted = int(std::ceil(QFontMetricsF(button->font()).horizontalAdvance(button->text()))) + 12;
    if (wanted > button->width()) {
        const QRect g = button->geometry();
        button->setGeometry(g.center().x() - wanted / 2, g.y(), wanted, g.height());
    }
}
