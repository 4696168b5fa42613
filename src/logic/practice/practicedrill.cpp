// SPDX-License-Identifier: GPL-3.0-or-later
#include "practicedrill.h"

#include "app/format.h"
#include "app/module1.h"
#include "app/spoken.h"
#include "platform/drawsurface.h"
#include "progress/childrecord.h"
#include "render/problemdisplay.h"

namespace {
// The clock shows whole seconds.
constexpr int ClockTickMs = 1000;
} // namespace

PracticeDrill::PracticeDrill(Module1 &module, DrawSurface &box, QObject *parent)
    : QObject(parent), m(module), m_box(box)
{
    m_timer.setInterval(ClockTickMs);
    connect(&m_timer, &QTimer::timeout, this, &PracticeDrill::tick);
}

void PracticeDrill::newProblem()
{
    const Settings &s = m.settings;
    m_trickyProblem = s.PracticeFactor == FactorTricky;
    if (m_trickyProblem) {
        // Made at the first Tricky problem, which may come mid-drill.
        if (!m_tricky)
            m_tricky.emplace(trickyChooserFor(m.svc.record, QDateTime::currentDateTimeUtc()));
        const FactPair f = m_tricky->next(*m.svc.random, s.MaxMultiplier);
        m_problem = problemOf(int16_t(f.operand1), int16_t(f.operand2));
    } else {
        m_problem = makeProblem(*m.svc.random, s.PracticeFactor, s.MaxMultiplier);
    }
    Q_EMIT answerFocusWanted();
}

void PracticeDrill::posePrompt()
{
    m_box.clear();
    drawProblem(0.5f, QString(m_problem.Digits, QLatin1Char('?')), Qt::black);
    // The judgement is said once the pause after the answer is over, as the
    // next problem's first words: said at once, the next problem would cut it off.
    const QString problem = spokenProblem(m_problem.Operand1, m_problem.Operand2);
    Q_EMIT said(m_judgement.isEmpty() ? problem : m_judgement + QLatin1Char(' ') + problem, Heard::Problem);
    m_judgement.clear();
    // The answer's time runs from here to its last digit.
    m_posedMs = m.svc.clock ? m.svc.clock->monotonicMs() : 0;
}

void PracticeDrill::drawProblem(float centre, const QString &answerText, const QColor &colour)
{
    m_typed.clear();
    AnswerPlace place{m_answerX, m_answerY};
    ::drawProblem(m_box, m_problem.Operand1, m_problem.Operand2, centre, answerText, colour, place);
    m_answerX = place.x;
    m_answerY = place.y;
}

void PracticeDrill::showClock(int seconds)
{
    m_timerCount = int16_t(seconds);
    Q_EMIT timeChanged(m_timerCount);
}

void PracticeDrill::resetClock()
{
    const Settings &s = m.settings;
    if (s.TimerMode != ClockOff)
        showClock(s.TimerMode == ClockCountUp ? 0 : s.CountDownSteps * CountDownStepSeconds);
}

void PracticeDrill::startOrStop()
{
    if (m_state == State::Idle) {
        m_state = State::Running;
        Q_EMIT started();
        if (m.settings.TimerMode != ClockOff)
            m_timer.start();
        m_drill.start();
        m_tricky.reset();
        m_judgement.clear();
        resetClock();
        if (ChildRecord *record = m.svc.record) {
            const Settings &s = m.settings;
            record->drillStarted({QDateTime::currentDateTimeUtc(), s.PracticeFactor, s.MaxMultiplier, s.TimerMode,
                                  m_timerCount});
        }
        newProblem();
        posePrompt();
        return;
    }
    // Start is hidden behind the results and the review: only a running drill stops.
    if (m_state != State::Running)
        return;

    m_box.clear();
    m_timer.stop();
    m_state = State::Results;
    if (m.svc.record)
        m.svc.record->drillEnded(QDateTime::currentDateTimeUtc());
    Q_EMIT stopped();
    if (m_drill.Tried == 0) {
        backToIdle();
        return;
    }
    const Settings &s = m.settings;
    const DrillSummary sum = summarizeDrill(m_drill.Tried, m_drill.Missed, s.TimerMode, m_timerCount, s.CountDownSteps);
    m_reviewIndex = 0;
    Q_EMIT resultsShown(sum);
    Q_EMIT said(spokenSummary(sum), Heard::Results);
    m.PlaySound(Module1::Sound::Tada, SoundPlayer::Async);
}

void PracticeDrill::typeKey(int key, int delayMs)
{
    if (m_state != State::Running)
        return;
    if (key < '0' || key > '9') {
        if (m.svc.sound)
            m.svc.sound->beep();
        return;
    }
    m.PlaySound(Module1::Sound::Ding, SoundPlayer::Async);
    const QChar digit(key);
    m_typed += digit;
    // The digit takes the place of its "?", drawn at once: the judging below
    // may hold the window for the pause.
    const QString q = QStringLiteral("?");
    const float w = m_box.textWidth(q);
    const float h = m_box.textHeight(q);
    m_box.filledBox(m_answerX, m_answerY, m_answerX + w, m_answerY + h, m_box.backColor());
    m_box.setCurrentX(m_answerX);
    m_box.setCurrentY(m_answerY);
    m_box.printText(QString(digit));
    m_box.refresh();
    m_answerX = int16_t(roundEven(float(m_answerX) + w));
    if (m_problem.DigitPos != m_problem.Digits) {
        ++m_problem.DigitPos;
        Q_EMIT said(m_typed, Heard::Typed);
        return;
    }
    // The last digit is not said: the pause that follows holds the window,
    // so a screen reader would get it only as the next problem cuts it off.
    judgeAnswer(delayMs);
}

void PracticeDrill::judgeAnswer(int delayMs)
{
    const int given = m_typed.toInt();
    const int ms = m.svc.clock ? int(m.svc.clock->monotonicMs() - m_posedMs) : 0;
    const QDateTime at = QDateTime::currentDateTimeUtc();
    if (ChildRecord *record = m.svc.record)
        record->answerJudged({at, m_problem.Operand1, m_problem.Operand2, given, given == m_problem.Answer, ms});
    if (m_tricky)
        m_tricky->judged({m_problem.Operand1, m_problem.Operand2}, given == m_problem.Answer, ms, at);
    m_judgement = given == m_problem.Answer ? spokenRight() : spokenWrong(m_problem.Operand1, m_problem.Operand2);
    if (given != m_problem.Answer && m_trickyProblem) {
        // Tricky shows the right answer through the pause, as the review
        // does: the child's answer in red, the problem again with its product;
        // and it is said as the review says it, before the next problem.
        m_box.clear();
        drawProblem(0.25f, QString::number(given), Qt::red);
        drawProblem(0.75f, QString::number(m_problem.Answer), Qt::black);
        m_box.refresh();
        m_judgement = spokenReview(m_problem.Operand1, m_problem.Operand2, given);
    }
    if (given != m_problem.Answer) {
        m.PlaySound(Module1::Sound::UhOh, SoundPlayer::Wait);
        m_drill.countWrong(m_problem, int16_t(given));
    }
    m_drill.countAnswer();
    Q_EMIT countersChanged(m_drill.Tried, m_drill.Tried - m_drill.Missed);
    m.Pause(float(delayMs) / 1000.0f);
    newProblem();
    posePrompt();
}

void PracticeDrill::closeResults()
{
    if (m_state != State::Results)
        return;
    if (!ReviewPending()) {
        backToIdle();
        return;
    }
    m_state = State::Review;
    Q_EMIT reviewShown();
    nextReview();
}

void PracticeDrill::nextReview()
{
    if (m_state != State::Review)
        return;
    ++m_reviewIndex;
    if (m_reviewIndex > m_drill.recorded()) {
        backToIdle();
        return;
    }
    m_box.clear();
    const size_t r = size_t(m_reviewIndex);
    m_problem.Operand1 = m_drill.MissedOperand1[r];
    m_problem.Operand2 = m_drill.MissedOperand2[r];
    const QString correct = QString::number(m_problem.Operand1 * m_problem.Operand2);
    const QString given = QString::number(m_drill.MissedGiven[r]);
    drawProblem(0.25f, given, Qt::red);
    drawProblem(0.75f, correct, Qt::black);
    // The last one moves the focus to Stop first, which is then heard with it.
    if (m_reviewIndex == m_drill.recorded())
        Q_EMIT lastReviewShown();
    Q_EMIT said(spokenReview(m_problem.Operand1, m_problem.Operand2, m_drill.MissedGiven[r]), Heard::Review);
}

void PracticeDrill::backToIdle()
{
    // A running drill ends only through Stop, which counts and judges it.
    if (m_state == State::Running)
        return;
    m_state = State::Idle;
    m_box.clear();
    Q_EMIT idle();
    resetClock();
}

void PracticeDrill::tick()
{
    // A tick can only belong to a running clock.
    if (!m_timer.isActive())
        return;
    const bool up = m.settings.TimerMode == ClockCountUp;
    showClock(m_timerCount + (up ? 1 : -1));
    if (up ? m_timerCount >= CountUpEndSeconds : m_timerCount <= 0) {
        startOrStop();
        return;
    }
    // A count-down is heard at each full minute and through its last ten
    // seconds, where the numbers alone keep pace with the clock.
    if (!up && (m_timerCount % 60 == 0 || m_timerCount == 10))
        Q_EMIT said(spokenTimeLeft(m_timerCount), Heard::Time);
    else if (!up && m_timerCount < 10)
        Q_EMIT said(QString::number(m_timerCount), Heard::Time);
}

void PracticeDrill::sayTime()
{
    const int mode = m.settings.TimerMode;
    if (mode == ClockOff)
        Q_EMIT said(tr("The clock is off."), Heard::Time);
    else
        Q_EMIT said(mode == ClockCountDown ? spokenTimeLeft(m_timerCount)
                                           : tr("%1 so far", "how long a drill has run").arg(spokenDuration(m_timerCount)),
                    Heard::Time);
}

void PracticeDrill::chooseTimer(int mode)
{
    m.settings.TimerMode = int16_t(mode);
    resetClock();
}

void PracticeDrill::stepCountDown(int by)
{
    const int steps = m.settings.CountDownSteps + by;
    if (!CountDownStepsRange.contains(steps))
        return;
    m.settings.CountDownSteps = int16_t(steps);
    showClock(steps * CountDownStepSeconds);
}
