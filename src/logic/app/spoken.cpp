// SPDX-License-Identifier: GPL-3.0-or-later
#include "spoken.h"

#include "format.h"

#include <QCoreApplication>
#include <cmath>

namespace {
struct Spoken
{
    Q_DECLARE_TR_FUNCTIONS(Spoken)
};
} // namespace

QString spokenProblem(int operand1, int operand2)
{
    return Spoken::tr("What is %1 times %2?", "a problem read out; never the letter x").arg(operand1).arg(operand2);
}

QString spokenFact(int operand1, int operand2)
{
    return Spoken::tr("%1 times %2 is %3", "a fact read out; never the letter x or =")
        .arg(operand1)
        .arg(operand2)
        .arg(operand1 * operand2);
}

QString spokenRight() { return Spoken::tr("Right.", "said after a right answer"); }

QString spokenWrong(int operand1, int operand2)
{
    return Spoken::tr("Not quite. %1.", "said after a wrong answer, with the fact").arg(spokenFact(operand1, operand2));
}

QString spokenReview(int operand1, int operand2, int given)
{
    return Spoken::tr("%1. You said %2. The right answer is %3.", "a missed problem in the review")
        .arg(Spoken::tr("%1 times %2", "a problem in the review").arg(operand1).arg(operand2))
        .arg(given)
        .arg(operand1 * operand2);
}

QString spokenDuration(int seconds)
{
    const int m = seconds / 60, s = seconds % 60;
    const QString minutes = Spoken::tr("%n minutes", "a length of time, read out", m);
    const QString secs = Spoken::tr("%n seconds", "a length of time, read out", s);
    if (m == 0)
        return secs;
    if (s == 0)
        return minutes;
    return Spoken::tr("%1 %2", "minutes, then seconds: 1 minute 30 seconds").arg(minutes, secs);
}

QString spokenTimeLeft(int seconds)
{
    return Spoken::tr("%1 left", "the time a count-down has left").arg(spokenDuration(seconds));
}

QString spokenSeconds(float seconds)
{
    const int hundredths = int(std::lround(double(seconds) * 100.0));
    if (hundredths % 100 == 0)
        return spokenDuration(hundredths / 100);
    QString number = numberLocale().toString(double(hundredths) / 100.0, 'f', 2);
    if (hundredths % 10 == 0)
        number.chop(1);
    // %L1: a number with decimals, not a count; its words follow it anyway.
    return Spoken::tr("%L1 seconds", "a time with decimals, read out: 1.05 seconds").arg(number);
}

QString spokenReward(int k)
{
    switch (k) {
    case 0: return Spoken::tr("Your reward is a gold cup with stars.");
    case 1: return Spoken::tr("Your reward is a big smiling sun.");
    case 2: return Spoken::tr("Your reward is a smiling flower.");
    case 3: return Spoken::tr("Your reward is a rainbow. Keep going!");
    default: return QString();
    }
}
