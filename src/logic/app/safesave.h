// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file a family keeps (the settings, a CSV of answers) is written whole or
// not at all: a full disk, a quota or a folder that cannot be written leaves
// the old file exactly as it was.
#include <QByteArray>
#include <QString>

// Writes bytes to path through a temporary file renamed over it once every
// byte is on the disk; false with the system's reason otherwise.
bool saveWhole(const QString &path, const QByteArray &bytes, QString *error);

// text as the name of a file in a folder: characters a file name cannot
// hold, or that some file systems refuse (a slash would even lead into
// another folder), become "_"; never empty, never hidden.
QString fileNameFrom(const QString &text);
