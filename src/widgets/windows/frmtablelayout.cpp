// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmtablelayout.h"

#include "controls/picturebox.h"
#include "controls/widgets.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

const QColor LightYellow(0xFF, 0xFF, 0x80);
const QColor PaleYellow(0xFF, 0xFF, 0xC0);
const QColor Pink(0xFF, 0x80, 0x80);
const QColor Red(0xFF, 0x00, 0x00);
const QColor Blue(0x00, 0x00, 0xFF);
const QColor Yellow(0xFF, 0xFF, 0x00);
const QColor White(0xFF, 0xFF, 0xFF);
const QColor Black(0x00, 0x00, 0x00);
const QColor KeyText(0x40, 0x40, 0x40);
const QColor None;

const char *const SansSerif = "MS Sans Serif";
const char *const Arial = "Arial";
const char *const Times = "Times New Roman";

constexpr Qt::Alignment Centre = Qt::AlignCenter;
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment Top = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment NoAlign = {};

using R = ControlRow;

// A row fills its own member, which must be of the kind made and not filled
// before: a row naming a member that does not exist does not compile.
template <class T> void place(T *&member, QWidget *made)
{
    T *control = qobject_cast<T *>(made);
    if (!control || member)
        qFatal("main window: %s is not a %s, or is made twice", qPrintable(made->objectName()),
               T::staticMetaObject.className());
    member = control;
}
template <auto Member> void fillMember(MainControls &c, QWidget *made) { place(c.*Member, made); }
template <auto Member, size_t Index> void fillItem(MainControls &c, QWidget *made) { place((c.*Member)[Index], made); }

// The name once, for the object name and the member alike.
#define CONTROL(name) #name, &fillMember<&MainControls::name>
#define ITEM(name, index) #name "_" #index, &fillItem<&MainControls::name, index>

// Captions are marked with QT_TRANSLATE_NOOP in the window's context, written
// out in full: lupdate does not expand a shorter macro.

// The main window, a row per control: data, read once at start-up.
const std::vector<ControlRow> Rows{
        // name          kind        container      caption            left  top   width height face    points bold back  fore align sunken shown
        {CONTROL(lbltitle),     R::Label,   nullptr,       "Numbloom",        {1200, 0, 6255, 615},      Times, 24, true, LightYellow, Blue, Top, false, true},

        {CONTROL(fraMode),      R::Frame,   nullptr,       QT_TRANSLATE_NOOP("frmTable", "Mode"),         {120, 720, 1935, 1215},    SansSerif, 12, true, Red, Yellow, NoAlign, false, true},
        {ITEM(optMode, 0),    R::Option,  "fraMode",     QT_TRANSLATE_NOOP("frmTable", "Study"),        {240, 360, 1455, 300},     SansSerif, 12, true, Red, White, NoAlign, false, true},
        {ITEM(optMode, 1),    R::Option,  "fraMode",     QT_TRANSLATE_NOOP("frmTable", "Practice"),     {240, 720, 1455, 300},     SansSerif, 12, true, Red, White, NoAlign, false, true},

        {CONTROL(fraFactor),    R::Frame,   nullptr,       QT_TRANSLATE_NOOP("frmTable", "Factor Value"), {120, 2040, 1935, 2595},   SansSerif, 9.75, true, Blue, Yellow, NoAlign, false, true},
        {ITEM(optFactor, 0),  R::Option,  "fraFactor",   QT_TRANSLATE_NOOP("frmTable", "Random"),       {240, 360, 1095, 255},     SansSerif, 9.75, false, Blue, White, NoAlign, false, true},
        {ITEM(optFactor, 1),  R::Option,  "fraFactor",   "0",               {240, 720, 495, 255},      SansSerif, 9.75, false, Blue, White, NoAlign, false, true},
        {ITEM(optFactor, 2),  R::Option,  "fraFactor",   "1",               {240, 1080, 495, 255},     SansSerif, 9.75, false, Blue, White, NoAlign, false, true},
        {ITEM(optFactor, 3),  R::Option,  "fraFactor",   "2",               {240, 1440, 495, 255},     SansSerif, 9.75, false, Blue, White, NoAlign, false, true},
        {ITEM(optFactor, 4),  R::Option,  "fraFactor",   "3",               {240, 1800, 495, 255},     SansSerif, 9.75, false, Blue, White, NoAlign, false, true},
        {ITEM(optFactor, 5),  R::Option,  "fraFactor",   "4",               {240, 2100, 495, 255},     SansSerif, 9.75, false, Blue, White, NoAlign, false, true},
        {ITEM(optFactor, 6),  R::Option,  "fraFactor",   "5",               {720, 720, 495, 255},      SansSerif, 9.75, false, Blue, White, NoAlign, false, true},
        {ITEM(optFactor, 7),  R::Option,  "fraFactor",   "6",               {720, 1080, 495, 255},     SansSerif, 9.75, false, Blue, White, NoAlign, false, true},
        {ITEM(optFactor, 8),  R::Option,  "fraFactor",   "7",               {720, 1440, 495, 255},     SansSerif, 9.75, false, Blue, White, NoAlign, false, true},
        {ITEM(optFactor, 9),  R::Option,  "fraFactor",   "8",               {720, 1800, 495, 255},     SansSerif, 9.75, false, Blue, White, NoAlign, false, true},
        {ITEM(optFactor, 10), R::Option,  "fraFactor",   "9",               {1200, 720, 495, 255},     SansSerif, 9.75, false, Blue, White, NoAlign, false, true},
        {ITEM(optFactor, 11), R::Option,  "fraFactor",   "10",              {1200, 1080, 615, 255},    SansSerif, 9.75, false, Blue, White, NoAlign, false, true},
        {ITEM(optFactor, 12), R::Option,  "fraFactor",   "11",              {1200, 1440, 615, 255},    SansSerif, 9.75, false, Blue, White, NoAlign, false, true},
        {ITEM(optFactor, 13), R::Option,  "fraFactor",   "12",              {1200, 1800, 615, 255},    SansSerif, 9.75, false, Blue, White, NoAlign, false, true},
        {ITEM(optFactor, 14), R::Option,  "fraFactor",   QT_TRANSLATE_NOOP("frmTable", "Tricky"),       {735, 2100, 1095, 255},    SansSerif, 9.75, false, Blue, White, NoAlign, false, true},

        // The study panel and the maximum multiplier share the bottom of the left column.
        {CONTROL(fraStudy),     R::Frame,   nullptr,       nullptr,           {120, 4680, 1935, 1395},   nullptr, 0, false, Blue, None, NoAlign, false, true},
        {CONTROL(Label1),       R::Label,   "fraStudy",    QT_TRANSLATE_NOOP("frmTable", "Click Problem to See Picture"), {120, 240, 1695, 495}, SansSerif, 9.75, true, Blue, Yellow, Centre, false, true},
        {CONTROL(cmdPrintFacts), R::Button, "fraStudy",    QT_TRANSLATE_NOOP("frmTable", "&Print Facts"), {240, 840, 1455, 375},     Arial, 9.75, false, None, None, NoAlign, false, true},
        {CONTROL(fraMax),       R::Frame,   nullptr,       QT_TRANSLATE_NOOP("frmTable", "Maximum Multiplier"), {120, 4680, 1935, 975}, Arial, 9, false, Blue, Yellow, NoAlign, false, true},
        {CONTROL(lblMax),       R::Label,   "fraMax",      "12",              {600, 360, 615, 375},      Arial, 14.25, false, White, Black, Centre, true, true},
        {CONTROL(updMax),       R::Spin,    "fraMax",      nullptr,           {1200, 360, 195, 375},     nullptr, 0, false, None, None, NoAlign, false, true},

        // The two drawing boxes, in one place; the practice box holds the drill's panels.
        {CONTROL(picFactor),    R::Picture, nullptr,       nullptr,           {2160, 720, 7335, 4815},   Arial, 24, false, PaleYellow, Red, NoAlign, false, true},
        {CONTROL(picPractice),  R::Picture, nullptr,       nullptr,           {2160, 720, 5175, 4575},   Arial, 36, false, White, Black, NoAlign, false, false},
        {CONTROL(lblProblem),   R::Label,   "picPractice", "",                {0, 0, 2655, 495},         Arial, 15.75, false, White, Red, Centre, false, true},
        {CONTROL(lblWrong),     R::Label,   "picPractice", "",                {2520, 0, 2655, 495},      Arial, 15.75, false, White, Red, Centre, false, true},
        {CONTROL(fraKey),       R::Frame,   "picPractice", nullptr,           {-120, 3600, 5415, 975},   nullptr, 0, false, Blue, None, NoAlign, false, false},
        {ITEM(lblKey, 0),     R::Key,     "fraKey",      "0",               {4560, 240, 495, 495},     Arial, 18, true, PaleYellow, KeyText, Centre, false, true},
        {ITEM(lblKey, 1),     R::Key,     "fraKey",      "1",               {240, 240, 495, 495},      Arial, 18, true, PaleYellow, KeyText, Centre, false, true},
        {ITEM(lblKey, 2),     R::Key,     "fraKey",      "2",               {720, 240, 495, 495},      Arial, 18, true, PaleYellow, KeyText, Centre, false, true},
        {ITEM(lblKey, 3),     R::Key,     "fraKey",      "3",               {1200, 240, 495, 495},     Arial, 18, true, PaleYellow, KeyText, Centre, false, true},
        {ITEM(lblKey, 4),     R::Key,     "fraKey",      "4",               {1680, 240, 495, 495},     Arial, 18, true, PaleYellow, KeyText, Centre, false, true},
        {ITEM(lblKey, 5),     R::Key,     "fraKey",      "5",               {2160, 240, 495, 495},     Arial, 18, true, PaleYellow, KeyText, Centre, false, true},
        {ITEM(lblKey, 6),     R::Key,     "fraKey",      "6",               {2640, 240, 495, 495},     Arial, 18, true, PaleYellow, KeyText, Centre, false, true},
        {ITEM(lblKey, 7),     R::Key,     "fraKey",      "7",               {3120, 240, 495, 495},     Arial, 18, true, PaleYellow, KeyText, Centre, false, true},
        {ITEM(lblKey, 8),     R::Key,     "fraKey",      "8",               {3600, 240, 495, 495},     Arial, 18, true, PaleYellow, KeyText, Centre, false, true},
        {ITEM(lblKey, 9),     R::Key,     "fraKey",      "9",               {4080, 240, 495, 495},     Arial, 18, true, PaleYellow, KeyText, Centre, false, true},
        {CONTROL(fraResults),   R::Frame,   "picPractice", QT_TRANSLATE_NOOP("frmTable", "Results"),      {0, 0, 5295, 4575},        SansSerif, 12, true, Black, Yellow, NoAlign, false, false},
        {ITEM(lblResults, 0), R::Label,   "fraResults",  QT_TRANSLATE_NOOP("frmTable", "Problems Tried: 123"), {120, 360, 3855, 375}, SansSerif, 12, true, Black, White, Left, false, true},
        {ITEM(lblResults, 1), R::Label,   "fraResults",  QT_TRANSLATE_NOOP("frmTable", "Problems Correct: 123 (88%)"), {120, 720, 3855, 375}, SansSerif, 12, true, Black, White, Left, false, true},
        {ITEM(lblResults, 2), R::Label,   "fraResults",  QT_TRANSLATE_NOOP("frmTable", "Elapsed Time: 20:22"), {120, 1080, 3855, 375}, SansSerif, 12, true, Black, White, Left, false, true},
        {ITEM(lblResults, 3), R::Label,   "fraResults",  QT_TRANSLATE_NOOP("frmTable", "Time Per Problem: 10.22 sec"), {120, 1440, 4335, 375}, SansSerif, 12, true, Black, White, Left, false, true},
        {CONTROL(cmdResults),   R::Button,  "fraResults",  QT_TRANSLATE_NOOP("frmTable", "&Review"),      {3840, 720, 1215, 495},    SansSerif, 9.75, false, None, None, NoAlign, false, true},
        {CONTROL(imgResults),   R::Image,   "fraResults",  nullptr,           {1440, 1800, 2430, 2655},  nullptr, 0, false, None, None, NoAlign, false, true},
        {CONTROL(fraReview),    R::Frame,   "picPractice", nullptr,           {1320, 3600, 2535, 855},   nullptr, 0, false, Pink, None, NoAlign, false, false},
        {CONTROL(cmdRevNext),   R::Button,  "fraReview",   QT_TRANSLATE_NOOP("frmTable", "&Next"),        {240, 240, 975, 495},      SansSerif, 9.75, false, None, None, NoAlign, false, true},
        {CONTROL(cmdRevStop),   R::Button,  "fraReview",   QT_TRANSLATE_NOOP("frmTable", "&Stop"),        {1320, 240, 975, 495},     SansSerif, 9.75, false, None, None, NoAlign, false, true},

        // The child's record, below the left column; hidden with Info, Help and Exit.
        {CONTROL(cmdFacts),     R::Button,  nullptr,       QT_TRANSLATE_NOOP("frmTable", "&My Facts"),    {120, 6120, 1935, 375},    Arial, 9.75, false, None, None, NoAlign, false, true},

        {CONTROL(fraChoice),    R::Frame,   nullptr,       nullptr,           {2880, 5640, 3735, 855},   nullptr, 0, false, Blue, None, NoAlign, false, true},
        {CONTROL(cmdInfo),      R::Button3D, "fraChoice",  QT_TRANSLATE_NOOP("frmTable", "&Info?"),       {120, 240, 1095, 495},     SansSerif, 8.25, true, None, None, NoAlign, false, true},
        {CONTROL(cmdHelp),      R::Button3D, "fraChoice",  QT_TRANSLATE_NOOP("frmTable", "&Help"),        {1320, 240, 1095, 495},    SansSerif, 8.25, true, None, None, NoAlign, false, true},
        {CONTROL(cmdExit),      R::Button3D, "fraChoice",  QT_TRANSLATE_NOOP("frmTable", "E&xit"),        {2520, 240, 1095, 495},    SansSerif, 8.25, true, None, None, NoAlign, false, true},

        {CONTROL(fraPractice),  R::Frame,   nullptr,       QT_TRANSLATE_NOOP("frmTable", "Choose"),       {7440, 720, 2055, 1695},   SansSerif, 9.75, true, Blue, Yellow, NoAlign, false, true},
        {CONTROL(lblStart),     R::Label,   "fraPractice", QT_TRANSLATE_NOOP("frmTable", "Start Practice"), {120, 240, 1095, 615},   SansSerif, 9.75, false, Blue, White, Centre, false, true},
        {CONTROL(cmdStart),     R::Button3D, "fraPractice", nullptr,          {1320, 240, 615, 615},     nullptr, 0, false, None, None, NoAlign, false, true},
        {CONTROL(lblPrint),     R::Label,   "fraPractice", QT_TRANSLATE_NOOP("frmTable", "Print Worksheet"), {120, 960, 1095, 615},  SansSerif, 9.75, false, Blue, White, Centre, false, true},
        {CONTROL(cmdPrint),     R::Button3D, "fraPractice", nullptr,          {1320, 960, 615, 615},     nullptr, 0, false, None, None, NoAlign, false, true},

        {CONTROL(fraTimer),     R::Frame,   nullptr,       QT_TRANSLATE_NOOP("frmTable", "Timer Options"), {7440, 2520, 2055, 2415}, SansSerif, 9.75, true, Blue, Yellow, NoAlign, false, true},
        {ITEM(optTimer, 0),   R::Option,  "fraTimer",    QT_TRANSLATE_NOOP("frmTable", "Timer Off"),    {240, 360, 1575, 255},     SansSerif, 9.75, false, Blue, White, NoAlign, false, true},
        {ITEM(optTimer, 1),   R::Option,  "fraTimer",    QT_TRANSLATE_NOOP("frmTable", "On-Count Up"),  {240, 720, 1695, 255},     SansSerif, 9.75, false, Blue, White, NoAlign, false, true},
        {ITEM(optTimer, 2),   R::Option,  "fraTimer",    QT_TRANSLATE_NOOP("frmTable", "On-Count Down"), {240, 1080, 1695, 255},   SansSerif, 9.75, false, Blue, White, NoAlign, false, true},
        {CONTROL(lblTimer),     R::Label,   "fraTimer",    "0:00",            {240, 1560, 1335, 615},    Times, 24, true, White, Red, Centre, true, true},
        {CONTROL(spnTimer),     R::Spin,    "fraTimer",    nullptr,           {1560, 1560, 255, 615},    nullptr, 0, false, None, None, NoAlign, false, true},

        // The label's text is the scroll bar's value, written when it is made.
        {CONTROL(fraDelay),     R::Frame,   nullptr,       QT_TRANSLATE_NOOP("frmTable", "Delay"),        {7440, 5040, 2055, 1215},  SansSerif, 9.75, true, Blue, Yellow, NoAlign, false, false},
        {CONTROL(lblDelay),     R::Label,   "fraDelay",    "",                {240, 360, 1575, 375},     SansSerif, 12, true, White, Red, Centre, true, true},
        {CONTROL(hsbDelay),     R::ScrollBar, "fraDelay",  nullptr,           {120, 840, 1815, 255},     nullptr, 0, false, None, None, NoAlign, false, true},
};

} // namespace

const std::vector<ControlRow> &mainWindowRows() { return Rows; }
