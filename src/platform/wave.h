#pragma once
#include <QByteArray>
#include <QString>

// Length in milliseconds of a PCM wave file from its header; -1 when the file
// is missing or not a wave file we can read.
int waveLengthMs(const QString &path);
int waveLengthMs(const QByteArray &bytes);
