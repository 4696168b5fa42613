// SPDX-License-Identifier: GPL-3.0-or-later
// The main window during practice: the clock and the delay, the drill, its
// results and its review, as the drill's signals say them. The rest of the
// window is in frmtable.cpp.
#include "frmtable.h"

#include "app/format.h"
#include "app/module1.h"
#include "app/spoken.h"
#include "controls/announcer.h"
#include "controls/picturebox.h"
#include "platform/twips.h"
#include "controls/widgets.h"
#include "practice/practicedrill.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <utility>

namespace {
void setUnderline(QLabel *label, bool on)
{
    QFont f = label->font();
    f.setUnderline(on);
    label->setFont(f);
}
} // namespace

// ------------------------------------------------------------ clock, delay

void frmTable::ShowTime(int seconds)
{
    lblTimer->setText(clockText(seconds));
    lblTimer->repaint();
}

void frmTable::optTimer_Click(int index)
{
    if (Loading)
        return;
    m_drill->chooseTimer(index);
    showClockFor(index);
}

void frmTable::showClockFor(int mode)
{
    // The clock shows whenever it runs; only a count-down has a length to set.
    lblTimer->setVisible(mode != ClockOff);
    spnTimer->setVisible(mode == ClockCountDown);
}

void frmTable::spnTimer_SpinDown()
{
    m_drill->stepCountDown(-1);
    showArrowValues();
}

void frmTable::spnTimer_SpinUp()
{
    m_drill->stepCountDown(1);
    showArrowValues();
}

void frmTable::Timer1_Timer() { m_drill->tick(); }

void frmTable::hsbDelay_Change()
{
    if (Loading)
        return;
    m.settings.DelayMs = int16_t(hsbDelay->value());
    showDelay(m.settings.DelayMs);
    focusPracticeUnless(hsbDelay);
}

void frmTable::hsbDelay_Scroll()
{
    // While dragging, the value is the thumb's position, not yet committed.
    if (Loading)
        return;
    m.settings.DelayMs = int16_t(hsbDelay->sliderPosition());
    showDelay(m.settings.DelayMs);
    focusPracticeUnless(hsbDelay);
}

// ------------------------------------------------------------ the drill

void frmTable::cmdStart_Click() { m_drill->startOrStop(); }

void frmTable::lblKey_Click(int index)
{
    picPractice_KeyPress('0' + index);
    picPractice->setFocus();
}

void frmTable::picPractice_KeyPress(int key)
{
    // T tells the time on the clock: a child who cannot see it can ask.
    if ((key == 't' || key == 'T') && m_drill->Practicing()) {
        m_drill->sayTime();
        return;
    }
    m_drill->typeKey(key, hsbDelay->value());
}

void frmTable::cmdResults_Click() { m_drill->closeResults(); }

void frmTable::cmdRevNext_Click() { m_drill->nextReview(); }

void frmTable::cmdRevStop_Click() { m_drill->backToIdle(); }

void frmTable::focusAnswer()
{
    if (m_drill->Practicing())
        picPractice->setFocus();
}

void frmTable::showStarted()
{
    fraChoice->hide();
    cmdFacts->hide();
    fraMode->setEnabled(false);
    cmdPrint->hide();
    lblPrint->hide();
    fraTimer->setEnabled(false);
    lblStart->setText(tr("Stop Practice"));
    cmdStart->setAccessibleName(lblStart->text());
    cmdStart->setPicture(imgButton[1]);
    if (m_default == cmdStart)
        m_default = nullptr;
    m_cancel = cmdStart;
    fraKey->show();
    setCounters(QString(), QString());
    picPractice->setTakesTab(true);
}

void frmTable::showCounters(int tried, int correct)
{
    setCounters(tr("Tried: ") + QString::number(tried), tr("Correct: ") + QString::number(correct));
}

void frmTable::setCounters(const QString &tried, const QString &correct)
{
    // Shown at once: the pause after an answer holds the window.
    lblProblem->setText(tried);
    lblWrong->setText(correct);
    lblProblem->repaint();
    lblWrong->repaint();
}

void frmTable::showStopped()
{
    for (const auto &[text, detail] : std::exchange(m_notices, {}))
        showNotice(text, detail);
    lblProblem->clear();
    lblWrong->clear();
    fraKey->hide();
    picPractice->setTakesTab(false);
    picPractice->setAccessibleName(tr("Practice"));
    if (m_cancel == cmdStart)
        m_cancel = nullptr;
}

void frmTable::showResults(const DrillSummary &sum)
{
    // Heard once, in words, as the panel comes with the focus on its button.
    for (size_t i = 0; i < 4; ++i) {
        lblResults[i]->setText(sum.lines[i]);
        lblResults[i]->setAccessibleName(sum.spokenLines[i]);
    }
    imgResults->setPicture(sum.reward >= 0 ? imgReward[size_t(sum.reward)] : QIcon());
    imgResults->setAccessibleName(sum.spokenReward);
    const float scaleHeight = picPractice->scaleHeight();
    fraResults->resize(fraResults->width(), toPixels(sum.fullHeight ? scaleHeight : scaleHeight * 0.45f));
    cmdResults->setText(sum.review ? tr("&Review") : tr("&OK"));
    m_default = cmdResults;
    fraPractice->setEnabled(false);
    fraFactor->setEnabled(false);
    fraDelay->setEnabled(false);
    fraResults->show();
    cmdResults->setFocus();
}

void frmTable::placeReviewButtons(bool last)
{
    // Next and Stop share the frame; alone, Stop stands in its middle.
    const float frameW = float(toTwips(fraReview->width()));
    const float nextW = float(toTwips(cmdRevNext->width()));
    if (!last)
        cmdRevNext->move(toPixels(frameW * 0.25f - nextW * 0.5f), cmdRevNext->y());
    cmdRevStop->move(toPixels(frameW * (last ? 0.5f : 0.75f) - nextW * 0.5f), cmdRevStop->y());
}

void frmTable::showReview()
{
    fraResults->hide();
    fraReview->show();
    placeReviewButtons(false);
    m_default = cmdRevNext;
    m_cancel = cmdRevStop;
    lblProblem->setText(tr("Your Answer:"));
    lblWrong->setText(tr("Correct:"));
    setUnderline(lblProblem, true);
    setUnderline(lblWrong, true);
    m_reviewFocusMoved = true;
    cmdRevNext->setFocus();
}

void frmTable::showLastReview()
{
    cmdRevNext->hide();
    placeReviewButtons(true);
    m_reviewFocusMoved = true;
    cmdRevStop->setFocus();
}

void frmTable::showIdle()
{
    fraReview->hide();
    cmdRevNext->show();
    for (QPushButton *b : {cmdRevNext, cmdRevStop})
        b->setAccessibleDescription(QString());
    picPractice->setAccessibleName(tr("Practice"));
    fraMode->setEnabled(true);
    fraResults->hide();
    fraChoice->show();
    cmdFacts->show();
    fraTimer->setEnabled(true);
    fraPractice->setEnabled(true);
    fraFactor->setEnabled(true);
    fraDelay->setEnabled(true);
    lblProblem->clear();
    lblWrong->clear();
    setUnderline(lblProblem, false);
    setUnderline(lblWrong, false);
    lblStart->setText(tr("Start Practice"));
    cmdStart->setAccessibleName(lblStart->text());
    cmdStart->setPicture(imgButton[0]);
    m_default = cmdStart;
    lblPrint->show();
    cmdPrint->show();
    cmdStart->setFocus();
}

