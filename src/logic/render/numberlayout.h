// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers written the way a child writes them on paper: one character at a
// time from the right, so the units digits of numbers on one anchor line up.
// Used on screen and on the printed pages alike.
#include <QString>
#include <functional>

class DrawSurface;

// Draws text right-aligned on the column anchor, centred on yc. beforeEach, if
// given, is called just before each character is drawn, with the surface's
// current position already set for it.
void drawRightAligned(DrawSurface &s, const QString &text, float anchor, float yc,
                      const std::function<void()> &beforeEach = {});

// Draws text whole, centred on (xc, yc).
void drawCentred(DrawSurface &s, const QString &text, float xc, float yc);

// Grid measure: scale / parts, to the nearest whole number, halves to even.
int gridStep(float scale, int parts);
