#include "settingsplace.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
const QString FileName = QStringLiteral("kwizzo.ini");
}

SettingsPlace settingsPlace(const QString &appDir, bool appDirWritable, const QString &userConfigDir)
{
    const QString beside = QDir(appDir).filePath(FileName);
    if (appDirWritable)
        return {beside, beside};
    const QString own = QDir(userConfigDir).filePath(FileName);
    return {QFile::exists(own) ? own : beside, own};
}

bool folderIsWritable(const QString &dir)
{
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".numbloom-XXXXXX")));
    return probe.open();
}

QString userConfigFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/numbloom");
}
