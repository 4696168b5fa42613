// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A practice drill from Start to the end of its review: the problems, the
// answer as it is typed, the judging, the counters, the clock, the results and
// the review of missed problems. It draws into the practice box and plays the
// sounds itself; everything else on screen is left to whoever listens to its
// signals, so the window keeps its controls and this keeps the rules.
#include "drill.h"
#include "problem.h"
#include "trickychooser.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

class DrawSurface;
class Module1;

class PracticeDrill : public QObject
{
    Q_OBJECT
public:
    // Idle: no drill. Running: problems are posed and answers judged.
    // Results: the summary is on show. Review: missed problems one by one.
    enum class State { Idle, Running, Results, Review };
    // What a drill says, in words: the problem (with the judgement of the
    // answer before it), the digits as typed, the results, a missed problem
    // in the review, the time.
    enum class Heard { Problem, Typed, Results, Review, Time };

    PracticeDrill(Module1 &module, DrawSurface &box, QObject *parent = nullptr);

    // Start when idle, stop (and show the results) when running.
    void startOrStop();
    // One key typed into the practice box: a digit takes the place of its
    // "?", anything else beeps. delayMs is the pause after a judged answer.
    void typeKey(int key, int delayMs);
    // The results' button: into the review when there is one, else back to idle.
    void closeResults();
    void nextReview();
    void backToIdle();
    // One second of the running clock; the drill stops when it runs out.
    void tick();
    // The time on the clock, said: what a count-down has left, or how long
    // the drill has run.
    void sayTime();

    // The clock's options, one of ClockMode.
    void chooseTimer(int mode);
    // One arrow of the count-down's length: by 1 or -1 half-minutes, within
    // the settings' range.
    void stepCountDown(int by);
    // Puts the clock back to where a drill starts it and shows it.
    void resetClock();

    State state() const { return m_state; }
    bool Practicing() const { return m_state == State::Running; }
    const QString &Typed() const { return m_typed; }
    const Drill &counts() const { return m_drill; }
    const Problem &problem() const { return m_problem; }
    int16_t TimerCount() const { return m_timerCount; }
    // Missed problems wait behind the results' button until the drill is over.
    bool ReviewPending() const
    {
        return (m_state == State::Results || m_state == State::Review) && m_drill.Missed != 0;
    }
    int16_t ReviewIndex() const { return m_reviewIndex; }
    const QTimer &timer() const { return m_timer; }

Q_SIGNALS:
    // The drill has begun: the keys and the counters' place are wanted.
    void started();
    // The keyboard should go to the practice box.
    void answerFocusWanted();
    void countersChanged(int tried, int correct);
    void timeChanged(int seconds);
    // Running has ended; the results or idle follow at once.
    void stopped();
    void resultsShown(const DrillSummary &summary);
    void reviewShown();
    // The last missed problem is on show: no Next after it.
    void lastReviewShown();
    void idle();
    // Something to be heard, in words (app/spoken.h): a screen reader is told
    // each, and Read aloud says the problems, results and review.
    void said(const QString &text, PracticeDrill::Heard what);

private:
    void newProblem();
    // The last digit is in: the answer is counted, and a wrong one recorded
    // with its uh-oh, then the pause and the next problem.
    void judgeAnswer(int delayMs);
    // Clears the box and poses the problem with a "?" for each digit.
    void posePrompt();
    void drawProblem(float centre, const QString &answerText, const QColor &colour);
    void showClock(int seconds);

    Module1 &m;
    DrawSurface &m_box;
    State m_state = State::Idle;
    Drill m_drill;
    Problem m_problem;
    QString m_typed;
    int16_t m_answerX = 0, m_answerY = 0;
    int16_t m_timerCount = 0;
    int16_t m_reviewIndex = 0;
    int64_t m_posedMs = 0;
    QTimer m_timer;
    std::optional<TrickyChooser> m_tricky; // while the factor is Tricky
    bool m_trickyProblem = false;          // the problem on show is Tricky's
    QString m_judgement; // said again with the problem that follows it
};
