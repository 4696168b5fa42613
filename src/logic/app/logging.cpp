// SPDX-License-Identifier: GPL-3.0-or-later
#include "logging.h"

Q_LOGGING_CATEGORY(lcRecord, "numbloom.record", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSound, "numbloom.sound", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPrint, "numbloom.print", QtWarningMsg)
Q_LOGGING_CATEGORY(lcModules, "numbloom.modules", QtWarningMsg)
