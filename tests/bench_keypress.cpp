// One digit typed into a running drill, up to the repaint of the digit.
#include "fakes.h"
#include "platform/picturebox.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "windows/frmtable.h"

#include <QTest>

class bench_keypress : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void digitToRepaint();
};

void bench_keypress::digitToRepaint()
{
    installFontSubstitutions();
    StartedProgram s("1\r\n3,1\r\n0,0,1,0,8\r\n0,4,1000\r\n12\r\n");
    s.prog->random.script = {drawFor(7, 13)}; // 7 x 8: two digits, the first is never judged
    QTest::mouseClick(s.main->cmdStart, Qt::LeftButton);
    frmTable *w = s.main;
    const int16_t x = w->AnswerX;
    QBENCHMARK {
        QTest::keyClick(w->picPractice, '5');
        w->problem.DigitPos = 1;
        w->AnswerX = x;
        w->Typed.clear();
    }
    QCOMPARE(w->drill.Tried, 0);
}

QTEST_MAIN(bench_keypress)
#include "bench_keypress.moc"
