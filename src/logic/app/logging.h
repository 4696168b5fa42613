// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a developer looks when something failed quietly for the family's
// sake: a record write, a module that would not load, a print job, a sound.
// Warnings show by default; QT_LOGGING_RULES="numbloom.*.debug=true" shows more.
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcRecord)
Q_DECLARE_LOGGING_CATEGORY(lcSound)
Q_DECLARE_LOGGING_CATEGORY(lcPrint)
Q_DECLARE_LOGGING_CATEGORY(lcModules)
