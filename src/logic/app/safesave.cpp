// SPDX-License-Identifier: GPL-3.0-or-later
#include "safesave.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

bool saveWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    QSaveFile f(path);
    // Unbuffered, so that a full disk fails the write itself. Buffered, the
    // bytes wait in Qt's buffer, the real write fails inside commit(), and
    // Qt 6.4 still renames the empty temporary file over the good one.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(f.errorString());
    // A write that stops part-way (a quota, a size limit) returns short with
    // no reason; the next one for the rest fails with it.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = f.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0 || f.error() != QFileDevice::NoError)
            return fail(f.errorString()); // leaving without commit() removes the temporary file
        done += n;
    }
    // commit() syncs to disk but ignores a failure there, which is where a
    // network file system tells that it is full.
    if (f.handle() >= 0 && ::fsync(f.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return fail(QString::fromLocal8Bit(strerror(errno)));
    if (!f.commit())
        return fail(f.errorString());
    return true;
}

QString fileNameFrom(const QString &text)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    QString name;
    for (QChar c : text)
        name += refused.contains(c) || c.category() == QChar::Other_Control ? QLatin1Char('_') : c;
    // A leading dot hides the file; Windows drops trailing dots and blanks.
    while (name.startsWith(QLatin1Char('.')) || name.startsWith(QLatin1Char(' ')))
        name.remove(0, 1);
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name.isEmpty() ? QStringLiteral("Numbloom") : name;
}
