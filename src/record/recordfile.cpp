// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordfile.h"

#include "app/logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QtEndian>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSysInfo>
#include <QThread>
#include <QUuid>
#include <cerrno>
#include <cstring>
#include <utility>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace {

struct Record
{
    Q_DECLARE_TR_FUNCTIONS(Record)
};

// SQLite's primary result codes.
constexpr int SqlitePerm = 3, SqliteBusy = 5, SqliteLocked = 6, SqliteReadOnly = 8, SqliteCorrupt = 11,
              SqliteFull = 13, SqliteCantOpen = 14, SqliteAuth = 23, SqliteNotADb = 26;
// Opening waits up to about a minute for another copy that holds the file.
constexpr int OpenAttempts = 50;
// A session waits this long for another computer's copy to finish its write.
constexpr int LockWaitMs = 3000;
// Our lock is held for a moment at a time; one unchanged for this long was
// left by a copy that stopped, or a computer that went off, while holding it.
constexpr int StaleLockMs = 30000;

// Each version's step from the one before; version 0 is a new, empty file.
const char *const Migrations[RecordSchemaVersion][9] = {
    {
        "CREATE TABLE children(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE,"
        " time_limit_ms INTEGER NOT NULL DEFAULT 6000, created TEXT NOT NULL)",
        "CREATE TABLE drills(id INTEGER PRIMARY KEY,"
        " child_id INTEGER NOT NULL REFERENCES children(id) ON DELETE CASCADE,"
        " started TEXT NOT NULL, ended TEXT, factor INTEGER NOT NULL, max_multiplier INTEGER NOT NULL,"
        " clock_mode INTEGER NOT NULL, clock_seconds INTEGER NOT NULL)",
        "CREATE TABLE answer_rows(id INTEGER PRIMARY KEY,"
        " child_id INTEGER NOT NULL REFERENCES children(id) ON DELETE CASCADE,"
        " drill_id INTEGER REFERENCES drills(id) ON DELETE CASCADE, at TEXT NOT NULL,"
        " operand1 INTEGER NOT NULL, operand2 INTEGER NOT NULL, given INTEGER NOT NULL,"
        " correct INTEGER NOT NULL, ms INTEGER NOT NULL)",
        "CREATE INDEX answer_rows_fact ON answer_rows(child_id, operand1, operand2, id)",
        "CREATE INDEX drills_child ON drills(child_id)",
        "CREATE TABLE state(key TEXT PRIMARY KEY, value)",
        // What a parent or teacher reads with any SQLite tool.
        "CREATE VIEW answers AS SELECT c.name AS child, a.at, a.operand1, a.operand2, a.given,"
        " a.correct, a.ms, a.drill_id AS drill FROM answer_rows a JOIN children c ON c.id = a.child_id",
        nullptr,
    },
    {
        // The file says it is ours, so that another program's file is never
        // taken for a record and written into.
        "PRAGMA application_id = 1315073133",
        "ALTER TABLE children ADD COLUMN read_aloud INTEGER NOT NULL DEFAULT 0",
        nullptr,
    },
};
static_assert(RecordApplicationId == 1315073133);

RecordProblem problemOf(int code)
{
    switch (code) {
    case SqliteFull: return RecordProblem::DiskFull;
    case SqliteBusy:
    case SqliteLocked: return RecordProblem::Busy;
    case SqlitePerm:
    case SqliteReadOnly:
    case SqliteCantOpen:
    case SqliteAuth: return RecordProblem::CannotWrite;
    case SqliteCorrupt:
    case SqliteNotADb: return RecordProblem::Damaged;
    default: return RecordProblem::Other;
    }
}

RecordProblem problemOfErrno(int e)
{
    switch (e) {
    case ENOSPC:
    case EDQUOT: return RecordProblem::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS: return RecordProblem::CannotWrite;
    case ENOENT:
    case ENOTDIR: return RecordProblem::NoFolder;
    default: return RecordProblem::Other;
    }
}

// A name for the kept-aside file that nothing has taken yet.
QString asideName(const QString &path, const QDate &day)
{
    const QString base = path + QStringLiteral(".damaged-") + day.toString(Qt::ISODate);
    QString name = base;
    for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = base + QLatin1Char('-') + QString::number(n);
    return name;
}

// The file's own header, without the journal beside it: application_id at
// byte 68, user_version at byte 60, both big-endian.
bool headerSaysOurs(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray h = f.read(100);
    if (h.size() < 100 || !h.startsWith("SQLite format 3"))
        return false;
    auto word = [&h](int at) { return qFromBigEndian<qint32>(h.constData() + at); };
    return word(68) == RecordApplicationId || (word(68) == 0 && word(60) == 1);
}

QByteArray readLock(const QByteArray &path)
{
    QFile f(QFile::decodeName(path));
    return f.open(QIODevice::ReadOnly) ? f.read(512) : QByteArray();
}

} // namespace

QString problemWords(RecordProblem problem)
{
    switch (problem) {
    case RecordProblem::DiskFull: return Record::tr("the disk is full");
    case RecordProblem::CannotWrite: return Record::tr("its folder cannot be written");
    case RecordProblem::NoFolder: return Record::tr("its folder is missing and cannot be made");
    case RecordProblem::CannotRead: return Record::tr("its permissions do not let Numbloom read it");
    case RecordProblem::NotAFile: return Record::tr("something that is not a file has its name");
    case RecordProblem::Busy: return Record::tr("another program or another computer is using it");
    case RecordProblem::NoHome: return Record::tr("there is no home folder to keep it in");
    case RecordProblem::Damaged: return Record::tr("it is damaged");
    case RecordProblem::Foreign: return Record::tr("it was made by another program");
    case RecordProblem::ForeignJournal: return Record::tr("another program's file beside it would have changed it");
    case RecordProblem::ReadOnlyFile: return Record::tr("the file is read-only");
    case RecordProblem::Newer: return Record::tr("it was written by a newer Numbloom");
    case RecordProblem::None:
    case RecordProblem::Other: break;
    }
    return Record::tr("it could not be written");
}

bool isNetworkFolder(const QString &folder)
{
    // The nearest folder that exists: the record's own may not be made yet.
    QString at = folder;
    while (!at.isEmpty() && !QFileInfo::exists(at) && at != QStringLiteral("/"))
        at = QFileInfo(at).absolutePath();
    struct statfs fs = {};
    if (at.isEmpty() || ::statfs(QFile::encodeName(at).constData(), &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case 0x6969: // NFS
    case 0x517B: // SMB
    case 0xFF534D42: // CIFS
    case 0xFE534D42: // SMB2
    case 0x65735546: // FUSE: SSHFS, and any file system a program serves
    case 0x01021997: // 9P
    case 0x5346414F: // AFS
    case 0x6B414653: // kAFS
    case 0x00C36400: // Ceph
    case 0x73757245: // Coda
    case 0x564C: // NCP
    case 0x0BD00BD0: // Lustre
    case 0x01161970: // GFS2
    case 0x7461636F: // OCFS2
        return true;
    default:
        return false;
    }
}

RecordFile::RecordFile() : m_name(QStringLiteral("numbloom-record-%1").arg(quintptr(this))) {}

RecordFile::~RecordFile() { close(); }

QString RecordFile::defaultPath()
{
    // The XDG rules ignore a relative XDG_DATA_HOME; without HOME there is
    // nowhere of the user's own to keep the record.
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(base)) {
        const QString home = qEnvironmentVariable("HOME");
        if (!QDir::isAbsolutePath(home))
            return {};
        base = home + QStringLiteral("/.local/share");
    }
    return QDir::cleanPath(base + QStringLiteral("/numbloom/progress.sqlite"));
}

void RecordFile::fail(RecordProblem problem, const QString &reason)
{
    m_problem = problem;
    m_reason = reason;
    m_code = 0;
}

RecordFile::Write RecordFile::failed(const QSqlError &e)
{
    m_reason = e.text();
    m_code = e.nativeErrorCode().toInt() & 0xff; // the primary code of an extended one
    m_problem = problemOf(m_code);
    qCWarning(lcRecord) << "record" << m_path << "failed:" << m_reason;
    switch (m_problem) {
    case RecordProblem::DiskFull: return Write::Full;
    case RecordProblem::Busy: return Write::Busy;
    default: return Write::Failed;
    }
}

QSqlQuery RecordFile::run(const QString &sql, const QVariantList &values, bool *ok) const
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    bool done = q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    done = done && q.exec();
    if (ok)
        *ok = done;
    return q;
}

RecordFile::Write RecordFile::write(const QString &sql, const QVariantList &values, qint64 *id)
{
    bool ok = false;
    QSqlQuery q = run(sql, values, &ok);
    if (!ok)
        return failed(q.lastError());
    if (id)
        *id = q.lastInsertId().toLongLong();
    return Write::Ok;
}

RecordFile::Write RecordFile::transaction(const std::function<Write()> &work)
{
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failed(q.lastError());
    Write w = work();
    if (w == Write::Ok) {
        if (q.exec(QStringLiteral("COMMIT")))
            return Write::Ok;
        w = failed(q.lastError());
    }
    q.exec(QStringLiteral("ROLLBACK"));
    return w;
}

void RecordFile::close()
{
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
}

bool RecordFile::connect(bool readOnly)
{
    close();
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    m_db.setDatabaseName(m_path);
    // Two copies of the program may write at once: one waits a moment for
    // the other. A longer hold is waited out by the answers' queue instead.
    m_db.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000;QSQLITE_OPEN_READONLY")
                                    : QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
    if (!m_db.open()) {
        failed(m_db.lastError());
        return false;
    }
    if (readOnly)
        return true;
    // WAL: a reader never blocks the writer, and a kill at any moment leaves
    // every committed answer; but it needs memory shared between the copies,
    // which computers sharing a network folder do not have, so there the
    // journal is the classic one. FULL: each answer is on the disk when its
    // transaction ends, so a power cut loses at most the one being written.
    const QString journal = m_network ? QStringLiteral("PRAGMA journal_mode = DELETE")
                                      : QStringLiteral("PRAGMA journal_mode = WAL");
    QSqlQuery q(m_db);
    for (const QString &pragma : {QStringLiteral("PRAGMA foreign_keys = ON"), journal,
                                  QStringLiteral("PRAGMA synchronous = FULL")}) {
        if (!q.exec(pragma)) {
            failed(q.lastError());
            close();
            return false;
        }
    }
    return true;
}

RecordFile::Opened RecordFile::open(const QString &path, const QDateTime &now)
{
    m_path = path;
    m_ready = false;
    m_movedTo.clear();
    fail(RecordProblem::None, {});
    if (path.isEmpty()) {
        fail(RecordProblem::NoHome, {});
        return Opened::Failed;
    }
    const QFileInfo info(path);
    errno = 0;
    if (!QDir().mkpath(info.absolutePath())) {
        const int why = errno;
        fail(QFileInfo::exists(info.absolutePath()) ? problemOfErrno(why) : RecordProblem::NoFolder,
             QString::fromLocal8Bit(strerror(why)));
        return Opened::Failed;
    }
    m_network = isNetworkFolder(info.absolutePath());
    // A second copy making the file at this moment holds it for a moment
    // longer than the busy timeout covers.
    for (int attempt = 0;; ++attempt) {
        const Opened o = openOnce(now);
        if (o != Opened::Failed || m_problem != RecordProblem::Busy || attempt == OpenAttempts) {
            m_ready = o == Opened::Ready || o == Opened::Replaced;
            if (o == Opened::Failed)
                qCWarning(lcRecord) << "record" << path << "not opened:" << problemWords(m_problem) << m_reason;
            return o;
        }
        QThread::msleep(100);
    }
}

RecordFile::Opened RecordFile::openOnce(const QDateTime &now)
{
    const QFileInfo info(m_path);
    if (info.exists() && !info.isFile()) {
        fail(RecordProblem::NotAFile, {});
        return Opened::Failed;
    }
    // Permissions are no damage: the file stays as it is. SQLite would open
    // a read-only file and fail only at the first answer.
    if (info.exists() && (!info.isReadable() || !info.isWritable())) {
        fail(!info.isReadable()                           ? RecordProblem::CannotRead
             : QFileInfo(info.absolutePath()).isWritable() ? RecordProblem::ReadOnlyFile
                                                           : RecordProblem::CannotWrite,
             {});
        return Opened::Failed;
    }
    Session session(*this);
    if (m_network && !session)
        return Opened::Failed;
    const Verdict verdict = inspect();
    close();
    Opened opened = Opened::Ready;
    switch (verdict) {
    case Verdict::Empty:
    case Verdict::Ours:
        break;
    case Verdict::Newer:
        fail(RecordProblem::Newer, {});
        return Opened::Newer;
    case Verdict::Failed:
        return Opened::Failed;
    case Verdict::Damaged:
    case Verdict::Foreign:
        if (!setAside(now))
            return Opened::Failed;
        opened = Opened::Replaced;
        break;
    }
    if (!connect() || !migrate()) {
        close();
        return Opened::Failed;
    }
    if (m_network)
        close(); // each session opens it afresh
    return opened;
}

RecordFile::Verdict RecordFile::inspect()
{
    if (QFileInfo(m_path).size() == 0)
        return Verdict::Empty;
    // Read only, so that a file that turns out not to be ours, or its
    // journal, is kept aside exactly as it was found.
    auto broken = [this] {
        return m_problem == RecordProblem::Damaged ? Verdict::Damaged : Verdict::Failed;
    };
    if (!connect(true))
        return broken();
    QSqlQuery q(m_db);
    int id = 0, version = 0;
    if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next()) {
        failed(q.lastError());
        return broken();
    }
    id = q.value(0).toInt();
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        failed(q.lastError());
        return broken();
    }
    version = q.value(0).toInt();
    QStringList names;
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master"))) {
        failed(q.lastError());
        return broken();
    }
    while (q.next())
        names << q.value(0).toString();
    const bool ourTables = names.contains(QStringLiteral("children")) && names.contains(QStringLiteral("answer_rows"))
                           && names.contains(QStringLiteral("drills"));
    if (id == 0 && version == 0 && names.isEmpty())
        return Verdict::Empty;
    // Before the file said it was ours (version 1), our tables tell.
    const bool ours = id == RecordApplicationId || (id == 0 && version == 1 && ourTables);
    if (!ours) {
        // Read as SQLite reads it, through a journal beside it: when the file's
        // own first page says it is ours, the journal is the stranger.
        fail(headerSaysOurs(m_path) ? RecordProblem::ForeignJournal : RecordProblem::Foreign, {});
        qCWarning(lcRecord) << "record" << m_path << "is not ours: application_id" << id << "user_version" << version;
        return Verdict::Foreign;
    }
    if (version > RecordSchemaVersion)
        return Verdict::Newer;
    // A journal left beside the file may be another database's, which SQLite
    // would read as ours: the full check compares every index with its table.
    const bool journalLeft = QFileInfo(m_path + QStringLiteral("-wal")).size() > 0;
    const QString check = journalLeft ? QStringLiteral("PRAGMA integrity_check(1)") : QStringLiteral("PRAGMA quick_check(1)");
    if (!q.exec(check) || !q.next()) {
        failed(q.lastError());
        return broken();
    }
    if (!ourTables || q.value(0).toString() != QLatin1String("ok")) {
        fail(RecordProblem::Damaged, q.value(0).toString());
        return Verdict::Damaged;
    }
    return Verdict::Ours;
}

bool RecordFile::setAside(const QDateTime &now)
{
    const RecordProblem why = m_problem;
    const QString reason = m_reason;
    // Kept whole, with its journals, so that nothing of it is lost and the
    // new file does not take up the old journal.
    const QString aside = asideName(m_path, now.toLocalTime().date());
    if (!QFile::rename(m_path, aside)) {
        fail(problemOfErrno(errno), QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    for (const char *suffix : {"-wal", "-journal", "-shm"})
        if (QFileInfo::exists(m_path + QLatin1String(suffix)))
            QFile::rename(m_path + QLatin1String(suffix), aside + QLatin1String(suffix));
    m_movedTo = aside;
    m_problem = why;
    m_reason = reason;
    qCWarning(lcRecord) << "record" << m_path << "kept aside as" << aside << ":" << problemWords(why) << reason;
    return true;
}

bool RecordFile::migrate()
{
    // One copy of the program brings the schema up at a time.
    return transaction([this] {
               QSqlQuery q(m_db);
               int version = 0;
               if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
                   version = q.value(0).toInt();
               for (; version < RecordSchemaVersion; ++version) {
                   for (const char *const *step = Migrations[version]; *step; ++step)
                       if (!q.exec(QString::fromLatin1(*step)))
                           return failed(q.lastError());
                   if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version + 1)))
                       return failed(q.lastError());
               }
               return Write::Ok;
           })
           == Write::Ok;
}

// ------------------------------------------------ sessions and the lock file

RecordFile::Session::Session(RecordFile &file) : m_file(file)
{
    if (!file.m_network) {
        m_ok = file.isOpen();
        return;
    }
    m_held = true;
    if (file.m_sessions++ == 0)
        file.m_locked = file.lock();
    m_ok = file.m_locked;
    if (m_ok)
        file.refreshFromServer();
    // Opening makes its own connections; afterwards each session connects.
    if (m_ok && file.m_ready && !file.isOpen())
        m_ok = file.connect();
}

RecordFile::Session::~Session()
{
    if (!m_held || --m_file.m_sessions > 0)
        return;
    m_file.close();
    if (std::exchange(m_file.m_locked, false))
        m_file.unlock();
}

bool RecordFile::lock()
{
    const QByteArray path = QFile::encodeName(m_path + QStringLiteral(".lock"));
    const QByteArray mine = (QSysInfo::machineHostName() + QLatin1Char(' ') + QString::number(getpid())
                             + QLatin1Char(' ') + QUuid::createUuid().toString(QUuid::WithoutBraces))
                                .toUtf8();
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        // O_EXCL makes the file on the server or fails: the one lock that
        // NFS and SFTP keep between computers.
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            const bool written = ::write(fd, mine.constData(), size_t(mine.size())) == mine.size();
            ::close(fd);
            if (written) {
                m_seenLock = mine;
                return true;
            }
            ::unlink(path.constData());
            fail(RecordProblem::DiskFull, QString::fromLocal8Bit(strerror(errno)));
            return false;
        }
        // SFTP has no word for "exists": SSHFS says EPERM for a lock that is
        // held, as for a folder that cannot be written. Which one it was
        // shows once the wait is over.
        const int why = errno;
        if (why != EEXIST && why != EPERM && why != EACCES) {
            fail(problemOfErrno(why), QString::fromLocal8Bit(strerror(why)));
            return false;
        }
        // Held. The other computer's clock may be anything, so a lock is
        // judged stale by how long it has looked the same from here.
        const QByteArray held = readLock(path);
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        if (held != m_seenLock) {
            m_seenLock = held;
            m_seenSince = now;
        } else if (now - m_seenSince > StaleLockMs) {
            // Moved away before it is removed, so that of two copies breaking
            // it at once only one does; put back if it changed meanwhile.
            const QByteArray stale = path + ".stale-" + QUuid::createUuid().toString(QUuid::Id128).toLatin1();
            if (::rename(path.constData(), stale.constData()) == 0) {
                if (readLock(stale) != held && ::link(stale.constData(), path.constData()) != 0)
                    qCWarning(lcRecord) << "record lock changed while it was broken";
                ::unlink(stale.constData());
                qCWarning(lcRecord) << "record lock left by a stopped copy removed:" << held;
            }
            m_seenSince = now;
            continue;
        }
        if (waited.elapsed() > LockWaitMs) {
            if (why != EEXIST && held.isEmpty() && !QFileInfo::exists(QFile::decodeName(path)))
                fail(problemOfErrno(why), QString::fromLocal8Bit(strerror(why)));
            else
                fail(RecordProblem::Busy, Record::tr("Another computer is writing to the record."));
            return false;
        }
        QThread::msleep(50);
    }
}

void RecordFile::refreshFromServer()
{
    // SSHFS keeps a file's size and whether it exists for up to 20 seconds
    // and reads no further than the size it has: SQLite would read the file
    // as it was before another computer's last write, and write over it.
    // Setting a file's mode goes to the server and makes SSHFS and the kernel
    // ask again. (NFS asks again at every open by itself.)
    for (const QString &p : {m_path, m_path + QStringLiteral("-journal")}) {
        const QByteArray name = QFile::encodeName(p);
        struct stat st = {};
        if (::stat(name.constData(), &st) == 0)
            ::chmod(name.constData(), st.st_mode & 07777);
    }
}

void RecordFile::unlock()
{
    const QByteArray path = QFile::encodeName(m_path + QStringLiteral(".lock"));
    // Only our own: a copy that judged ours stale may hold it now.
    if (readLock(path) == m_seenLock)
        ::unlink(path.constData());
    m_seenLock.clear();
    m_seenSince = 0;
}
