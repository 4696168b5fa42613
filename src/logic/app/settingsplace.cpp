// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace {
const QString FileName = QStringLiteral("kwizzo.ini");
}

SettingsPlace settingsPlace(const QString &appDir, bool appDirWritable, const QString &userConfigDir)
{
    const QString beside = QDir(appDir).filePath(FileName);
    if (appDirWritable)
        return {beside, beside};
    if (userConfigDir.isEmpty())
        return {beside, QString()};
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
    // Qt falls back to the root folder when HOME is unset, and would keep the
    // settings in /.config, where no later run looks; Qt 6.4 also takes a
    // relative XDG_CONFIG_HOME, which moves with the current folder. Only an
    // absolute XDG_CONFIG_HOME, or a home folder that is there, will do.
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(xdg))
        return QDir::cleanPath(xdg) + QStringLiteral("/numbloom");
    const QString home = qEnvironmentVariable("HOME");
    if (!QDir::isAbsolutePath(home) || QDir::cleanPath(home) == QDir::rootPath() || !QFileInfo(home).isDir())
        return QString();
    return QDir::cleanPath(home) + QStringLiteral("/.config/numbloom");
}

bool makeFolder(const QString &dir, QString *error)
{
    // std::filesystem keeps the system's reason, which QDir::mkpath drops.
    std::error_code why;
    std::filesystem::create_directories(std::filesystem::path(dir.toStdString()), why);
    if (!why || QFileInfo(dir).isDir())
        return true;
    if (error)
        *error = QString::fromLocal8Bit(why.message());
    return false;
}
