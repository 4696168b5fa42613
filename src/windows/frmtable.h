#pragma once
// The main window: study grid or practice box in the middle, options left and
// right, Info, Help and Exit below. Handlers keep the names of the design.
#include "practice/drill.h"
#include "practice/problem.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

class Module1;
class frmAbout;
class Frame;
class PictureBox;
class PushButton3D;
class SpinButton;
class ClickLabel;
class ImageBox;
class QAbstractButton;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

class frmTable : public QWidget
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
    void picFactor_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void cmdPrintFacts_Click();
    void cmdStart_Click();
    void cmdPrint_Click();
    void picPractice_KeyPress(int &keyAscii);
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

    // Procedures
    void NewProblem();
    void ShowTime(int16_t &seconds);
    void DrawProblem(int16_t &operation, float centre, const QString &answerText, const QColor &colour);
    void DrawFacts();

    // Enter and Esc go to these first while they are shown and enabled.
    void setDefaultButton(QAbstractButton *b) { m_default = b; }
    void setCancelButton(QAbstractButton *b) { m_cancel = b; }
    QAbstractButton *defaultButton() const { return m_default; }
    QAbstractButton *cancelButton() const { return m_cancel; }

    // Opens the fact picture for the pressed cell; tests put a recorder here.
    std::function<void(Module1 &, QWidget *)> showFactPicture;

    // State shared by the handlers
    int16_t Practicing = 0;
    int16_t Loading = 0;
    Drill drill;
    Problem problem;
    QString Typed;
    int16_t AnswerX = 0, AnswerY = 0;
    QString TadaSound, UhohSound, DingSound;
    int16_t TimerCount = 0;
    int16_t ReviewPending = 0;
    int16_t ReviewIndex = 0;

    // Controls
    QLabel *lbltitle;
    Frame *fraMode, *fraFactor, *fraStudy, *fraMax, *fraChoice, *fraPractice, *fraTimer, *fraDelay;
    std::array<QRadioButton *, 2> optMode;
    std::array<QRadioButton *, 14> optFactor;
    QLabel *Label1;
    QPushButton *cmdPrintFacts;
    QLabel *lblMax;
    SpinButton *updMax;
    PictureBox *picFactor, *picPractice;
    PushButton3D *cmdInfo, *cmdHelp, *cmdExit;
    QLabel *lblStart, *lblPrint;
    PushButton3D *cmdStart, *cmdPrint;
    std::array<QRadioButton *, 3> optTimer;
    QLabel *lblTimer;
    SpinButton *spnTimer;
    QLabel *lblDelay;
    QScrollBar *hsbDelay;
    QTimer Timer1;
    std::array<QIcon, 2> imgButton;
    std::array<QIcon, 4> imgReward;
    QLabel *lblProblem, *lblWrong;
    Frame *fraKey, *fraResults, *fraReview;
    std::array<ClickLabel *, 10> lblKey;
    std::array<QLabel *, 4> lblResults;
    QPushButton *cmdResults;
    ImageBox *imgResults;
    QPushButton *cmdRevNext, *cmdRevStop;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void buildControls();
    void onClick(QAbstractButton *button, void (frmTable::*handler)());
    void selectOption(QRadioButton *option);
    void setUnderline(QLabel *label, bool on);
    void centreOnScreen();

    Module1 &m;
    frmAbout *m_about;
    QPointer<QAbstractButton> m_default, m_cancel;
};
