// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The number formats the program shows: the clock, seconds with two decimals,
// the summary lines of a drill.
#include <QLocale>
#include <QString>
#include <cstdint>

// "#0" ":" "00": 0 gives 0:00, 125 gives 2:05, 1800 gives 30:00.
QString clockText(int seconds);
// Numbers with decimals are written the way the translation's locale writes
// them; until one is set, with a point, as in English.
void setNumberLocale(const QLocale &locale);
// That locale, for the dates and decimals that other texts hold.
QLocale numberLocale();
// Two decimals and the unit: 1.5 gives "1.50 sec".
QString secondsText(float seconds);
// value / 1000 in single precision with "0.00" and " sec": 50 gives "0.05 sec".
QString delayText(int milliseconds);
// The decimal number with a leading blank when not negative: 12 gives " 12".
QString strNumber(int value);
// Halves to the even neighbour, in single precision, as the program rounds.
int roundEven(float v);
