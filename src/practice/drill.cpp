#include "drill.h"
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
    s.lines[1] = Summary::tr("Problems Correct:") + strNumber(tried - missed)
                 + Summary::tr(" (%1%)", "the share of right answers, after their count").arg(s.percent);
    if (timerMode == ClockOff) {
        s.lines[2] = Summary::tr("Timer Off");
    } else {
        const int elapsed = timerMode == ClockCountUp ? timerCount : countDownSteps * CountDownStepSeconds - timerCount;
        s.lines[2] = Summary::tr("Elapsed Time: ") + clockText(elapsed);
        const float perProblem = float(elapsed) / float(tried);
        s.lines[3] = Summary::tr("Time Per Problem: ") + secondsText(perProblem);
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
    return s;
}
