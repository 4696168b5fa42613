// SPDX-License-Identifier: GPL-3.0-or-later
// One answer typed into a running drill: each digit drawn as it comes, the
// answer judged and the next problem drawn.
#include "fakes.h"
#include "mainwindow.h"
#include "platform/twips.h"
#include "practice/practicedrill.h"

#include <QTest>

class bench_keypress : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void answerToNextProblem();
};

void bench_keypress::answerToNextProblem()
{
    installFontSubstitutions();
    // No pause after an answer, so only the program's own work is timed.
    StartedProgram s("1\r\n3,1\r\n0,0,1,0,8\r\n0,4,0\r\n12\r\n");
    s.prog->random.script = {drawFor(7, 13)}; // always 7 x 8
    frmTable *w = s.main;
    QTest::mouseClick(ui(w).cmdStart, Qt::LeftButton);
    PictureBox *box = ui(w).picPractice;
    QBENCHMARK {
        QTest::keyClick(box, '5');
        QTest::keyClick(box, '6');
    }
    QVERIFY(w->practice().counts().Tried > 0);
    QCOMPARE(w->practice().counts().Missed, 0);
}

QTEST_MAIN(bench_keypress)
#include "bench_keypress.moc"
