#include "translation.h"

#include "format.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// "pt_BR", then "pt", then any other "pt_..." there is: a Portuguese child
// reads Brazilian Portuguese far better than English.
QStringList candidates(const QString &tag, const QString &folder)
{
    QString name = tag;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    QStringList out{name};
    if (language != name)
        out << language;
    const QStringList others =
        QDir(folder).entryList({QStringLiteral("numbloom_%1_*.qm").arg(language)}, QDir::Files, QDir::Name);
    for (const QString &f : others)
        out << f.mid(9, f.size() - 12); // between "numbloom_" and ".qm"
    out.removeDuplicates();
    return out;
}

bool loadInto(QCoreApplication &app, const QString &file, const QString &folder)
{
    auto *t = new QTranslator(&app);
    // No "_" stripping: numbloom_ru must not fall back to some other file.
    if (t->load(file, folder, QStringLiteral("#")) && QCoreApplication::installTranslator(t))
        return true;
    delete t;
    return false;
}

} // namespace

QString loadTranslation(QCoreApplication &app, const QString &folder, const QStringList &languages,
                        const QString &qtFolder)
{
    for (const QString &tag : languages) {
        if (tag.startsWith(QLatin1String("en"), Qt::CaseInsensitive)
            && (tag.size() == 2 || tag.at(2) == QLatin1Char('-') || tag.at(2) == QLatin1Char('_')))
            return QString();
        for (const QString &name : candidates(tag, folder)) {
            if (!loadInto(app, QStringLiteral("numbloom_") + name, folder))
                continue;
            // Qt's own texts (the buttons of message boxes) in the same language.
            if (!loadInto(app, QStringLiteral("qtbase_") + name, qtFolder))
                loadInto(app, QStringLiteral("qtbase_") + name.section(QLatin1Char('_'), 0, 0), qtFolder);
            // Decimals as the user's own locale writes them when it is of this
            // language (de_CH keeps its point), else as the language does.
            const QLocale system = QLocale::system();
            const QLocale chosen(name);
            setNumberLocale(system.language() == chosen.language() ? system : chosen);
            return name;
        }
    }
    return QString();
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
