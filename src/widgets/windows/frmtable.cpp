// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmtable.h"

#include "app/format.h"
#include "app/module1.h"
#include "frmabout.h"
#include "frmhmath.h"
#include "app/spoken.h"
#include "controls/announcer.h"
#include "loader/lazymodules.h"
#include "controls/picturebox.h"
#include "platform/twips.h"
#include "controls/widgets.h"
#include "practice/practicedrill.h"
#include "progress/childrecord.h"
#include "printjobs.h"
#include "render/studydisplay.h"
#include "study/studyoptions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <utility>

frmTable::frmTable(Module1 &module, frmAbout *about) : QWidget(nullptr), m(module), m_about(about)
{
    showFactPicture = &frmHMath::showFact;
    showMyFacts = &openMyFacts;
    buildControls();
    m_default = cmdResults;
    m_cancel = cmdRevStop;

    m_options = new StudyOptions(m, this);
    connect(m_options, &StudyOptions::modeChosen, this, &frmTable::showMode);
    connect(m_options, &StudyOptions::factsChanged, this, &frmTable::DrawFacts);
    connect(m_options, &StudyOptions::maxChanged, this, [this](int max) {
        lblMax->setText(QString::number(max));
        lblMax->repaint();
        showArrowValues();
    });

    m_drill = new PracticeDrill(m, *picPractice, this);
    connect(m_drill, &PracticeDrill::started, this, &frmTable::showStarted);
    connect(m_drill, &PracticeDrill::answerFocusWanted, this, [this] {
        // Coming to the box, the focus says the problem that follows.
        m_boxFocusMoved = m_drill->Practicing() && !picPractice->hasFocus();
        focusAnswer();
    });
    connect(m_drill, &PracticeDrill::countersChanged, this, &frmTable::showCounters);
    connect(m_drill, &PracticeDrill::timeChanged, this, &frmTable::ShowTime);
    connect(m_drill, &PracticeDrill::stopped, this, &frmTable::showStopped);
    connect(m_drill, &PracticeDrill::resultsShown, this, &frmTable::showResults);
    connect(m_drill, &PracticeDrill::reviewShown, this, &frmTable::showReview);
    connect(m_drill, &PracticeDrill::lastReviewShown, this, &frmTable::showLastReview);
    connect(m_drill, &PracticeDrill::idle, this, &frmTable::showIdle);
    m_announcer = std::make_unique<Announcer>(this);
    connect(m_drill, &PracticeDrill::said, this,
            [this](const QString &text, PracticeDrill::Heard what) { hear(text, int(what)); });
    // A voice that cannot speak says so once, when no drill is running.
    if (m.svc.speech)
        m.svc.speech->cannotSpeak = [this](const QString &why) { showNotice(why, QString()); };
    if (ChildRecord *record = m.svc.record) {
        connect(record, &ChildRecord::currentChanged, this, &frmTable::showChild);
        connect(record, &ChildRecord::notice, this, &frmTable::showNotice);
        connect(record, &ChildRecord::waitingSaved, this, [this](const QString &waitingNotice) {
            // Held for the end of the drill and come right meanwhile: nothing to tell.
            if (m_notices.removeIf([&waitingNotice](const auto &n) { return n.first == waitingNotice; }))
                return;
            showNotice(tr("The answers that waited are saved now."), QString());
        });
        showChild(record->currentName());
        // The record opens while the About window is up: what it had to say
        // then is shown once this window is.
        QTimer::singleShot(0, this, [this] {
            for (const auto &[text, detail] : m.svc.record->takeUnheardNotices())
                showNotice(text, detail);
        });
    }
    qApp->installEventFilter(this);
}

void frmTable::showChild(const QString &name)
{
    setWindowTitle(name.isEmpty() ? QStringLiteral("Numbloom") : QStringLiteral("Numbloom - %1").arg(name));
    // Read aloud is the child's own: on for one, off for the next.
    m.ReadAloud = !name.isEmpty() && m.svc.record && m.svc.record->current().readAloud;
    m_options->refreshFacts();
}

void frmTable::hear(const QString &text, int what)
{
    using Heard = PracticeDrill::Heard;
    switch (Heard(what)) {
    case Heard::Problem:
    case Heard::Typed:
        // The box holds the problem as it stands, for a screen reader's
        // "where am I"; the words themselves are announced, unless the focus
        // has just come to the box, which then says them.
        picPractice->setAccessibleName(text);
        if (!std::exchange(m_boxFocusMoved, false))
            m_announcer->say(text);
        break;
    case Heard::Results:
        // Heard with the button that takes the focus: the results panel's
        // lines in words (showResults). Announced too, it would cut them off.
        break;
    case Heard::Review:
        for (QPushButton *b : {cmdRevNext, cmdRevStop})
            b->setAccessibleDescription(text);
        // Next or Stop just took the focus and is heard with the problem.
        if (!std::exchange(m_reviewFocusMoved, false))
            m_announcer->say(text);
        break;
    case Heard::Time:
        m_announcer->say(text);
        return;
    }
    if (Heard(what) != Heard::Typed)
        m.Say(text);
}

void frmTable::showNotice(const QString &text, const QString &detail)
{
    // A box over a running drill would take the child's keys: it waits for Stop.
    if (m_drill->Practicing()) {
        m_notices.append({text, detail});
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("Numbloom"), text, QMessageBox::Ok, this);
    // The system's own words are for whoever looks further, not the message.
    if (!detail.isEmpty())
        box->setDetailedText(detail);
    box->setObjectName(QStringLiteral("recordNotice"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void frmTable::cmdFacts_Click()
{
    if (showMyFacts)
        showMyFacts(m, this);
}

frmTable::~frmTable() { qApp->removeEventFilter(this); }

void frmTable::selectOption(QRadioButton *option)
{
    // Selecting from code raises the option's click handler, once, when the
    // selection changes (through its toggled connection).
    option->setChecked(true);
}

// ---------------------------------------------------------------- start, exit

void frmTable::Form_Load()
{
    m.svc.random->seed(uint32_t(m.svc.clock->secondsSinceMidnight()));
    Loading = true;
    const Settings &s = m.settings;
    selectOption(optMode[size_t(s.Mode)]);
    selectOption(optTimer[size_t(s.TimerMode)]);
    hsbDelay->setValue(s.DelayMs);
    showDelay(s.DelayMs);
    centreOnScreen(this);
    Loading = false;
    // The timer option's handler was silenced above; show the clock and its
    // arrows as the saved timer mode wants them, not as the design left them.
    showClockFor(s.TimerMode);
    show();
    centreOnScreen(this);
    optMode_Click(s.Mode);
    lblMax->setText(QString::number(m.settings.MaxMultiplier));
    showArrowValues();
}

void frmTable::showArrowValues()
{
    updMax->setShownValue(m.settings.MaxMultiplier, MaxMultiplierRange.lo, MaxMultiplierRange.hi,
                          QString::number(m.settings.MaxMultiplier));
    // In minutes, as the clock beside the arrows shows the length, and in
    // words as a person says it: "1 minute 30 seconds", not "1.5".
    constexpr double minute = 60.0 / CountDownStepSeconds;
    spnTimer->setShownValue(m.settings.CountDownSteps / minute, CountDownStepsRange.lo / minute,
                            CountDownStepsRange.hi / minute,
                            spokenDuration(m.settings.CountDownSteps * CountDownStepSeconds));
}

void frmTable::showDelay(int milliseconds)
{
    lblDelay->setText(delayText(milliseconds));
    setSpokenValue(hsbDelay, spokenSeconds(float(milliseconds) / 1000.0f));
}

void frmTable::focusPracticeUnless(QWidget *control)
{
    // After a click the practice box takes the focus back, so that a running
    // drill goes on taking keys; reached by Tab, the control keeps it, so the
    // next key steps it again.
    if (!control->hasFocus())
        picPractice->setFocus();
}

void frmTable::cmdExit_Click()
{
    QString why;
    if (!m.saveSettings(&why))
        QMessageBox::critical(this, QStringLiteral("Numbloom"),
                              m.settingsWritePath.isEmpty()
                                  ? tr("The settings could not be saved: the program's folder\n%1\ncannot be "
                                       "written, and there is no home folder to keep them in.")
                                        .arg(QDir::toNativeSeparators(m.AppDir))
                                  : tr("The settings could not be saved to\n%1\n\n%2")
                                        .arg(QDir::toNativeSeparators(m.settingsWritePath), why));
    finishRecord();
    if (m.endProgram)
        m.endProgram();
}

void frmTable::finishRecord()
{
    ChildRecord *record = m.svc.record;
    if (!record)
        return;
    // Answers still waiting for a busy or full file get a few seconds more.
    constexpr int ExitWaitMs = 4000;
    if (const int lost = record->finish(ExitWaitMs))
        QMessageBox::warning(this, QStringLiteral("Numbloom"),
                             tr("%n answer(s) could not be saved: the record could not be written before Numbloom "
                                "closed.",
                                nullptr, lost));
}

void frmTable::closeEvent(QCloseEvent *e)
{
    // The close box ends the program without saving, and the hidden About
    // window must not keep it alive.
    e->accept();
    finishRecord();
    if (m.endProgram)
        m.endProgram();
}

// ------------------------------------------------------------ Enter and Esc

bool frmTable::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && m_drill->Practicing()) {
        // During a drill the keyboard belongs to the answer: after any click on
        // a control that stays enabled (the chosen factor again, an arrow at
        // its limit, the delay bar, a digit key) the next digit still counts.
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && w->window() == this)
            QTimer::singleShot(0, this, [this] {
                if (m_drill->Practicing() && picPractice->isVisible())
                    picPractice->setFocus();
            });
        return false;
    }
    if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) && watched == picFactor) {
        // Told before the focus has moved, so not from hasFocus().
        drawStudyGrid(event->type() == QEvent::FocusIn);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w || w->window() != this)
        return false;
    auto *k = static_cast<QKeyEvent *>(event);
    if (k->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    if (watched == picFactor && studyKey(k->key()))
        return true;
    auto usable = [](QAbstractButton *b) { return b && b->isVisible() && b->isEnabled(); };
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
        // A focused push button takes Enter itself, as on the classic desktop.
        auto *focused = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
        if (focused && focused->window() == this && !qobject_cast<QRadioButton *>(focused) && usable(focused)) {
            focused->click();
            return true;
        }
        if (usable(m_default)) {
            m_default->click();
            return true;
        }
    } else if (k->key() == Qt::Key_Escape) {
        if (usable(m_cancel)) {
            m_cancel->click();
            return true;
        }
    }
    return false;
}

// ------------------------------------------------------------ mode, options

void frmTable::optMode_Click(int i)
{
    if (!Loading)
        m_options->chooseMode(i);
}

void frmTable::showMode(int mode, int factorOption)
{
    const bool practice = mode == 1;
    fraStudy->setVisible(!practice);
    fraMax->setVisible(practice);
    selectOption(optFactor[size_t(factorOption)]);
    lbltitle->setText(practice ? tr("Practice Numbloom") : tr("Study Numbloom"));
    QWidget *box = practice ? static_cast<QWidget *>(picPractice) : picFactor;
    lbltitle->move(box->x() + (box->width() - lbltitle->width()) / 2, lbltitle->y());
    optFactor[0]->setEnabled(practice);
    picFactor->setVisible(!practice);
    picPractice->setVisible(practice);
    fraChoice->move(box->x() + (box->width() - fraChoice->width()) / 2, fraChoice->y());
    fraPractice->setVisible(practice);
    fraTimer->setVisible(practice);
    if (practice)
        m_drill->resetClock();
    fraDelay->setVisible(practice);
    optFactor[1]->setEnabled(true);
}

void frmTable::optFactor_Click(int k)
{
    if (Loading)
        return;
    m_options->chooseFactor(k);
    focusAnswer();
}

void frmTable::updMax_SpinUp()
{
    m_options->stepMax(1);
    focusPracticeUnless(updMax);
}

void frmTable::updMax_SpinDown()
{
    m_options->stepMax(-1);
    focusPracticeUnless(updMax);
}

void frmTable::DrawFacts(int) { drawStudyGrid(picFactor->hasFocus()); }

void frmTable::drawStudyGrid(bool withCursor)
{
    const QString empty = tr("Nothing is tricky yet.");
    drawFactGrid(*picFactor, m_options->cells(), empty);
    // The keyboard's cell is marked, and read, while the grid has the focus.
    if (withCursor && !m_options->cells().empty())
        drawCellCursor(*picFactor, m_options->cursor());
    // Heard when the focus comes to the grid.
    picFactor->setAccessibleName(m_options->cells().empty() ? empty : m_options->cellText(m_options->cursor()));
}

bool frmTable::studyKey(int key)
{
    const int moves[][3] = {{Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1}};
    for (const auto &[k, columns, rows] : moves)
        if (key == k) {
            if (m_options->moveCursor(columns, rows)) {
                drawStudyGrid(true);
                m_announcer->say(m_options->cellText(m_options->cursor()));
            }
            return true;
        }
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
        return false;
    // As a click on the cell does.
    if (m_options->choosePicture(m_options->cursor()) && showFactPicture)
        showFactPicture(m, this);
    return true;
}

void frmTable::picFactor_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y)
{
    // An empty cell (13 and 14, or past the last tricky fact) has nothing to picture.
    if (m_options->choosePicture(studyCellAt(x, y, picFactor->scaleWidth(), picFactor->scaleHeight())) && showFactPicture)
        showFactPicture(m, this);
}

// ------------------------------------------------------------ other windows

void frmTable::cmdInfo_Click() { m_about->showModal(this); }

void frmTable::cmdHelp_Click() { m.ShowHelp(); }

QString frmTable::helpAnchor() const
{
    if (fraResults->isVisible() || fraReview->isVisible())
        return QStringLiteral("results");
    const bool practice = m.settings.Mode == 1;
    if ((practice ? m.settings.PracticeFactor : m.settings.StudyFactor) == FactorTricky)
        return practice ? QStringLiteral("tricky-practice") : QStringLiteral("tricky-study");
    return practice ? QStringLiteral("practice") : QStringLiteral("study");
}

void frmTable::cmdPrint_Click() { printWorksheetJob(m, this); }

void frmTable::cmdPrintFacts_Click() { printFactsJob(m, this); }
