#include "format.h"

#include "texts.h"

#include <cmath>

namespace {
QLocale numbers = QLocale::c();
}

void setNumberLocale(const QLocale &locale)
{
    numbers = locale;
    // Two decimals of seconds never need a thousands mark.
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
}

const QLocale &numberLocale() { return numbers; }

int roundEven(float v) { return int(std::nearbyint(v)); }

QString clockText(int seconds)
{
    // Int rounds down, also for a negative count (never shown, but defined).
    const int m = int(std::floor(seconds / 60.0));
    const int s = seconds - 60 * m;
    return QString::number(m) + QLatin1Char(':') + QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0'));
}

QString secondsText(float seconds) { return numbers.toString(double(seconds), 'f', 2) + Format::tr(" sec"); }

QString delayText(int milliseconds) { return secondsText(float(milliseconds) / 1000.0f); }

QString strNumber(int value)
{
    return (value >= 0 ? QStringLiteral(" ") : QString()) + QString::number(value);
}
