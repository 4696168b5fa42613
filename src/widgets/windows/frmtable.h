// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: study grid or practice box in the middle, options left and
// right, Info, Help and Exit below. It holds the controls and their handlers;
// the drill and the options keep their rules in practice/ and study/, and the
// window shows what their signals say.
#include "frmtablelayout.h"
#include "study/studyoptions.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class Announcer;
class Module1;
class frmAbout;
class Frame;
class PictureBox;
class PracticeDrill;
class PushButton3D;
class SpinButton;
class StudyOptions;
class ClickLabel;
class ImageBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
struct DrillSummary;

// The controls are the members of MainControls (frmtablelayout.h), made and
// filled from the layout table.
class frmTable : public QWidget, private MainControls
{
    Q_OBJECT
public:
    frmTable(Module1 &module, frmAbout *about);
    ~frmTable() override;

    // Handlers
    void Form_Load();
    void optMode_Click(int index);
    void optFactor_Click(int index);
    void updMax_SpinUp();
    void updMax_SpinDown();
    // An arrow, Enter or Space on the focused study grid; false for other keys.
    bool studyKey(int key);
    // The grid, and the keyboard's cell marked on it while it has the focus.
    void drawStudyGrid(bool withCursor);
    void picFactor_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void cmdPrintFacts_Click();
    void cmdStart_Click();
    void cmdPrint_Click();
    void picPractice_KeyPress(int key);
    void lblKey_Click(int index);
    void optTimer_Click(int index);
    void spnTimer_SpinUp();
    void spnTimer_SpinDown();
    void hsbDelay_Change();
    void hsbDelay_Scroll();
    void Timer1_Timer();
    void cmdResults_Click();
    void cmdRevNext_Click();
    void cmdRevStop_Click();
    void cmdInfo_Click();
    void cmdHelp_Click();
    void cmdExit_Click();
    void cmdFacts_Click();

    // Procedures
    void ShowTime(int seconds);
    void showArrowValues();
    void showDelay(int milliseconds);
    void focusPracticeUnless(QWidget *control);
    void DrawFacts(int factor);

    // Enter and Esc go to these first while they are shown and enabled.
    QAbstractButton *defaultButton() const { return m_default; }
    QAbstractButton *cancelButton() const { return m_cancel; }

    // Opens the fact picture for the pressed cell; tests put a recorder here.
    std::function<void(Module1 &, QWidget *)> showFactPicture;
    // Opens My Facts; tests put a recorder here.
    std::function<void(Module1 &, QWidget *)> showMyFacts;

    const PracticeDrill &practice() const { return *m_drill; }
    // The controls, for the tests.
    const MainControls &controls() const { return *this; }
    // The part of the help F1 opens: about the mode and factor shown, or the
    // results and review.
    QString helpAnchor() const;
    // While set, the option handlers do nothing: the saved options are being shown.
    void setLoading(bool on) { Loading = on; }
    // 0 Start, 1 Stop; the reward pictures best first.
    const QIcon &buttonPicture(int i) const { return imgButton[size_t(i)]; }
    const QIcon &rewardPicture(int i) const { return imgReward[size_t(i)]; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *e) override;

private:
    // frmtablecontrols.cpp: the controls built from their table
    // (frmtablelayout.cpp), then finished and connected.
    void buildControls();
    void finishControls();
    void connectControls();
    void onClick(QAbstractButton *button, void (frmTable::*handler)());
    void selectOption(QRadioButton *option);

    // What the drill and the options show through their signals.
    void showMode(int mode, int factorOption);
    void showStarted();
    void showCounters(int tried, int correct);
    void setCounters(const QString &tried, const QString &correct);
    void showStopped();
    void showResults(const DrillSummary &summary);
    void showReview();
    void showLastReview();
    void showIdle();
    void focusAnswer();
    void showClockFor(int mode);
    // The child's name in the title bar, and what the record has to tell.
    void showChild(const QString &name);
    void showNotice(const QString &text, const QString &detail);
    // Gives answers still waiting for the file their last chance, and says
    // how many were lost when they could not be written.
    void finishRecord();
    // What the drill says: to a screen reader, and by Read aloud.
    void hear(const QString &text, int what);
    void placeReviewButtons(bool last);

    Module1 &m;
    frmAbout *m_about;
    StudyOptions *m_options;
    PracticeDrill *m_drill;
    QPointer<QAbstractButton> m_default, m_cancel;
    bool Loading = false;
    QVector<QPair<QString, QString>> m_notices; // held while a drill runs
    std::unique_ptr<Announcer> m_announcer;
    // The focus has just gone to Next or Stop, which say the missed problem.
    bool m_reviewFocusMoved = false;
    // ... and to the practice box, which says the first problem.
    bool m_boxFocusMoved = false;

    std::array<QIcon, 2> imgButton;
    std::array<QIcon, 4> imgReward;
};
