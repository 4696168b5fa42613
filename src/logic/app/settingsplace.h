// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where "kwizzo.ini" lives. Beside the program when the user can write there
// (a build folder, a per-user install); otherwise, as after a system-wide
// install, in the user's own configuration folder, starting from the
// program folder's file until the first save.
#include <QString>

struct SettingsPlace
{
    QString readPath;
    QString writePath; // empty when there is nowhere to save
};

// userConfigDir: the folder that takes the file when the program's folder is
// not writable, e.g. ~/.config/numbloom; empty when there is none.
SettingsPlace settingsPlace(const QString &appDir, bool appDirWritable, const QString &userConfigDir);

// Whether a file can be created in the folder, tried for real: permission
// bits say nothing of read-only mounts.
bool folderIsWritable(const QString &dir);

// ~/.config/numbloom; empty without a usable home folder.
QString userConfigFolder();

// Makes the folder and those above it; false with the system's reason.
bool makeFolder(const QString &dir, QString *error);
