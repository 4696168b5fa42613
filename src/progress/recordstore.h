#pragma once
// The SQLite file that keeps every child's answers, through Qt SQL, used from
// one thread. Every value reaches SQL as a bound parameter. SqliteRecord runs
// one of these on a thread of its own; the tests and the benchmark use it
// directly.
#include "childrecord.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>

class QSqlError;
#include <QString>

// The schema's version, kept in PRAGMA user_version; a file from a newer
// program is left alone.
constexpr int RecordSchemaVersion = 1;

class RecordStore
{
public:
    enum class Opened {
        Ready,
        // The file could not be read as a record; it was kept aside and a new
        // one started (movedTo says where).
        Replaced,
        // Written by a newer Numbloom: left untouched.
        Newer,
        // Neither the file nor a new one could be opened (a full disk, a
        // folder that cannot be written).
        Failed,
    };
    // A failed write: ok, the disk or its quota is full, or anything else.
    enum class Write { Ok, Full, Failed };

    RecordStore();
    ~RecordStore();
    RecordStore(const RecordStore &) = delete;
    RecordStore &operator=(const RecordStore &) = delete;

    // Opens (or makes) the file and brings its schema up to date; the first
    // child is made from the desktop user when there is none.
    Opened open(const QString &path, const QDateTime &now);
    QString movedTo() const { return m_movedTo; }
    QString lastError() const { return m_error; }
    bool isOpen() const { return m_db.isOpen(); }

    Child current() const { return child(m_current); }
    // The child with the id; id 0 when there is none.
    Child child(qint64 id) const;
    QVector<Child> children() const;
    bool choose(qint64 child);
    bool add(const QString &name, const QDateTime &now, QString *error, qint64 *id = nullptr);
    bool rename(qint64 child, const QString &name, QString *error);
    bool remove(qint64 child, QString *error);
    int answerCount(qint64 child) const;
    bool setTimeLimit(qint64 child, int ms);

    // The drill in progress is the one the answers that follow belong to.
    Write beginDrill(const DrillStart &drill);
    Write addAnswer(const JudgedAnswer &answer);
    Write endDrill(const QDateTime &at);

    ChildSummary summary(qint64 child, const QDate &today, int days) const;
    bool exportCsv(qint64 child, const QString &path, QString *error) const;

private:
    enum class Verdict { Usable, Newer, Damaged, Failed };
    Opened openOnce(const QString &path, const QDateTime &now);
    Verdict inspect(const QString &path);
    void failed(const QSqlError &e);
    bool connect(const QString &path);
    void close();
    bool migrate();
    bool ensureChild(const QDateTime &now);
    // A prepared statement with its values bound, run; *ok says whether it ran.
    QSqlQuery run(const QString &sql, const QVariantList &values = {}, bool *ok = nullptr) const;
    Write write(const QString &sql, const QVariantList &values, qint64 *id = nullptr);
    qint64 firstChild() const;
    // The name as kept, or empty with the reason when it is too long, too
    // short, or another child's (not other's).
    QString checkedName(const QString &typed, qint64 other, QString *error) const;

    QString m_name; // the connection's name, one per store
    QSqlDatabase m_db;
    QString m_movedTo;
    QString m_error;
    int m_code = 0; // SQLite's code for m_error
    qint64 m_current = 0;
    qint64 m_drill = 0;
};

// A child's name as kept: trimmed; empty when it is not 1-40 characters.
QString childName(const QString &typed);
// The first word of the desktop user's real name, else the login name.
QString desktopUserName();
// One CSV field, quoted when it has to be.
QString csvField(const QString &value);
