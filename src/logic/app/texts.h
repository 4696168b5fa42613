// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Translation contexts for the code that has no QObject of its own: each
// gives Name::tr(), and lupdate files the texts under Name.
#include <QCoreApplication>

struct Printing
{
    Q_DECLARE_TR_FUNCTIONS(Printing)
};

struct Summary
{
    Q_DECLARE_TR_FUNCTIONS(Summary)
};

struct Format
{
    Q_DECLARE_TR_FUNCTIONS(Format)
};

struct Help
{
    Q_DECLARE_TR_FUNCTIONS(Help)
};
