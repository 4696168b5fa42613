#include "frmtable.h"

#include "app/format.h"
#include "app/module1.h"
#include "frmabout.h"
#include "frmhmath.h"
#include "platform/picturebox.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "print/printjobs.h"
#include "render/problemdisplay.h"
#include "render/studydisplay.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QScrollBar>

namespace {

const QColor LightYellow(0xFF, 0xFF, 0x80);
const QColor PaleYellow(0xFF, 0xFF, 0xC0);
const QColor Red(0xFF, 0x00, 0x00);
const QColor Blue(0x00, 0x00, 0xFF);
const QColor Yellow(0xFF, 0xFF, 0x00);
const QColor White(0xFF, 0xFF, 0xFF);
const QColor Black(0x00, 0x00, 0x00);

const QString SansSerif = QStringLiteral("MS Sans Serif");
const QString Arial = QStringLiteral("Arial");
const QString Times = QStringLiteral("Times New Roman");

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

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, const QRect &geo, const QFont &font,
                  const QColor &back, const QColor &fore, Qt::Alignment align, bool border = false)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geo);
    l->setFont(font);
    l->setAlignment(align);
    l->setWordWrap(geo.height() > QFontMetrics(font).height() * 1.8);
    l->setTextFormat(Qt::PlainText);
    colour(l, back, fore);
    if (border)
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return l;
}

Frame *makeFrame(QWidget *parent, const char *name, const QString &caption, const QRect &geo, const QFont &font,
                 const QColor &back, const QColor &fore)
{
    auto *f = new Frame(parent);
    f->setObjectName(QLatin1String(name));
    f->setGeometry(geo);
    f->setCaption(caption);
    f->setCaptionFont(font);
    f->setColors(back, fore.isValid() ? fore : Black);
    return f;
}

QRadioButton *makeOption(QWidget *parent, const QString &name, const QString &caption, const QRect &geo,
                         const QFont &font, const QColor &back, const QColor &fore)
{
    auto *o = new QRadioButton(caption, parent);
    o->setObjectName(name);
    o->setGeometry(geo);
    o->setFont(font);
    colour(o, back, fore);
    return o;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &geo, const QFont &font)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geo);
    b->setFont(font);
    b->setAutoDefault(false);
    classicButton(b);
    return b;
}

PushButton3D *make3D(QWidget *parent, const char *name, const QString &caption, const QRect &geo, const QFont &font)
{
    auto *b = new PushButton3D(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    b->setGeometry(geo);
    b->setFont(font);
    classicButton(b);
    return b;
}

} // namespace

frmTable::frmTable(Module1 &module, frmAbout *about) : QWidget(nullptr), m(module), m_about(about)
{
    setObjectName(QStringLiteral("frmTable"));
    setWindowTitle(QStringLiteral("Numbloom"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(toPixels(9570), toPixels(6585));
    colour(this, LightYellow, Red);
    setWindowIcon(QIcon(m.AppFile(QStringLiteral("numbloom.svg"))));
    showFactPicture = &frmHMath::showFact;
    buildControls();
    m_default = cmdResults;
    m_cancel = cmdRevStop;
    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &frmTable::Timer1_Timer);
    qApp->installEventFilter(this);
}

frmTable::~frmTable() { qApp->removeEventFilter(this); }

void frmTable::buildControls()
{
    lbltitle = makeLabel(this, "lbltitle", QStringLiteral("Numbloom"), twipsRect(1200, 0, 6255, 615),
                         layoutFont(Times, 24, true), LightYellow, Blue, Qt::AlignHCenter | Qt::AlignTop);

    // Mode
    fraMode = makeFrame(this, "fraMode", QStringLiteral("Mode"), twipsRect(120, 720, 1935, 1215),
                        layoutFont(SansSerif, 12, true), Red, Yellow);
    const QStringList modes{QStringLiteral("Study"), QStringLiteral("Practice")};
    for (int i = 0; i < 2; ++i) {
        optMode[size_t(i)] = makeOption(fraMode, QStringLiteral("optMode_%1").arg(i), modes[i],
                                        twipsRect(240, 360 + 360 * i, 1455, 300), layoutFont(SansSerif, 12, true),
                                        Red, White);
        connect(optMode[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optMode_Click(i);
        });
    }

    // Factor
    fraFactor = makeFrame(this, "fraFactor", QStringLiteral("Factor Value"), twipsRect(120, 2040, 1935, 2595),
                          layoutFont(SansSerif, 9.75, true), Blue, Yellow);
    for (int k = 0; k < 14; ++k) {
        QRect geo;
        if (k == 0)
            geo = twipsRect(240, 360, 1095, 255);
        else if (k <= 5)
            geo = twipsRect(240, (k == 5 ? 2100 : 720 + 360 * (k - 1)), 495, 255);
        else if (k <= 9)
            geo = twipsRect(720, 720 + 360 * (k - 6), 495, 255);
        else if (k == 10)
            geo = twipsRect(1200, 720, 495, 255);
        else
            geo = twipsRect(1200, 1080 + 360 * (k - 11), 615, 255);
        const QString caption = k == 0 ? QStringLiteral("Random") : QString::number(k - 1);
        optFactor[size_t(k)] = makeOption(fraFactor, QStringLiteral("optFactor_%1").arg(k), caption, geo,
                                          layoutFont(SansSerif, 9.75), Blue, White);
        connect(optFactor[size_t(k)], &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                optFactor_Click(k);
        });
    }

    // Study panel and maximum multiplier share the bottom of the left column.
    fraStudy = makeFrame(this, "fraStudy", QString(), twipsRect(120, 4680, 1935, 1395), font(), Blue, QColor());
    Label1 = makeLabel(fraStudy, "Label1", QStringLiteral("Click Problem to See Picture"), twipsRect(120, 240, 1695, 495),
                       layoutFont(SansSerif, 9.75, true), Blue, Yellow, Qt::AlignCenter);
    Label1->setWordWrap(true);
    cmdPrintFacts = makeButton(fraStudy, "cmdPrintFacts", QStringLiteral("&Print Facts"), twipsRect(240, 840, 1455, 375),
                               layoutFont(Arial, 9.75));
    onClick(cmdPrintFacts, &frmTable::cmdPrintFacts_Click);

    fraMax = makeFrame(this, "fraMax", QStringLiteral("Maximum Multiplier"), twipsRect(120, 4680, 1935, 975),
                       layoutFont(Arial, 9), Blue, Yellow);
    lblMax = makeLabel(fraMax, "lblMax", QStringLiteral("12"), twipsRect(600, 360, 615, 375), layoutFont(Arial, 14.25),
                       White, Black, Qt::AlignCenter, true);
    updMax = new SpinButton(fraMax);
    updMax->setObjectName(QStringLiteral("updMax"));
    updMax->setGeometry(twipsRect(1200, 360, 195, 375));
    connect(updMax, &SpinButton::spinUp, this, &frmTable::updMax_SpinUp);
    connect(updMax, &SpinButton::spinDown, this, &frmTable::updMax_SpinDown);

    // The two drawing boxes, in one place.
    picFactor = new PictureBox(this);
    picFactor->setObjectName(QStringLiteral("picFactor"));
    picFactor->setGeometry(twipsRect(2160, 720, 7335, 4815));
    picFactor->setBackColor(PaleYellow);
    picFactor->setForeColor(Red);
    picFactor->setBoxFont(layoutFont(Arial, 24));
    picFactor->setCursor(Qt::PointingHandCursor);
    connect(picFactor, &PictureBox::mousePressed, this, &frmTable::picFactor_MouseDown);

    picPractice = new PictureBox(this);
    picPractice->setObjectName(QStringLiteral("picPractice"));
    picPractice->setGeometry(twipsRect(2160, 720, 5175, 4575));
    picPractice->setBackColor(White);
    picPractice->setForeColor(Black);
    picPractice->setBoxFont(layoutFont(Arial, 36));
    picPractice->setFocusPolicy(Qt::StrongFocus);
    picPractice->hide();
    connect(picPractice, &PictureBox::keyPressed, this, &frmTable::picPractice_KeyPress);
    QWidget *inside = picPractice->client();

    lblProblem = makeLabel(inside, "lblProblem", QString(), twipsRect(0, 0, 2655, 495), layoutFont(Arial, 15.75),
                           White, Red, Qt::AlignCenter);
    lblWrong = makeLabel(inside, "lblWrong", QString(), twipsRect(2520, 0, 2655, 495), layoutFont(Arial, 15.75),
                         White, Red, Qt::AlignCenter);

    fraKey = makeFrame(inside, "fraKey", QString(), twipsRect(-120, 3600, 5415, 975), font(), Blue, QColor());
    fraKey->hide();
    for (int k = 0; k < 10; ++k) {
        const int left = k == 0 ? 4560 : 240 + 480 * (k - 1);
        auto *key = new ClickLabel(QString::number(k), fraKey);
        key->setObjectName(QStringLiteral("lblKey_%1").arg(k));
        key->setGeometry(twipsRect(left, 240, 495, 495));
        key->setFont(layoutFont(Arial, 18, true));
        key->setAlignment(Qt::AlignCenter);
        key->setFrameStyle(QFrame::Panel | QFrame::Raised);
        key->setCursor(Qt::PointingHandCursor);
        colour(key, PaleYellow, QColor(0x40, 0x40, 0x40));
        lblKey[size_t(k)] = key;
        connect(key, &ClickLabel::clicked, this, [this, k] { lblKey_Click(k); });
    }

    fraResults = makeFrame(inside, "fraResults", QStringLiteral("Results"), twipsRect(0, 0, 5295, 4575),
                           layoutFont(SansSerif, 12, true), Black, Yellow);
    fraResults->hide();
    const QStringList placeholders{QStringLiteral("Problems Tried: 123"), QStringLiteral("Problems Correct: 123 (88%)"),
                                   QStringLiteral("Elapsed Time: 20:22"), QStringLiteral("Time Per Problem: 10.22 sec")};
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "lblResults_" + QByteArray::number(i);
        lblResults[size_t(i)] = makeLabel(fraResults, name.constData(), placeholders[i],
                                          twipsRect(120, 360 + 360 * i, i == 3 ? 4335 : 3855, 375),
                                          layoutFont(SansSerif, 12, true), Black, White, Qt::AlignLeft | Qt::AlignVCenter);
    }
    cmdResults = makeButton(fraResults, "cmdResults", QStringLiteral("&Review"), twipsRect(3840, 720, 1215, 495),
                            layoutFont(SansSerif, 9.75));
    onClick(cmdResults, &frmTable::cmdResults_Click);
    imgResults = new ImageBox(fraResults);
    imgResults->setObjectName(QStringLiteral("imgResults"));
    imgResults->setGeometry(twipsRect(1440, 1800, 2430, 2655));

    fraReview = makeFrame(inside, "fraReview", QString(), twipsRect(1320, 3600, 2535, 855), font(),
                          QColor(0xFF, 0x80, 0x80), QColor());
    fraReview->hide();
    cmdRevNext = makeButton(fraReview, "cmdRevNext", QStringLiteral("&Next"), twipsRect(240, 240, 975, 495),
                            layoutFont(SansSerif, 9.75));
    cmdRevStop = makeButton(fraReview, "cmdRevStop", QStringLiteral("&Stop"), twipsRect(1320, 240, 975, 495),
                            layoutFont(SansSerif, 9.75));
    onClick(cmdRevNext, &frmTable::cmdRevNext_Click);
    onClick(cmdRevStop, &frmTable::cmdRevStop_Click);

    // Info, Help, Exit
    fraChoice = makeFrame(this, "fraChoice", QString(), twipsRect(2880, 5640, 3735, 855), font(), Blue, QColor());
    const QFont choiceFont = layoutFont(SansSerif, 8.25, true);
    cmdInfo = make3D(fraChoice, "cmdInfo", QStringLiteral("&Info?"), twipsRect(120, 240, 1095, 495), choiceFont);
    cmdHelp = make3D(fraChoice, "cmdHelp", QStringLiteral("&Help"), twipsRect(1320, 240, 1095, 495), choiceFont);
    cmdExit = make3D(fraChoice, "cmdExit", QStringLiteral("E&xit"), twipsRect(2520, 240, 1095, 495), choiceFont);
    onClick(cmdInfo, &frmTable::cmdInfo_Click);
    onClick(cmdHelp, &frmTable::cmdHelp_Click);
    // The desktop's help key opens the same help, wherever the focus is.
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &frmTable::cmdHelp_Click);
    onClick(cmdExit, &frmTable::cmdExit_Click);

    // Practice panel
    imgButton[0] = QIcon(m.AppFile(QStringLiteral("start.svg")));
    imgButton[1] = QIcon(m.AppFile(QStringLiteral("stop.svg")));
    for (int i = 0; i < 4; ++i)
        imgReward[size_t(i)] = QIcon(m.AppFile(QStringLiteral("reward%1.svg").arg(i)));

    fraPractice = makeFrame(this, "fraPractice", QStringLiteral("Choose"), twipsRect(7440, 720, 2055, 1695),
                            layoutFont(SansSerif, 9.75, true), Blue, Yellow);
    const QFont practiceLabels = layoutFont(SansSerif, 9.75);
    lblStart = makeLabel(fraPractice, "lblStart", QStringLiteral("Start Practice"), twipsRect(120, 240, 1095, 615),
                         practiceLabels, Blue, White, Qt::AlignCenter);
    lblStart->setWordWrap(true);
    cmdStart = make3D(fraPractice, "cmdStart", QString(), twipsRect(1320, 240, 615, 615), font());
    cmdStart->setPicture(imgButton[0]);
    onClick(cmdStart, &frmTable::cmdStart_Click);
    lblPrint = makeLabel(fraPractice, "lblPrint", QStringLiteral("Print Worksheet"), twipsRect(120, 960, 1095, 615),
                         practiceLabels, Blue, White, Qt::AlignCenter);
    lblPrint->setWordWrap(true);
    cmdPrint = make3D(fraPractice, "cmdPrint", QString(), twipsRect(1320, 960, 615, 615), font());
    cmdPrint->setPicture(QIcon(m.AppFile(QStringLiteral("printer.svg"))));
    onClick(cmdPrint, &frmTable::cmdPrint_Click);

    // Timer options
    fraTimer = makeFrame(this, "fraTimer", QStringLiteral("Timer Options"), twipsRect(7440, 2520, 2055, 2415),
                         layoutFont(SansSerif, 9.75, true), Blue, Yellow);
    const QStringList timers{QStringLiteral("Timer Off"), QStringLiteral("On-Count Up"), QStringLiteral("On-Count Down")};
    for (int i = 0; i < 3; ++i) {
        optTimer[size_t(i)] = makeOption(fraTimer, QStringLiteral("optTimer_%1").arg(i), timers[i],
                                         twipsRect(240, 360 + 360 * i, i == 0 ? 1575 : 1695, 255),
                                         layoutFont(SansSerif, 9.75), Blue, White);
        connect(optTimer[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optTimer_Click(i);
        });
    }
    lblTimer = makeLabel(fraTimer, "lblTimer", QStringLiteral("0:00"), twipsRect(240, 1560, 1335, 615),
                         layoutFont(Times, 24, true), White, Red, Qt::AlignCenter, true);
    spnTimer = new SpinButton(fraTimer);
    spnTimer->setObjectName(QStringLiteral("spnTimer"));
    spnTimer->setGeometry(twipsRect(1560, 1560, 255, 615));
    connect(spnTimer, &SpinButton::spinUp, this, &frmTable::spnTimer_SpinUp);
    connect(spnTimer, &SpinButton::spinDown, this, &frmTable::spnTimer_SpinDown);

    // Delay
    fraDelay = makeFrame(this, "fraDelay", QStringLiteral("Delay"), twipsRect(7440, 5040, 2055, 1215),
                         layoutFont(SansSerif, 9.75, true), Blue, Yellow);
    fraDelay->hide();
    lblDelay = makeLabel(fraDelay, "lblDelay", QStringLiteral("1.00 sec"), twipsRect(240, 360, 1575, 375),
                         layoutFont(SansSerif, 12, true), White, Red, Qt::AlignCenter, true);
    hsbDelay = new QScrollBar(Qt::Horizontal, fraDelay);
    hsbDelay->setObjectName(QStringLiteral("hsbDelay"));
    hsbDelay->setGeometry(twipsRect(120, 840, 1815, 255));
    classicButton(hsbDelay);
    hsbDelay->setRange(0, DelayMsMax);
    hsbDelay->setSingleStep(50);
    hsbDelay->setPageStep(1);
    hsbDelay->setValue(1000);
    // Change comes when the thumb is let go or an arrow pressed; Scroll while
    // it is dragged. Both end in the same handler, so the label follows.
    hsbDelay->setTracking(false);
    connect(hsbDelay, &QScrollBar::valueChanged, this, &frmTable::hsbDelay_Change);
    connect(hsbDelay, &QScrollBar::sliderMoved, this, &frmTable::hsbDelay_Scroll);

    // Tab order left to right, top to bottom, as the columns read.
    setTabOrder(optMode[0], optMode[1]);
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

void frmTable::centreOnScreen() { ::centreOnScreen(this); }

void frmTable::selectOption(QRadioButton *option)
{
    // Selecting from code raises the option's click handler, once, when the
    // selection changes (through its toggled connection).
    option->setChecked(true);
}

void frmTable::setUnderline(QLabel *label, bool on)
{
    QFont f = label->font();
    f.setUnderline(on);
    label->setFont(f);
}

// ---------------------------------------------------------------- start, exit

void frmTable::Form_Load()
{
    m.svc.random->seed(uint32_t(m.svc.clock->secondsSinceMidnight()));
    Loading = 1;
    TadaSound = m.AppFile(QStringLiteral("tada.wav"));
    UhohSound = m.AppFile(QStringLiteral("uhoh.wav"));
    DingSound = m.AppFile(QStringLiteral("ding.wav"));
    const Settings &s = m.settings;
    selectOption(optMode[size_t(s.Mode)]);
    selectOption(optTimer[size_t(s.TimerMode)]);
    hsbDelay->setValue(s.DelayMs);
    lblDelay->setText(delayText(s.DelayMs));
    centreOnScreen();
    Loading = 0;
    // The timer option's handler was silenced above; show the clock and its
    // arrows as the saved timer mode wants them, not as the design left them.
    lblTimer->setVisible(s.TimerMode != 0);
    spnTimer->setVisible(s.TimerMode == 2);
    show();
    centreOnScreen();
    optMode_Click(s.Mode);
    lblMax->setText(QString::number(m.settings.MaxMultiplier));
}

void frmTable::cmdExit_Click()
{
    QString why;
    const QString path = m.settingsWritePath;
    // The user's own folder may not exist yet; the program's folder is never
    // made again when it has gone.
    if (path != m.AppFile(QStringLiteral("kwizzo.ini")))
        QDir().mkpath(QFileInfo(path).absolutePath());
    if (!saveSettingsFile(path, m.settings, &why)) {
        QMessageBox::critical(this, QStringLiteral("Numbloom"),
                              QStringLiteral("The settings could not be saved to\n%1\n\n%2")
                                  .arg(QDir::toNativeSeparators(path), why));
    }
    if (m.endProgram)
        m.endProgram();
}

void frmTable::closeEvent(QCloseEvent *e)
{
    // The close box ends the program without saving, and the hidden About
    // window must not keep it alive.
    e->accept();
    if (m.endProgram)
        m.endProgram();
}

// ------------------------------------------------------------ Enter and Esc

bool frmTable::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && Practicing == 1) {
        // During a drill the keyboard belongs to the answer: after any click on
        // a control that stays enabled (the chosen factor again, an arrow at
        // its limit, the delay bar, a digit key) the next digit still counts.
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && w->window() == this)
            QTimer::singleShot(0, this, [this] {
                if (Practicing == 1 && picPractice->isVisible())
                    picPractice->setFocus();
            });
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w || w->window() != this)
        return false;
    auto *k = static_cast<QKeyEvent *>(event);
    if (k->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    auto usable = [](QAbstractButton *b) { return b && b->isVisible() && b->isEnabled(); };
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
        // A focused push button takes Enter itself, as on the classic desktop.
        auto *focused = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
        if (focused && focused->window() == this && !qobject_cast<QRadioButton *>(focused) && usable(focused)) {
            focused->click();
            return true;
        }
        if (usable(m_default)) {
            m_default->click();
            return true;
        }
    } else if (k->key() == Qt::Key_Escape) {
        if (usable(m_cancel)) {
            m_cancel->click();
            return true;
        }
    }
    return false;
}

// ------------------------------------------------------------ mode, options

void frmTable::optMode_Click(int i)
{
    if (Loading == 1)
        return;
    Settings &s = m.settings;
    s.Mode = int16_t(i);
    if (i == 1) {
        fraStudy->hide();
        fraMax->show();
        selectOption(optFactor[size_t(s.PracticeFactor + 1)]);
        Practicing = 0;
        lbltitle->setText(QStringLiteral("Practice Numbloom"));
        lbltitle->move(picPractice->x() + (picPractice->width() - lbltitle->width()) / 2, lbltitle->y());
        optFactor[0]->setEnabled(true);
        picFactor->hide();
        picPractice->show();
        fraChoice->move(picPractice->x() + (picPractice->width() - fraChoice->width()) / 2, fraChoice->y());
        fraPractice->show();
        fraTimer->show();
        if (s.TimerMode == 1) {
            TimerCount = 0;
            ShowTime(TimerCount);
        } else if (s.TimerMode == 2) {
            TimerCount = int16_t(s.CountDownSteps * 30);
            ShowTime(TimerCount);
        }
        fraDelay->show();
        optFactor[1]->setEnabled(true);
    } else {
        fraStudy->show();
        fraMax->hide();
        selectOption(optFactor[size_t(s.StudyFactor + 1)]);
        lbltitle->setText(QStringLiteral("Study Numbloom"));
        lbltitle->move(picFactor->x() + (picFactor->width() - lbltitle->width()) / 2, lbltitle->y());
        optFactor[0]->setEnabled(false);
        picFactor->show();
        fraChoice->move(picFactor->x() + (picFactor->width() - fraChoice->width()) / 2, fraChoice->y());
        picPractice->hide();
        fraPractice->hide();
        fraTimer->hide();
        fraDelay->hide();
        optFactor[1]->setEnabled(true);
        DrawFacts();
    }
}

void frmTable::optFactor_Click(int k)
{
    if (Loading == 1)
        return;
    if (m.settings.Mode != 0) {
        m.settings.PracticeFactor = int16_t(k - 1);
    } else {
        m.settings.StudyFactor = int16_t(k - 1);
        DrawFacts();
    }
    if (Practicing == 1)
        picPractice->setFocus();
}

void frmTable::updMax_SpinUp()
{
    if (m.settings.MaxMultiplier != 12) {
        ++m.settings.MaxMultiplier;
        lblMax->setText(QString::number(m.settings.MaxMultiplier));
        lblMax->repaint();
    }
    picPractice->setFocus();
}

void frmTable::updMax_SpinDown()
{
    if (m.settings.MaxMultiplier != 0) {
        --m.settings.MaxMultiplier;
        lblMax->setText(QString::number(m.settings.MaxMultiplier));
        lblMax->repaint();
    }
    picPractice->setFocus();
}

void frmTable::DrawFacts()
{
    m.PictureFactor = m.settings.StudyFactor;
    drawFacts(*picFactor, m.settings.StudyFactor);
}

void frmTable::picFactor_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y)
{
    m.PictureMultiplier = studyCellAt(x, y, picFactor->scaleWidth(), picFactor->scaleHeight());
    // Cells 13 and 14 hold no fact: nothing to picture.
    if (m.PictureMultiplier > 12)
        return;
    if (showFactPicture)
        showFactPicture(m, this);
}

// ------------------------------------------------------------ clock, delay

void frmTable::ShowTime(int16_t &seconds)
{
    lblTimer->setText(clockText(seconds));
    lblTimer->repaint();
}

void frmTable::optTimer_Click(int index)
{
    if (Loading == 1)
        return;
    Settings &s = m.settings;
    s.TimerMode = int16_t(index);
    if (index == 0) {
        lblTimer->hide();
        spnTimer->hide();
    } else if (index == 1) {
        TimerCount = 0;
        ShowTime(TimerCount);
        lblTimer->show();
        spnTimer->hide();
    } else {
        TimerCount = int16_t(s.CountDownSteps * 30);
        ShowTime(TimerCount);
        lblTimer->show();
        spnTimer->show();
    }
}

void frmTable::spnTimer_SpinDown()
{
    Settings &s = m.settings;
    if (s.CountDownSteps == 1)
        return;
    --s.CountDownSteps;
    TimerCount = int16_t(s.CountDownSteps * 30);
    ShowTime(TimerCount);
}

void frmTable::spnTimer_SpinUp()
{
    Settings &s = m.settings;
    if (s.CountDownSteps == 60)
        return;
    ++s.CountDownSteps;
    TimerCount = int16_t(s.CountDownSteps * 30);
    ShowTime(TimerCount);
}

void frmTable::Timer1_Timer()
{
    // A tick can only belong to a running clock.
    if (!Timer1.isActive())
        return;
    if (optTimer[1]->isChecked()) {
        ++TimerCount;
        ShowTime(TimerCount);
        if (TimerCount >= 1800)
            cmdStart_Click();
    } else {
        --TimerCount;
        ShowTime(TimerCount);
        if (TimerCount <= 0)
            cmdStart_Click();
    }
}

void frmTable::hsbDelay_Change()
{
    if (Loading == 1)
        return;
    m.settings.DelayMs = int16_t(hsbDelay->value());
    lblDelay->setText(delayText(m.settings.DelayMs));
    picPractice->setFocus();
}

void frmTable::hsbDelay_Scroll()
{
    // While dragging, the value is the thumb's position, not yet committed.
    if (Loading == 1)
        return;
    m.settings.DelayMs = int16_t(hsbDelay->sliderPosition());
    lblDelay->setText(delayText(m.settings.DelayMs));
    picPractice->setFocus();
}

// ------------------------------------------------------------ the drill

void frmTable::NewProblem()
{
    problem = makeProblem(*m.svc.random, m.settings.PracticeFactor, m.settings.MaxMultiplier);
    picPractice->setFocus();
}

void frmTable::DrawProblem(int16_t &, float centre, const QString &answerText, const QColor &colour)
{
    Typed.clear();
    AnswerPlace place{AnswerX, AnswerY};
    drawProblem(*picPractice, problem.Operand1, problem.Operand2, centre, answerText, colour, place);
    AnswerX = place.x;
    AnswerY = place.y;
}

void frmTable::cmdStart_Click()
{
    const Settings &s = m.settings;
    if (Practicing == 0) {
        Practicing = 1;
        fraChoice->hide();
        fraMode->setEnabled(false);
        cmdPrint->hide();
        lblPrint->hide();
        fraTimer->setEnabled(false);
        lblStart->setText(QStringLiteral("Stop Practice"));
        cmdStart->setPicture(imgButton[1]);
        if (m_default == cmdStart)
            m_default = nullptr;
        m_cancel = cmdStart;
        if (s.TimerMode > 0)
            Timer1.start();
        drill.start();
        if (s.TimerMode == 1) {
            TimerCount = 0;
            ShowTime(TimerCount);
        } else if (s.TimerMode == 2) {
            TimerCount = int16_t(s.CountDownSteps * 30);
            ShowTime(TimerCount);
        }
        fraKey->show();
        lblProblem->clear();
        lblWrong->clear();
        lblProblem->repaint();
        lblWrong->repaint();
        picPractice->setTakesTab(true);
        NewProblem();
        picPractice->clear();
        DrawProblem(problem.ProblemType, 0.5f, QString(problem.Digits, QLatin1Char('?')), Qt::black);
        return;
    }

    Practicing = 0;
    picPractice->clear();
    Timer1.stop();
    lblProblem->clear();
    lblWrong->clear();
    fraKey->hide();
    picPractice->setTakesTab(false);
    if (m_cancel == cmdStart)
        m_cancel = nullptr;
    if (drill.Tried == 0) {
        cmdRevStop_Click();
        return;
    }
    const DrillSummary sum = summarizeDrill(drill.Tried, drill.Missed, s.TimerMode, TimerCount, s.CountDownSteps);
    for (size_t i = 0; i < 4; ++i)
        lblResults[i]->setText(sum.lines[i]);
    imgResults->setPicture(QIcon());
    const float scaleHeight = picPractice->scaleHeight();
    fraResults->resize(fraResults->width(), toPixels(scaleHeight * 0.45f));
    if (sum.reward >= 0) {
        fraResults->resize(fraResults->width(), toPixels(scaleHeight));
        imgResults->setPicture(imgReward[size_t(sum.reward)]);
    }
    if (drill.Missed != 0) {
        cmdResults->setText(QStringLiteral("&Review"));
        ReviewPending = 1;
        ReviewIndex = 0;
    } else {
        cmdResults->setText(QStringLiteral("&OK"));
        ReviewPending = 0;
    }
    m_default = cmdResults;
    fraPractice->setEnabled(false);
    fraFactor->setEnabled(false);
    fraDelay->setEnabled(false);
    fraResults->show();
    cmdResults->setFocus();
    m.PlaySound(TadaSound, SoundPlayer::Async);
}

void frmTable::lblKey_Click(int index)
{
    int key = '0' + index;
    picPractice_KeyPress(key);
    picPractice->setFocus();
}

void frmTable::picPractice_KeyPress(int &keyAscii)
{
    if (Practicing == 0)
        return;
    if (keyAscii < '0' || keyAscii > '9') {
        if (m.svc.sound)
            m.svc.sound->beep();
        keyAscii = 0;
        return;
    }
    m.PlaySound(DingSound, SoundPlayer::Async);
    const QChar digit(keyAscii);
    Typed += digit;
    const QString q = QStringLiteral("?");
    const float w = picPractice->textWidth(q);
    const float h = picPractice->textHeight(q);
    picPractice->filledBox(AnswerX, AnswerY, AnswerX + w, AnswerY + h, picPractice->backColor());
    picPractice->setCurrentX(AnswerX);
    picPractice->setCurrentY(AnswerY);
    picPractice->printText(QString(digit));
    picPractice->refresh();
    AnswerX = int16_t(roundEven(float(AnswerX) + w));
    if (problem.DigitPos != problem.Digits) {
        ++problem.DigitPos;
        return;
    }
    const int given = Typed.toInt();
    if (given != problem.Answer) {
        m.PlaySound(UhohSound, SoundPlayer::Wait);
        drill.countWrong(problem, int16_t(given));
    }
    drill.countAnswer();
    lblProblem->setText(QStringLiteral("Tried: ") + QString::number(drill.Tried));
    lblWrong->setText(QStringLiteral("Correct: ") + QString::number(drill.Tried - drill.Missed));
    lblProblem->repaint();
    lblWrong->repaint();
    m.Pause(float(hsbDelay->value()) / 1000.0f);
    NewProblem();
    picPractice->clear();
    DrawProblem(problem.ProblemType, 0.5f, QString(problem.Digits, QLatin1Char('?')), Qt::black);
}

// ------------------------------------------------------------ results, review

void frmTable::cmdResults_Click()
{
    if (ReviewPending != 1) {
        cmdRevStop_Click();
        return;
    }
    fraResults->hide();
    fraReview->show();
    const float frameW = float(toTwips(fraReview->width()));
    const float nextW = float(toTwips(cmdRevNext->width()));
    cmdRevNext->move(toPixels(frameW * 0.25f - nextW * 0.5f), cmdRevNext->y());
    cmdRevStop->move(toPixels(frameW * 0.75f - nextW * 0.5f), cmdRevStop->y());
    m_default = cmdRevNext;
    m_cancel = cmdRevStop;
    lblProblem->setText(QStringLiteral("Your Answer:"));
    lblWrong->setText(QStringLiteral("Correct:"));
    setUnderline(lblProblem, true);
    setUnderline(lblWrong, true);
    cmdRevNext->setFocus();
    cmdRevNext_Click();
}

void frmTable::cmdRevNext_Click()
{
    ++ReviewIndex;
    if (ReviewIndex > drill.recorded()) {
        cmdRevStop_Click();
        return;
    }
    picPractice->clear();
    const size_t r = size_t(ReviewIndex);
    problem.Operand1 = drill.MissedOperand1[r];
    problem.Operand2 = drill.MissedOperand2[r];
    int16_t op = int16_t(drill.MissedOpCode[r] + 1);
    const QString correct = QString::number(problem.Operand1 * problem.Operand2);
    const QString given = QString::number(drill.MissedGiven[r]);
    DrawProblem(op, 0.25f, given, Qt::red);
    DrawProblem(op, 0.75f, correct, Qt::black);
    if (ReviewIndex == drill.recorded()) {
        cmdRevNext->hide();
        const float frameW = float(toTwips(fraReview->width()));
        const float nextW = float(toTwips(cmdRevNext->width()));
        cmdRevStop->move(toPixels(frameW * 0.5f - nextW * 0.5f), cmdRevStop->y());
        cmdRevStop->setFocus();
    }
}

void frmTable::cmdRevStop_Click()
{
    fraReview->hide();
    cmdRevNext->show();
    fraMode->setEnabled(true);
    fraResults->hide();
    fraChoice->show();
    fraTimer->setEnabled(true);
    fraPractice->setEnabled(true);
    fraFactor->setEnabled(true);
    fraDelay->setEnabled(true);
    picPractice->clear();
    lblProblem->clear();
    lblWrong->clear();
    setUnderline(lblProblem, false);
    setUnderline(lblWrong, false);
    lblStart->setText(QStringLiteral("Start Practice"));
    cmdStart->setPicture(imgButton[0]);
    m_default = cmdStart;
    lblPrint->show();
    cmdPrint->show();
    const Settings &s = m.settings;
    if (s.TimerMode == 1) {
        TimerCount = 0;
        ShowTime(TimerCount);
    } else if (s.TimerMode == 2) {
        TimerCount = int16_t(s.CountDownSteps * 30);
        ShowTime(TimerCount);
    }
    ReviewPending = 0;
    cmdStart->setFocus();
}

// ------------------------------------------------------------ other windows

void frmTable::cmdInfo_Click() { m_about->showModal(); }

void frmTable::cmdHelp_Click()
{
    if (m.svc.help)
        m.svc.help->showHelp(m.HelpFile);
}

void frmTable::cmdPrint_Click() { printWorksheetJob(m, this); }

void frmTable::cmdPrintFacts_Click() { printFactsJob(m, this); }
