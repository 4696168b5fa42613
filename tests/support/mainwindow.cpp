#include "mainwindow.h"
#include "fakes.h"

#include "windows/frmabout.h"
#include <QAbstractButton>
#include <QPushButton>
#include <QTest>

StartedProgram::StartedProgram(const QByteArray &ini, ChildRecord *record) : prog(std::make_unique<TestProgram>())
{
    prog->writeIni(ini);
    prog->module->svc.record = record;
    about = std::make_unique<frmAbout>(*prog->module);
    about->Form_Load();
    about->show();
    QTest::mouseClick(named<QPushButton>(about.get(), QStringLiteral("Command1")), Qt::LeftButton);
    main = about->mainWindow();
    main->showFactPicture = [this](Module1 &, QWidget *) { ++factPictures; };
}

StartedProgram::~StartedProgram() = default;


namespace {
template <class T, size_t N> void children(QWidget *w, const char *prefix, std::array<T *, N> &into)
{
    for (size_t i = 0; i < N; ++i)
        into[i] = named<T>(w, prefix, int(i));
}
} // namespace

MainControls::MainControls(QWidget *w)
{
#define NUMBLOOM_FIND(name) name = named<std::remove_pointer_t<decltype(name)>>(w, QStringLiteral(#name))
    NUMBLOOM_FIND(lbltitle);
    NUMBLOOM_FIND(fraMode);
    NUMBLOOM_FIND(fraFactor);
    NUMBLOOM_FIND(fraStudy);
    NUMBLOOM_FIND(fraMax);
    NUMBLOOM_FIND(fraChoice);
    NUMBLOOM_FIND(fraPractice);
    NUMBLOOM_FIND(fraTimer);
    NUMBLOOM_FIND(fraDelay);
    NUMBLOOM_FIND(Label1);
    NUMBLOOM_FIND(cmdPrintFacts);
    NUMBLOOM_FIND(lblMax);
    NUMBLOOM_FIND(updMax);
    NUMBLOOM_FIND(picFactor);
    NUMBLOOM_FIND(picPractice);
    NUMBLOOM_FIND(cmdInfo);
    NUMBLOOM_FIND(cmdHelp);
    NUMBLOOM_FIND(cmdExit);
    NUMBLOOM_FIND(lblStart);
    NUMBLOOM_FIND(lblPrint);
    NUMBLOOM_FIND(cmdStart);
    NUMBLOOM_FIND(cmdPrint);
    NUMBLOOM_FIND(lblTimer);
    NUMBLOOM_FIND(spnTimer);
    NUMBLOOM_FIND(lblDelay);
    NUMBLOOM_FIND(hsbDelay);
    NUMBLOOM_FIND(lblProblem);
    NUMBLOOM_FIND(lblWrong);
    NUMBLOOM_FIND(fraKey);
    NUMBLOOM_FIND(fraResults);
    NUMBLOOM_FIND(fraReview);
    NUMBLOOM_FIND(cmdResults);
    NUMBLOOM_FIND(imgResults);
    NUMBLOOM_FIND(cmdRevNext);
    NUMBLOOM_FIND(cmdRevStop);
#undef NUMBLOOM_FIND
    children(w, "optMode", optMode);
    children(w, "optFactor", optFactor);
    children(w, "optTimer", optTimer);
    children(w, "lblKey", lblKey);
    children(w, "lblResults", lblResults);
}
