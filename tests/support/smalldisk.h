// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small file system of its own: a tmpfs mounted over a temporary folder,
// so that a test can fill it and see what a full disk does to a save. Only
// root may mount; elsewhere mounted() is false and why() says so.
#include <QString>
#include <QTemporaryDir>

class SmallDisk
{
public:
    explicit SmallDisk(qint64 bytes = 512 * 1024);
    ~SmallDisk();
    bool mounted() const { return m_mounted; }
    QString why() const { return m_why; }
    QString path() const { return m_dir.path(); }
    // Takes up all the room but about leave bytes, with one file that the
    // test never looks at.
    bool fill(qint64 leave = 0);
    // From now on nothing on it can be written, not even by root.
    bool makeReadOnly();
    // Every file the disk holds, but the filler.
    QStringList files() const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_why;
};
