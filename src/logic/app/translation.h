// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program in the user's language: its own translation and Qt's, chosen
// from the desktop's list of preferred languages, and the help file to match.
#include <QString>
#include <QStringList>

class QCoreApplication;

// Goes through languages in the user's order (as QLocale::uiLanguages gives
// them: "de-DE", "pt-BR", "C", ...). The first that is English, or that has a
// translation numbloom_<language>.qm in folder, decides: English keeps the
// program's own texts, with its plural forms from numbloom_en.qm (also when
// no language of the list is there). Loads that translation and Qt's for the same language,
// sets the locale numbers are written in, and returns the language of the file
// loaded ("de", "pt_BR"), or an empty string for English.
QString loadTranslation(QCoreApplication &app, const QString &folder, const QStringList &languages,
                        const QString &qtFolder);

// The help file for a language: kwizzo_<language>.hlp in appDir when it is
// there (then kwizzo_<language without territory>.hlp), else kwizzo.hlp.
QString helpFileFor(const QString &appDir, const QString &language);
