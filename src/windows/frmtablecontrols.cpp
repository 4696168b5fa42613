// The main window's controls: where each stands, how it looks and which
// handler it calls. The handlers themselves are in frmtable.cpp.
#include "frmtable.h"

#include "app/format.h"
#include "app/module1.h"
#include "app/settings.h"
#include "platform/picturebox.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "helpwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
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

void frmTable::buildControls()
{
    setObjectName(QStringLiteral("frmTable"));
    setWindowTitle(QStringLiteral("Numbloom"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(toPixels(9570), toPixels(6585));
    colour(this, LightYellow, Red);

    lbltitle = makeLabel(this, "lbltitle", QStringLiteral("Numbloom"), twipsRect(1200, 0, 6255, 615),
                         layoutFont(Times, 24, true), LightYellow, Blue, Qt::AlignHCenter | Qt::AlignTop);

    // Mode
    fraMode = makeFrame(this, "fraMode", tr("Mode"), twipsRect(120, 720, 1935, 1215),
                        layoutFont(SansSerif, 12, true), Red, Yellow);
    const QStringList modes{tr("Study"), tr("Practice")};
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
    fraFactor = makeFrame(this, "fraFactor", tr("Factor Value"), twipsRect(120, 2040, 1935, 2595),
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
        const QString caption = k == 0 ? tr("Random") : QString::number(k - 1);
        optFactor[size_t(k)] = makeOption(fraFactor, QStringLiteral("optFactor_%1").arg(k), caption, geo,
                                          layoutFont(SansSerif, 9.75), Blue, White);
        connect(optFactor[size_t(k)], &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                optFactor_Click(k);
        });
    }

    // Study panel and maximum multiplier share the bottom of the left column.
    fraStudy = makeFrame(this, "fraStudy", QString(), twipsRect(120, 4680, 1935, 1395), font(), Blue, QColor());
    Label1 = makeLabel(fraStudy, "Label1", tr("Click Problem to See Picture"), twipsRect(120, 240, 1695, 495),
                       layoutFont(SansSerif, 9.75, true), Blue, Yellow, Qt::AlignCenter);
    Label1->setWordWrap(true);
    cmdPrintFacts = makeButton(fraStudy, "cmdPrintFacts", tr("&Print Facts"), twipsRect(240, 840, 1455, 375),
                               layoutFont(Arial, 9.75));
    onClick(cmdPrintFacts, &frmTable::cmdPrintFacts_Click);

    fraMax = makeFrame(this, "fraMax", tr("Maximum Multiplier"), twipsRect(120, 4680, 1935, 975),
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

    fraResults = makeFrame(inside, "fraResults", tr("Results"), twipsRect(0, 0, 5295, 4575),
                           layoutFont(SansSerif, 12, true), Black, Yellow);
    fraResults->hide();
    const QStringList placeholders{tr("Problems Tried: 123"), tr("Problems Correct: 123 (88%)"),
                                   tr("Elapsed Time: 20:22"), tr("Time Per Problem: 10.22 sec")};
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "lblResults_" + QByteArray::number(i);
        lblResults[size_t(i)] = makeLabel(fraResults, name.constData(), placeholders[i],
                                          twipsRect(120, 360 + 360 * i, i == 3 ? 4335 : 3855, 375),
                                          layoutFont(SansSerif, 12, true), Black, White, Qt::AlignLeft | Qt::AlignVCenter);
    }
    cmdResults = makeButton(fraResults, "cmdResults", tr("&Review"), twipsRect(3840, 720, 1215, 495),
                            layoutFont(SansSerif, 9.75));
    onClick(cmdResults, &frmTable::cmdResults_Click);
    imgResults = new ImageBox(fraResults);
    imgResults->setObjectName(QStringLiteral("imgResults"));
    imgResults->setGeometry(twipsRect(1440, 1800, 2430, 2655));

    fraReview = makeFrame(inside, "fraReview", QString(), twipsRect(1320, 3600, 2535, 855), font(),
                          QColor(0xFF, 0x80, 0x80), QColor());
    fraReview->hide();
    cmdRevNext = makeButton(fraReview, "cmdRevNext", tr("&Next"), twipsRect(240, 240, 975, 495),
                            layoutFont(SansSerif, 9.75));
    cmdRevStop = makeButton(fraReview, "cmdRevStop", tr("&Stop"), twipsRect(1320, 240, 975, 495),
                            layoutFont(SansSerif, 9.75));
    onClick(cmdRevNext, &frmTable::cmdRevNext_Click);
    onClick(cmdRevStop, &frmTable::cmdRevStop_Click);

    // Info, Help, Exit
    fraChoice = makeFrame(this, "fraChoice", QString(), twipsRect(2880, 5640, 3735, 855), font(), Blue, QColor());
    const QFont choiceFont = layoutFont(SansSerif, 8.25, true);
    cmdInfo = make3D(fraChoice, "cmdInfo", tr("&Info?"), twipsRect(120, 240, 1095, 495), choiceFont);
    cmdHelp = make3D(fraChoice, "cmdHelp", tr("&Help"), twipsRect(1320, 240, 1095, 495), choiceFont);
    cmdExit = make3D(fraChoice, "cmdExit", tr("E&xit"), twipsRect(2520, 240, 1095, 495), choiceFont);
    onClick(cmdInfo, &frmTable::cmdInfo_Click);
    onClick(cmdHelp, &frmTable::cmdHelp_Click);
    addHelpKey(this, m);
    onClick(cmdExit, &frmTable::cmdExit_Click);

    // Practice panel
    imgButton[0] = QIcon(m.AppFile(QStringLiteral("start.svg")));
    imgButton[1] = QIcon(m.AppFile(QStringLiteral("stop.svg")));
    for (int i = 0; i < 4; ++i)
        imgReward[size_t(i)] = QIcon(m.AppFile(QStringLiteral("reward%1.svg").arg(i)));

    fraPractice = makeFrame(this, "fraPractice", tr("Choose"), twipsRect(7440, 720, 2055, 1695),
                            layoutFont(SansSerif, 9.75, true), Blue, Yellow);
    const QFont practiceLabels = layoutFont(SansSerif, 9.75);
    lblStart = makeLabel(fraPractice, "lblStart", tr("Start Practice"), twipsRect(120, 240, 1095, 615),
                         practiceLabels, Blue, White, Qt::AlignCenter);
    lblStart->setWordWrap(true);
    cmdStart = make3D(fraPractice, "cmdStart", QString(), twipsRect(1320, 240, 615, 615), font());
    cmdStart->setPicture(imgButton[0]);
    onClick(cmdStart, &frmTable::cmdStart_Click);
    lblPrint = makeLabel(fraPractice, "lblPrint", tr("Print Worksheet"), twipsRect(120, 960, 1095, 615),
                         practiceLabels, Blue, White, Qt::AlignCenter);
    lblPrint->setWordWrap(true);
    cmdPrint = make3D(fraPractice, "cmdPrint", QString(), twipsRect(1320, 960, 615, 615), font());
    cmdPrint->setPicture(QIcon(m.AppFile(QStringLiteral("printer.svg"))));
    onClick(cmdPrint, &frmTable::cmdPrint_Click);

    // Timer options
    fraTimer = makeFrame(this, "fraTimer", tr("Timer Options"), twipsRect(7440, 2520, 2055, 2415),
                         layoutFont(SansSerif, 9.75, true), Blue, Yellow);
    const QStringList timers{tr("Timer Off"), tr("On-Count Up"), tr("On-Count Down")};
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
    fraDelay = makeFrame(this, "fraDelay", tr("Delay"), twipsRect(7440, 5040, 2055, 1215),
                         layoutFont(SansSerif, 9.75, true), Blue, Yellow);
    fraDelay->hide();
    lblDelay = makeLabel(fraDelay, "lblDelay", delayText(1000), twipsRect(240, 360, 1575, 375),
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

