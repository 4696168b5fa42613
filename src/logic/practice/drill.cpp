// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill.h"

#include "app/spoken.h"
#include "app/format.h"
#include "app/settings.h"
#include "app/texts.h"

void Drill::countWrong(const Problem &p, int16_t given)
{
    ++Missed;
    if (Missed <= MissedCapacity) {
        MissedOperand1[size_t(Missed)] = p.Operand1;
        MissedOperand2[size_t(Missed)] = p.Operand2;
        MissedGiven[size_t(Missed)] = given;
        MissedOpCode[size_t(Missed)] = p.OpCode;
    }
}

DrillSummary summarizeDrill(int tried, int missed, int timerMode, int timerCount, int countDownSteps)
{
    DrillSummary s;
    if (tried <= 0)
        return s;
    s.percent = roundEven(float(tried - missed) / float(tried) * 100.0f);
    s.lines[0] = Summary::tr("Problems Tried:") + strNumber(tried);
    // The share is a pattern of its own: French and German set a space
    // before the per cent sign ("80 %").
    s.spokenLines[0] = Summary::tr("%n problems tried", "the results, read out", tried);
    s.spokenLines[1] = Summary::tr("%1 right, %2 percent", "how many were right, and their share").arg(tried - missed).arg(s.percent);
    s.lines[1] = Summary::tr("Problems Correct:") + strNumber(tried - missed)
                 + Summary::tr(" (%1%)", "the share of right answers, after their count").arg(s.percent);
    if (timerMode == ClockOff) {
        s.lines[2] = Summary::tr("Timer Off");
        s.spokenLines[2] = Summary::tr("The clock was off");
    } else {
        const int elapsed = timerMode == ClockCountUp ? timerCount : countDownSteps * CountDownStepSeconds - timerCount;
        s.lines[2] = Summary::tr("Elapsed Time: ") + clockText(elapsed);
        const float perProblem = float(elapsed) / float(tried);
        s.lines[3] = Summary::tr("Time Per Problem: ") + secondsText(perProblem);
        s.spokenLines[2] = Summary::tr("It took %1", "the time a drill took, in words").arg(spokenDuration(elapsed));
        s.spokenLines[3] = Summary::tr("%1 a problem", "the time for each problem, in words").arg(spokenSeconds(perProblem));
    }
    if (tried >= RewardMinProblems) {
        s.fullHeight = true;
        s.reward = 0;
        for (int threshold : RewardThresholds) {
            if (s.percent >= threshold)
                break;
            ++s.reward;
        }
    }
    s.review = missed != 0;
    s.spokenReward = spokenReward(s.reward);
    return s;
}

QString spokenSummary(const DrillSummary &summary)
{
    QStringList parts;
    for (const QString &line : summary.spokenLines)
        if (!line.isEmpty())
            parts << line;
    QString text = parts.join(QStringLiteral(". ")) + QLatin1Char('.');
    if (!summary.spokenReward.isEmpty())
        text += QLatin1Char(' ') + summary.spokenReward;
    return text;
}
