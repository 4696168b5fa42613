// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real windows as a test starts and reaches them: the program started
// through its About window, and the main window's controls as the window
// holds them, each made from its row of the layout table.
#include "controls/picturebox.h"
#include "controls/widgets.h"
#include "practice/practicedrill.h"
#include "windows/frmtable.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <array>
#include <memory>

class frmAbout;
class TestProgram;

// A window's control by its object name, the one way tests reach controls. A
// missing control is a broken test setup: it fails loudly at the lookup.
template <class T> T *named(const QWidget *w, const QString &name)
{
    T *c = w->findChild<T *>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}
// Item i of a control array, "name_i".
template <class T> T *named(const QWidget *w, const char *name, int i)
{
    return named<T>(w, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
}

// The real windows started as a user starts them: About, its OK, the main
// window, from a program folder holding the given settings file.
class ChildRecord;

struct StartedProgram
{
    // With a record, the main window shows and hears it as the program's own.
    explicit StartedProgram(const QByteArray &ini, ChildRecord *record = nullptr);
    ~StartedProgram();
    std::unique_ptr<TestProgram> prog;
    std::unique_ptr<frmAbout> about;
    frmTable *main = nullptr;
    int factPictures = 0; // presses that would open the fact picture
};

// The main window's controls, as the window holds them.
inline const MainControls &ui(QWidget *w)
{
    auto *main = qobject_cast<frmTable *>(w);
    if (!main)
        qFatal("not the main window");
    return main->controls();
}

