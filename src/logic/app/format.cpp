// SPDX-License-Identifier: GPL-3.0-or-later
#include "format.h"

#include "texts.h"

#include <QCoreApplication>
#include <QVariant>

#include <cmath>

namespace {
// My Facts and printing are modules with a copy of this library each, so a
// variable here would be the module's own, still in English when the program
// speaks German. The application object is one for all of them.
constexpr char NumberLocaleProperty[] = "numbloomNumberLocale";
}

void setNumberLocale(const QLocale &locale)
{
    QLocale numbers = locale;
    // Two decimals of seconds never need a thousands mark.
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    if (QCoreApplication *app = QCoreApplication::instance())
        app->setProperty(NumberLocaleProperty, QVariant::fromValue(numbers));
}

QLocale numberLocale()
{
    const QCoreApplication *app = QCoreApplication::instance();
    const QVariant chosen = app ? app->property(NumberLocaleProperty) : QVariant();
    return chosen.metaType() == QMetaType::fromType<QLocale>() ? chosen.value<QLocale>() : QLocale::c();
}

int roundEven(float v) { return int(std::nearbyint(v)); }

QString clockText(int seconds)
{
    // Int rounds down, also for a negative count (never shown, but defined).
    const int m = int(std::floor(seconds / 60.0));
    const int s = seconds - 60 * m;
    return QString::number(m) + QLatin1Char(':') + QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0'));
}

QString secondsText(float seconds) { return numberLocale().toString(double(seconds), 'f', 2) + Format::tr(" sec"); }

QString delayText(int milliseconds) { return secondsText(float(milliseconds) / 1000.0f); }

QString strNumber(int value)
{
    return (value >= 0 ? QStringLiteral(" ") : QString()) + QString::number(value);
}
