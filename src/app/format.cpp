#include "format.h"

#include <cmath>

int roundEven(float v) { return int(std::nearbyint(v)); }

QString clockText(int seconds)
{
    // Int rounds down, also for a negative count (never shown, but defined).
    const int m = int(std::floor(seconds / 60.0));
    const int s = seconds - 60 * m;
    return QString::number(m) + QLatin1Char(':') + QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0'));
}

QString delayText(int milliseconds)
{
    const float sec = float(milliseconds) / 1000.0f;
    return QString::number(double(sec), 'f', 2) + QStringLiteral(" sec");
}

QString strNumber(int value)
{
    return (value >= 0 ? QStringLiteral(" ") : QString()) + QString::number(value);
}
