// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's controls as one table: every control in the order it is
// made (later ones stand in front), where it stands in twips inside its
// container, how it looks, and whether it shows when the window is made. The
// window builds itself from it in one loop; tests check the built window
// against the same rows.
#include "study/studyoptions.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <array>
#include <vector>

class ClickLabel;
class Frame;
class ImageBox;
class PictureBox;
class PushButton3D;
class SpinButton;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

// The main window's controls, by the names the original program gave them.
// Each is filled by its own row of the table below, which is the one place a
// control is named; a member without a row stops the program at start-up.
struct MainControls
{
    QLabel *lbltitle = nullptr;
    Frame *fraMode = nullptr, *fraFactor = nullptr, *fraStudy = nullptr, *fraMax = nullptr, *fraChoice = nullptr,
          *fraPractice = nullptr, *fraTimer = nullptr, *fraDelay = nullptr;
    std::array<QRadioButton *, 2> optMode{};
    std::array<QRadioButton *, FactorOptionCount> optFactor{};
    QLabel *Label1 = nullptr;
    QPushButton *cmdPrintFacts = nullptr;
    QLabel *lblMax = nullptr;
    SpinButton *updMax = nullptr;
    PictureBox *picFactor = nullptr, *picPractice = nullptr;
    PushButton3D *cmdInfo = nullptr, *cmdHelp = nullptr, *cmdExit = nullptr;
    QPushButton *cmdFacts = nullptr;
    QLabel *lblStart = nullptr, *lblPrint = nullptr;
    PushButton3D *cmdStart = nullptr, *cmdPrint = nullptr;
    std::array<QRadioButton *, 3> optTimer{};
    QLabel *lblTimer = nullptr;
    SpinButton *spnTimer = nullptr;
    QLabel *lblDelay = nullptr;
    QScrollBar *hsbDelay = nullptr;
    QLabel *lblProblem = nullptr, *lblWrong = nullptr;
    Frame *fraKey = nullptr, *fraResults = nullptr, *fraReview = nullptr;
    std::array<ClickLabel *, 10> lblKey{};
    std::array<QLabel *, 4> lblResults{};
    QPushButton *cmdResults = nullptr;
    ImageBox *imgResults = nullptr;
    QPushButton *cmdRevNext = nullptr, *cmdRevStop = nullptr;
};
// Every member is one control: as many members as rows.
constexpr size_t MainControlCount = sizeof(MainControls) / sizeof(void *);

struct ControlRow
{
    enum Kind { Label, Frame, Option, Button, Button3D, Spin, Picture, Key, Image, ScrollBar };

    const char *name = nullptr;      // the object name; items of an array end in "_<index>"
    // Puts the control made from the row into its member.
    void (*fill)(MainControls &controls, QWidget *made) = nullptr;
    Kind kind = Label;
    const char *container = nullptr; // a control above it in the table; null for the window
    const char *caption = nullptr; // English, translated in the window's context; null for none
    QRect twips;           // left, top, width, height
    const char *face = nullptr; // null: the window's own font
    double points = 0;
    bool bold = false;
    QColor back, fore;     // invalid: as the kind has it
    Qt::Alignment align;   // labels and keys
    bool sunken = false;   // labels with a sunken border
    bool shown = true;     // shown when the window is made
};

// The rows, top to bottom, left column first.
const std::vector<ControlRow> &mainWindowRows();

// The window's own size in twips and its colours.
constexpr int MainWindowWidth = 9570, MainWindowHeight = 6585;
