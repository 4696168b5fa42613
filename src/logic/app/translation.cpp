// SPDX-License-Identifier: GPL-3.0-or-later
#include "translation.h"

#include "format.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>
#include <optional>

namespace {

bool loadInto(QCoreApplication &app, const QString &file, const QString &folder)
{
    auto *t = new QTranslator(&app);
    // No "_" stripping: qtbase_pt_PT must not fall back to some other file.
    if (t->load(file, folder, QStringLiteral("#")) && QCoreApplication::installTranslator(t))
        return true;
    delete t;
    return false;
}

// English keeps the texts of the code, but a count's words ("1 try",
// "2 tries") come from a catalogue of the plural forms alone.
QString english(QCoreApplication &app, const QString &folder)
{
    loadInto(app, QStringLiteral("numbloom_en"), folder);
    return QString();
}

} // namespace

QString loadTranslation(QCoreApplication &app, const QString &folder, const QStringList &languages,
                        const QString &qtFolder)
{
    // The translations there are, by name ("de", "pt_BR"), read once and
    // only when a language other than English is asked for.
    std::optional<QStringList> available;
    for (const QString &tag : languages) {
        QString name = tag;
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = name.section(QLatin1Char('_'), 0, 0);
        if (language.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0)
            return english(app, folder);
        if (!available) {
            available.emplace();
            for (const QString &f : QDir(folder).entryList({QStringLiteral("numbloom_*.qm")}, QDir::Files))
                *available << f.mid(9, f.size() - 12); // between "numbloom_" and ".qm"
            available->sort();
        }
        // "pt_BR", then "pt", then any other "pt_..." there is: a Portuguese
        // child reads Brazilian Portuguese far better than English.
        QStringList candidates{name, language};
        for (const QString &a : *available)
            if (a.startsWith(language + QLatin1Char('_')))
                candidates << a;
        for (const QString &chosen : candidates) {
            if (!available->contains(chosen) || !loadInto(app, QStringLiteral("numbloom_") + chosen, folder))
                continue;
            // Qt's own texts (the buttons of message boxes) in the same language.
            if (!loadInto(app, QStringLiteral("qtbase_") + chosen, qtFolder))
                loadInto(app, QStringLiteral("qtbase_") + chosen.section(QLatin1Char('_'), 0, 0), qtFolder);
            // Decimals as the user's own locale writes them when it is of this
            // language (de_CH keeps its point), else as the language does.
            const QLocale system = QLocale::system();
            const QLocale locale(chosen);
            setNumberLocale(system.language() == locale.language() ? system : locale);
            return chosen;
        }
    }
    return english(app, folder);
}

QString helpFileFor(const QString &appDir, const QString &language)
{
    if (!language.isEmpty()) {
        for (const QString &name : {language, language.section(QLatin1Char('_'), 0, 0)}) {
            const QString path = appDir + QStringLiteral("kwizzo_%1.hlp").arg(name);
            if (QFileInfo::exists(path))
                return path;
        }
    }
    return appDir + QStringLiteral("kwizzo.hlp");
}
