// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window layouts are designed in twips at 96 dpi; Qt's device-independent
// pixels are 1/96 inch, so 15 twips make one of them and Qt scales the rest.
#include <QFont>
#include <QRect>
#include <QString>
#include <cmath>

constexpr int TwipsPerPixel = 15;

// Halves go to the even neighbour, like every other rounding in the program.
inline int toPixels(double twips) { return int(std::lrint(twips / TwipsPerPixel)); }
inline int toTwips(double pixels) { return int(std::lrint(pixels * TwipsPerPixel)); }
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline QRect twipsRect(const QRect &twips)
{
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

// A font as the layouts name it: face and size in points. The size is fixed in
// pixels at 96 dpi so the text keeps its place in the twips layout on any
// screen; high-density screens are scaled by Qt as a whole.
QFont layoutFont(const QString &face, double points, bool bold = false, bool italic = false);

// The layouts name Windows faces; map them to their metric twins once, in code,
// so nothing depends on the machine's fontconfig choices.
void installFontSubstitutions();
