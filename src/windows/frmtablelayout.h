#pragma once
// The main window's controls as one table: every control in the order it is
// made (later ones stand in front), where it stands in twips inside its
// container, how it looks, and whether it shows when the window is made. The
// window builds itself from it in one loop; tests check the built window
// against the same rows.
#include <QColor>
#include <QRect>
#include <QString>
#include <vector>

struct ControlRow
{
    enum Kind { Label, Frame, Option, Button, Button3D, Spin, Picture, Key, Image, ScrollBar };

    const char *name;      // the object name; items of an array end in "_<index>"
    Kind kind;
    const char *container; // a control above it in the table; null for the window
    const char *caption;   // English, translated in the window's context; null for none
    QRect twips;           // left, top, width, height
    const char *face;      // null: the window's own font
    double points;
    bool bold;
    QColor back, fore;     // invalid: as the kind has it
    Qt::Alignment align;   // labels and keys
    bool sunken;           // labels with a sunken border
    bool shown;            // shown when the window is made
};

// The rows, top to bottom, left column first.
const std::vector<ControlRow> &mainWindowRows();

// The window's own size in twips and its colours.
constexpr int MainWindowWidth = 9570, MainWindowHeight = 6585;
