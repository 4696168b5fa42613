// SPDX-License-Identifier: GPL-3.0-or-later
#include "smalldisk.h"

#include <QDirIterator>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace {
const QString Filler = QStringLiteral(".filler");
}

SmallDisk::SmallDisk(qint64 bytes)
{
    if (geteuid() != 0) {
        m_why = QStringLiteral("a full disk needs a tmpfs of its own, and only root can mount one");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
    if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                options.constData())
        != 0) {
        m_why = QStringLiteral("mounting a tmpfs failed: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return;
    }
    m_mounted = true;
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

bool SmallDisk::fill(qint64 leave)
{
    QFile f(m_dir.filePath(Filler));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'f');
    while (f.write(block) == block.size()) {
    }
    f.close();
    // tmpfs counts whole pages: giving back "leave" bytes frees that many.
    return leave <= 0 || f.resize(qMax<qint64>(0, f.size() - leave));
}

bool SmallDisk::makeReadOnly()
{
    return m_mounted
           && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr)
                  == 0;
}

QStringList SmallDisk::files() const
{
    QStringList out;
    QDirIterator it(m_dir.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        if (!f.endsWith(QLatin1Char('/') + Filler))
            out << f.mid(m_dir.path().size() + 1);
    }
    return out;
}
