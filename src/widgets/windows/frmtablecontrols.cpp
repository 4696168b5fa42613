// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls: built from their table, then given what no
// table says (pictures, the scroll bar's range, focus and cursors) and
// connected to their handlers. The handlers themselves are in frmtable.cpp.
#include "frmtable.h"
#include "frmtablelayout.h"

#include "app/format.h"
#include "app/module1.h"
#include "app/settings.h"
#include "helpwindow.h"
#include "controls/picturebox.h"
#include "platform/twips.h"
#include "controls/widgets.h"

#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

const QColor LightYellow(0xFF, 0xFF, 0x80);
const QColor Red(0xFF, 0x00, 0x00);
const QColor White(0xFF, 0xFF, 0xFF);

// The delay bar's value when the window is made, before the settings' own.
constexpr int DesignDelayMs = 1000;

// Plain command buttons keep the classic grey face and black text whatever the
// colours of the frame they stand in.
void classicButton(QWidget *b)
{
    QPalette p = b->palette();
    p.setColor(QPalette::Button, QColor(0xD4, 0xD0, 0xC8));
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Window, QColor(0xD4, 0xD0, 0xC8));
    b->setPalette(p);
}

void colour(QWidget *w, const QColor &back, const QColor &fore)
{
    QPalette p = w->palette();
    // Buttons paint with the Button roles, labels with the Window ones.
    if (back.isValid()) {
        p.setColor(QPalette::Window, back);
        p.setColor(QPalette::Button, back);
        p.setColor(QPalette::Base, White);
        w->setAutoFillBackground(true);
    }
    if (fore.isValid()) {
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
            p.setColor(role, fore);
            p.setColor(QPalette::Disabled, role, fore.darker(140));
        }
    }
    w->setPalette(p);
}

QWidget *newLabel(const ControlRow &row, const QString &caption, QWidget *parent, const QFont &font)
{
    auto *l = new QLabel(caption, parent);
    l->setAlignment(row.align);
    // A label two lines high wraps its caption.
    l->setWordWrap(toPixels(row.twips.height()) > QFontMetrics(font).height() * 1.8);
    l->setTextFormat(Qt::PlainText);
    colour(l, row.back, row.fore);
    if (row.sunken)
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return l;
}

QWidget *newKey(const ControlRow &row, const QString &caption, QWidget *parent)
{
    auto *key = new ClickLabel(caption, parent);
    key->setAlignment(row.align);
    key->setFrameStyle(QFrame::Panel | QFrame::Raised);
    key->setCursor(Qt::PointingHandCursor);
    colour(key, row.back, row.fore);
    return key;
}

QWidget *newOfKind(const ControlRow &row, const QString &caption, QWidget *parent, const QFont &font)
{
    switch (row.kind) {
    case ControlRow::Label: return newLabel(row, caption, parent, font);
    case ControlRow::Frame: {
        auto *f = new Frame(parent);
        f->setCaption(caption);
        f->setCaptionFont(font);
        f->setColors(row.back, row.fore.isValid() ? row.fore : QColor(Qt::black));
        return f;
    }
    case ControlRow::Option: {
        auto *o = new QRadioButton(caption, parent);
        colour(o, row.back, row.fore);
        return o;
    }
    case ControlRow::Button: {
        auto *b = new QPushButton(caption, parent);
        b->setAutoDefault(false);
        classicButton(b);
        return b;
    }
    case ControlRow::Button3D: {
        auto *b = new PushButton3D(parent);
        b->setText(caption);
        classicButton(b);
        return b;
    }
    case ControlRow::Spin: return new SpinButton(parent);
    case ControlRow::Picture: {
        auto *box = new PictureBox(parent);
        box->setBackColor(row.back);
        box->setForeColor(row.fore);
        box->setBoxFont(font);
        return box;
    }
    case ControlRow::Key: return newKey(row, caption, parent);
    case ControlRow::Image: return new ImageBox(parent);
    case ControlRow::ScrollBar: {
        auto *bar = new SpokenScrollBar(Qt::Horizontal, parent);
        classicButton(bar);
        return bar;
    }
    }
    qFatal("main window: a control of no known kind");
}

QWidget *makeControl(const ControlRow &row, QWidget *parent, const QFont &font)
{
    const QString caption = row.caption ? QCoreApplication::translate("frmTable", row.caption) : QString();
    QWidget *w = newOfKind(row, caption, parent, font);
    w->setObjectName(QLatin1String(row.name));
    w->setGeometry(twipsRect(row.twips));
    // A frame and a picture box keep their font for what they draw themselves.
    const bool captioned = row.kind == ControlRow::Label || row.kind == ControlRow::Option
                           || row.kind == ControlRow::Button || row.kind == ControlRow::Button3D
                           || row.kind == ControlRow::Key;
    if (captioned)
        w->setFont(font);
    return w;
}

} // namespace

void frmTable::buildControls()
{
    setObjectName(QStringLiteral("frmTable"));
    setWindowTitle(QStringLiteral("Numbloom"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(toPixels(MainWindowWidth), toPixels(MainWindowHeight));
    colour(this, LightYellow, Red);

    // Made in the table's order, which is also the order Tab takes.
    QHash<QString, QWidget *> made;
    for (const ControlRow &row : mainWindowRows()) {
        QWidget *container = this;
        if (row.container) {
            container = made.value(QLatin1String(row.container));
            // Controls in a picture box stand inside its border.
            if (auto *box = qobject_cast<PictureBox *>(container))
                container = box->client();
        }
        const QFont f = row.face ? layoutFont(QLatin1String(row.face), row.points, row.bold) : font();
        QWidget *w = makeControl(row, container, f);
        if (!row.shown)
            w->hide();
        made.insert(QLatin1String(row.name), w);
        row.fill(*this, w);
    }
    // Each row fills one member and none twice: as many rows as members
    // means none is left empty.
    if (mainWindowRows().size() != MainControlCount)
        qFatal("main window: %zu rows for %zu controls", mainWindowRows().size(), MainControlCount);
    finishControls();
    connectControls();
}

void frmTable::finishControls()
{
    picFactor->setCursor(Qt::PointingHandCursor);
    picFactor->setFocusPolicy(Qt::StrongFocus);
    picPractice->setFocusPolicy(Qt::StrongFocus);

    imgButton[0] = QIcon(m.AppFile(QStringLiteral("start.svg")));
    imgButton[1] = QIcon(m.AppFile(QStringLiteral("stop.svg")));
    for (int i = 0; i < 4; ++i)
        imgReward[size_t(i)] = QIcon(m.AppFile(QStringLiteral("reward%1.svg").arg(i)));
    cmdStart->setPicture(imgButton[0]);
    cmdPrint->setPicture(QIcon(m.AppFile(QStringLiteral("printer.svg"))));
    // The picture buttons carry the words their labels show.
    cmdStart->setAccessibleName(lblStart->text());
    cmdPrint->setAccessibleName(lblPrint->text());
    picPractice->setAccessibleName(tr("Practice"));
    // The arrows hold no value, so a screen reader is told what they set by
    // the names the window already shows; the delay bar is named by its frame
    // and says its value in words.
    updMax->setAccessibleName(fraMax->caption());
    spnTimer->setAccessibleName(optTimer[2]->text().remove(QLatin1Char('&')));
    hsbDelay->setAccessibleName(fraDelay->caption());
    hsbDelay->setFocusPolicy(Qt::TabFocus);

    showDelay(DesignDelayMs);
    hsbDelay->setRange(DelayMsRange.lo, DelayMsRange.hi);
    hsbDelay->setSingleStep(50);
    hsbDelay->setPageStep(1);
    hsbDelay->setValue(DesignDelayMs);
    // Change comes when the thumb is let go or an arrow pressed, Scroll while
    // the thumb is dragged: the label follows the thumb either way.
    hsbDelay->setTracking(false);
}

void frmTable::connectControls()
{
    for (int i = 0; i < 2; ++i)
        connect(optMode[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optMode_Click(i);
        });
    for (int k = 0; k < FactorOptionCount; ++k)
        connect(optFactor[size_t(k)], &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                optFactor_Click(k);
        });
    for (int i = 0; i < 3; ++i)
        connect(optTimer[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optTimer_Click(i);
        });
    for (QRadioButton *option : findChildren<QRadioButton *>())
        connect(option, &QRadioButton::toggled, option, [option](bool on) {
            if (on)
                chosenOptionTakesTab(option);
        });
    for (int k = 0; k < 10; ++k)
        connect(lblKey[size_t(k)], &ClickLabel::clicked, this, [this, k] { lblKey_Click(k); });
    onClick(cmdPrintFacts, &frmTable::cmdPrintFacts_Click);
    onClick(cmdFacts, &frmTable::cmdFacts_Click);
    connect(updMax, &SpinButton::spinUp, this, &frmTable::updMax_SpinUp);
    connect(updMax, &SpinButton::spinDown, this, &frmTable::updMax_SpinDown);
    connect(picFactor, &PictureBox::mousePressed, this, &frmTable::picFactor_MouseDown);
    connect(picPractice, &PictureBox::keyPressed, this, &frmTable::picPractice_KeyPress);
    onClick(cmdResults, &frmTable::cmdResults_Click);
    onClick(cmdRevNext, &frmTable::cmdRevNext_Click);
    onClick(cmdRevStop, &frmTable::cmdRevStop_Click);
    onClick(cmdInfo, &frmTable::cmdInfo_Click);
    onClick(cmdHelp, &frmTable::cmdHelp_Click);
    addHelpKey(this, m, [this] { return helpAnchor(); });
    onClick(cmdExit, &frmTable::cmdExit_Click);
    onClick(cmdStart, &frmTable::cmdStart_Click);
    onClick(cmdPrint, &frmTable::cmdPrint_Click);
    connect(spnTimer, &SpinButton::spinUp, this, &frmTable::spnTimer_SpinUp);
    connect(spnTimer, &SpinButton::spinDown, this, &frmTable::spnTimer_SpinDown);
    connect(hsbDelay, &QScrollBar::valueChanged, this, &frmTable::hsbDelay_Change);
    connect(hsbDelay, &QScrollBar::sliderMoved, this, &frmTable::hsbDelay_Scroll);
}

void frmTable::onClick(QAbstractButton *button, void (frmTable::*handler)())
{
    // An access key clicks its button a moment after the key, from the event
    // loop; by then the button may have been hidden or disabled by what came
    // in between. A click on a button that cannot be pressed does nothing.
    connect(button, &QAbstractButton::clicked, this, [this, button, handler] {
        if (button->isVisible() && button->isEnabled())
            (this->*handler)();
    });
}

