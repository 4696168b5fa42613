// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record's SQLite file itself: where it lives, whether a file found there
// is ours, setting aside one that is not or cannot be read, bringing the
// schema up to date, and keeping another computer's copy out while this one
// works when the file sits on a network file system. The store and the
// reports read and write through it, on the record's thread.
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <functional>

class QSqlError;

// The schema's version, kept in PRAGMA user_version; a file from a newer
// program is left alone.
constexpr int RecordSchemaVersion = 2;
// Kept in PRAGMA application_id, so that a file is known to be ours ("Nblm").
constexpr int RecordApplicationId = 0x4E626C6D;

// Why the file cannot be used or written, as the family is told it.
enum class RecordProblem {
    None,
    Damaged, // SQLite cannot read it as a record
    Foreign, // another program's database
    ForeignJournal, // ours, with another database's journal beside it that would change it
    Newer, // written by a newer Numbloom
    DiskFull,
    CannotWrite, // the folder cannot be written
    ReadOnlyFile, // the file itself cannot be written
    NoFolder, // its folder is missing and cannot be made
    CannotRead, // its permissions keep us from reading it
    NotAFile, // a folder or a device stands where the file should be
    Busy, // another program or another computer holds it
    NoHome, // neither a home folder nor an absolute XDG_DATA_HOME
    Other,
};

// The problem in plain words, to follow "because" or a colon ("the disk is full").
QString problemWords(RecordProblem problem);

class RecordFile
{
public:
    enum class Opened {
        Ready,
        // Damaged or not ours: kept aside, whole, and a new one started.
        Replaced,
        // Written by a newer Numbloom: left untouched.
        Newer,
        // Neither the file nor a new one could be opened; problem() says why.
        Failed,
    };
    enum class Write { Ok, Full, Busy, Failed };

    RecordFile();
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    // numbloom/progress.sqlite in the user's data folder; empty when there is
    // neither an absolute XDG_DATA_HOME nor an absolute HOME, so that nothing
    // is ever made at the root or under the working folder.
    static QString defaultPath();

    Opened open(const QString &path, const QDateTime &now);
    QString path() const { return m_path; }
    QString movedTo() const { return m_movedTo; }
    // Why the file was replaced or could not be opened, or why the last write failed.
    RecordProblem problem() const { return m_problem; }
    // SQLite's or the system's own words for it, for a detail line.
    QString systemReason() const { return m_reason; }
    bool onNetwork() const { return m_network; }
    bool isOpen() const { return m_db.isOpen(); }

    // While a session lives the file may be used. Locally the connection
    // stays open from open() on and a session costs nothing. On a network
    // file system, where SQLite's locks do not reach the other computers, a
    // session holds our own lock file beside the record and opens the
    // connection afresh, so that it reads what another computer wrote.
    class Session
    {
    public:
        explicit Session(RecordFile &file);
        ~Session();
        Session(const Session &) = delete;
        Session &operator=(const Session &) = delete;
        explicit operator bool() const { return m_ok; }

    private:
        RecordFile &m_file;
        bool m_ok = false;
        bool m_held = false;
    };

    // A prepared statement with its values bound, run; *ok says whether it ran.
    QSqlQuery run(const QString &sql, const QVariantList &values = {}, bool *ok = nullptr) const;
    Write write(const QString &sql, const QVariantList &values = {}, qint64 *id = nullptr);
    // work inside BEGIN IMMEDIATE ... COMMIT; rolled back unless it says Ok.
    Write transaction(const std::function<Write()> &work);
    // Notes a failed statement's reason; what it means for a write.
    Write failed(const QSqlError &e);

private:
    enum class Verdict { Empty, Ours, Newer, Damaged, Foreign, Failed };
    Opened openOnce(const QDateTime &now);
    Verdict inspect();
    bool connect(bool readOnly = false);
    void close();
    bool migrate();
    bool setAside(const QDateTime &now);
    bool lock();
    void unlock();
    void refreshFromServer();
    void fail(RecordProblem problem, const QString &reason);

    QString m_name; // the connection's name, one per file
    QString m_path;
    QSqlDatabase m_db;
    QString m_movedTo;
    RecordProblem m_problem = RecordProblem::None;
    QString m_reason;
    int m_code = 0; // SQLite's primary result code for m_reason
    bool m_network = false;
    bool m_ready = false; // opened, so that sessions may connect
    bool m_locked = false;
    int m_sessions = 0;
    // The lock file's content as first seen held, and when: a lock that has
    // not changed for long was left by a copy that stopped.
    QByteArray m_seenLock;
    qint64 m_seenSince = 0;
};

// Whether the folder is on a file system shared over a network (NFS, SMB,
// SSHFS and other FUSE file systems), where SQLite's WAL must not be used.
bool isNetworkFolder(const QString &folder);
