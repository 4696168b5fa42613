// SPDX-License-Identifier: GPL-3.0-or-later
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

