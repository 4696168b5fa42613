#include "recordstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <utility>
#include <pwd.h>
#include <unistd.h>

namespace {

struct Record
{
    Q_DECLARE_TR_FUNCTIONS(Record)
};

constexpr int NameMaxChars = 40;
// SQLite's result codes: another copy holds the file, it is damaged or no
// database, the disk is full.
constexpr int SqliteBusy = 5, SqliteLocked = 6, SqliteCorrupt = 11, SqliteFull = 13, SqliteNotADb = 26;
// Opening waits up to five seconds for another copy, on top of the busy timeout.
constexpr int OpenAttempts = 50;

// Each version's step from the one before; version 0 is a new, empty file.
const char *const Migrations[RecordSchemaVersion][8] = {
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
};

QString isoUtc(const QDateTime &t) { return t.toUTC().toString(Qt::ISODateWithMs); }

QDateTime fromIso(const QString &s)
{
    QDateTime t = QDateTime::fromString(s, Qt::ISODateWithMs);
    if (!t.isValid())
        t = QDateTime::fromString(s, Qt::ISODate);
    return t;
}

int nativeCode(const QSqlError &e) { return e.nativeErrorCode().toInt(); }

// A name for the kept-aside file that nothing has taken yet.
QString asideName(const QString &path, const QDate &day)
{
    const QString base = path + QStringLiteral(".damaged-") + day.toString(Qt::ISODate);
    QString name = base;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = base + QLatin1Char('-') + QString::number(n);
    return name;
}

} // namespace

QString childName(const QString &typed)
{
    const QString name = typed.trimmed();
    const qsizetype chars = name.toUcs4().size();
    return chars >= 1 && chars <= NameMaxChars ? name : QString();
}

QString desktopUserName()
{
    QStringList names;
    if (const passwd *pw = getpwuid(getuid())) {
        const QString real = QString::fromLocal8Bit(pw->pw_gecos).section(QLatin1Char(','), 0, 0);
        names << real.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty) << QString::fromLocal8Bit(pw->pw_name);
    }
    names << qEnvironmentVariable("USER");
    for (const QString &n : names)
        if (!childName(n).isEmpty())
            return childName(n);
    return Record::tr("Child");
}

QString csvField(const QString &value)
{
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(value.begin(), value.end(), [](QChar c) { return special.contains(c); }))
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QSqlQuery RecordStore::run(const QString &sql, const QVariantList &values, bool *ok) const
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

RecordStore::RecordStore()
    : m_name(QStringLiteral("numbloom-record-%1").arg(quintptr(this)))
{
}

RecordStore::~RecordStore() { close(); }

void RecordStore::close()
{
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
}

bool RecordStore::connect(const QString &path)
{
    close();
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    m_db.setDatabaseName(path);
    // Two copies of the program may write at once; one waits for the other.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!m_db.open()) {
        failed(m_db.lastError());
        return false;
    }
    QSqlQuery q(m_db);
    // WAL: a reader never blocks the writer, and a kill at any moment leaves
    // every committed answer. FULL: each answer is on the disk when its
    // transaction ends, so a power cut loses at most the one being written.
    for (const char *pragma : {"PRAGMA foreign_keys = ON", "PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL"}) {
        if (!q.exec(QString::fromLatin1(pragma))) {
            failed(q.lastError());
            return false;
        }
    }
    return true;
}

RecordStore::Opened RecordStore::open(const QString &path, const QDateTime &now)
{
    // A second copy making the file at this moment holds it for a moment
    // longer than the busy timeout covers.
    for (int attempt = 0;; ++attempt) {
        const Opened o = openOnce(path, now);
        const bool busy = m_code == SqliteBusy || m_code == SqliteLocked;
        if (o != Opened::Failed || !busy || attempt == OpenAttempts)
            return o;
        QThread::msleep(100);
    }
}

void RecordStore::failed(const QSqlError &e)
{
    m_error = e.text();
    m_code = nativeCode(e);
}

RecordStore::Verdict RecordStore::inspect(const QString &path)
{
    if (QFileInfo::exists(path) && !QFileInfo(path).isReadable()) {
        m_error = Record::tr("The file cannot be read.");
        return Verdict::Damaged;
    }
    if (connect(path)) {
        QSqlQuery q(m_db);
        if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next()) {
            if (q.value(0).toInt() > RecordSchemaVersion)
                return Verdict::Newer;
            if (q.exec(QStringLiteral("PRAGMA quick_check")) && q.next()) {
                if (q.value(0).toString() == QLatin1String("ok"))
                    return Verdict::Usable;
                m_error = Record::tr("The file is damaged.");
                return Verdict::Damaged;
            }
        }
        failed(q.lastError());
    }
    // A full disk or a locked file is no damage: the file stays where it is.
    return m_code == SqliteCorrupt || m_code == SqliteNotADb ? Verdict::Damaged : Verdict::Failed;
}

RecordStore::Opened RecordStore::openOnce(const QString &path, const QDateTime &now)
{
    m_movedTo.clear();
    m_code = 0;
    QDir().mkpath(QFileInfo(path).absolutePath());
    switch (inspect(path)) {
    case Verdict::Usable:
        if (migrate() && ensureChild(now))
            return Opened::Ready;
        close();
        return Opened::Failed;
    case Verdict::Newer:
        close();
        return Opened::Newer;
    case Verdict::Failed:
        close();
        return Opened::Failed;
    case Verdict::Damaged:
        break;
    }
    close();
    // Kept aside whole, with its journal, so that nothing of it is lost and
    // the new file does not take up the old journal.
    const QString aside = asideName(path, now.toLocalTime().date());
    if (!QFile::rename(path, aside))
        return Opened::Failed;
    for (const char *suffix : {"-wal", "-shm"})
        if (QFileInfo::exists(path + QLatin1String(suffix)))
            QFile::rename(path + QLatin1String(suffix), aside + QLatin1String(suffix));
    m_movedTo = aside;
    if (connect(path) && migrate() && ensureChild(now))
        return Opened::Replaced;
    close();
    return Opened::Failed;
}

bool RecordStore::migrate()
{
    QSqlQuery q(m_db);
    // One copy of the program brings the schema up at a time.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        failed(q.lastError());
        return false;
    }
    int version = 0;
    if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
        version = q.value(0).toInt();
    bool ok = true;
    for (; ok && version < RecordSchemaVersion; ++version) {
        for (const char *const *step = Migrations[version]; ok && *step; ++step)
            ok = q.exec(QString::fromLatin1(*step));
        ok = ok && q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version + 1));
    }
    if (!ok) {
        failed(q.lastError());
        q.exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return q.exec(QStringLiteral("COMMIT"));
}

qint64 RecordStore::firstChild() const
{
    QSqlQuery q = run(QStringLiteral("SELECT id FROM children ORDER BY id LIMIT 1"));
    return q.next() ? q.value(0).toLongLong() : 0;
}

bool RecordStore::ensureChild(const QDateTime &now)
{
    QSqlQuery q = run(QStringLiteral("SELECT c.id FROM state s JOIN children c ON c.id = s.value WHERE s.key = 'current'"));
    if (q.next()) {
        m_current = q.value(0).toLongLong();
        return true;
    }
    qint64 id = firstChild();
    QString error;
    // A second copy may have made the same child a moment ago.
    if (!id && !add(desktopUserName(), now, &error, &id) && !(id = firstChild())) {
        m_error = error;
        return false;
    }
    return choose(id);
}

Child RecordStore::child(qint64 id) const
{
    QSqlQuery q = run(QStringLiteral("SELECT id, name, time_limit_ms FROM children WHERE id = ?"), {id});
    return q.next() ? Child{q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toInt()} : Child{};
}

QVector<Child> RecordStore::children() const
{
    QVector<Child> list;
    QSqlQuery q = run(QStringLiteral("SELECT id, name, time_limit_ms FROM children ORDER BY name COLLATE NOCASE, id"));
    while (q.next())
        list.append({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toInt()});
    return list;
}

bool RecordStore::choose(qint64 child)
{
    bool ok = false;
    run(QStringLiteral("INSERT OR REPLACE INTO state(key, value) VALUES ('current', ?)"), {child}, &ok);
    if (ok)
        m_current = child;
    return ok;
}

QString RecordStore::checkedName(const QString &typed, qint64 other, QString *error) const
{
    const QString name = childName(typed);
    if (name.isEmpty())
        *error = Record::tr("A name has 1 to %1 characters.").arg(NameMaxChars);
    else if (run(QStringLiteral("SELECT 1 FROM children WHERE name = ? AND id <> ?"), {name, other}).next())
        *error = Record::tr("There is already a child called %1.").arg(name);
    else
        return name;
    return {};
}

bool RecordStore::add(const QString &typed, const QDateTime &now, QString *error, qint64 *id)
{
    const QString name = checkedName(typed, 0, error);
    if (name.isEmpty())
        return false;
    bool ok = false;
    QSqlQuery q = run(QStringLiteral("INSERT INTO children(name, time_limit_ms, created) VALUES (?, ?, ?)"),
                      {name, DefaultTimeLimitMs, isoUtc(now)}, &ok);
    if (!ok)
        *error = q.lastError().text();
    else if (id)
        *id = q.lastInsertId().toLongLong();
    return ok;
}

bool RecordStore::rename(qint64 child, const QString &typed, QString *error)
{
    const QString name = checkedName(typed, child, error);
    if (name.isEmpty())
        return false;
    bool ok = false;
    QSqlQuery q = run(QStringLiteral("UPDATE children SET name = ? WHERE id = ?"), {name, child}, &ok);
    if (!ok)
        *error = q.lastError().text();
    return ok;
}

bool RecordStore::remove(qint64 child, QString *error)
{
    bool ok = false;
    QSqlQuery q = run(QStringLiteral("DELETE FROM children WHERE id = ?"), {child}, &ok);
    if (!ok) {
        *error = q.lastError().text();
        return false;
    }
    if (child == m_current) {
        m_current = 0;
        run(QStringLiteral("DELETE FROM state WHERE key = 'current'"));
        ensureChild(QDateTime::currentDateTimeUtc());
    }
    return true;
}

int RecordStore::answerCount(qint64 child) const
{
    QSqlQuery q = run(QStringLiteral("SELECT COUNT(*) FROM answer_rows WHERE child_id = ?"), {child});
    return q.next() ? q.value(0).toInt() : 0;
}

bool RecordStore::setTimeLimit(qint64 child, int ms)
{
    bool ok = false;
    run(QStringLiteral("UPDATE children SET time_limit_ms = ? WHERE id = ?"), {ms, child}, &ok);
    return ok;
}

RecordStore::Write RecordStore::write(const QString &sql, const QVariantList &values, qint64 *id)
{
    bool ok = false;
    QSqlQuery q = run(sql, values, &ok);
    if (ok) {
        if (id)
            *id = q.lastInsertId().toLongLong();
        return Write::Ok;
    }
    failed(q.lastError());
    return m_code == SqliteFull ? Write::Full : Write::Failed;
}

RecordStore::Write RecordStore::beginDrill(const DrillStart &drill)
{
    m_drill = 0;
    if (!isOpen() || !m_current)
        return Write::Failed;
    return write(QStringLiteral("INSERT INTO drills(child_id, started, factor, max_multiplier, clock_mode, clock_seconds)"
                                " VALUES (?, ?, ?, ?, ?, ?)"),
                 {m_current, isoUtc(drill.at), drill.factor, drill.maxMultiplier, drill.clockMode, drill.clockSeconds},
                 &m_drill);
}

RecordStore::Write RecordStore::addAnswer(const JudgedAnswer &a)
{
    if (!isOpen() || !m_current)
        return Write::Failed;
    // A statement outside BEGIN is its own transaction: each answer is
    // committed, and synced, on its own.
    return write(QStringLiteral("INSERT INTO answer_rows(child_id, drill_id, at, operand1, operand2, given, correct, ms)"
                                " VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                 {m_current, m_drill ? QVariant(m_drill) : QVariant(), isoUtc(a.at), a.operand1, a.operand2, a.given,
                  int(a.correct), a.ms});
}

RecordStore::Write RecordStore::endDrill(const QDateTime &at)
{
    if (!isOpen() || !m_drill)
        return Write::Failed;
    return write(QStringLiteral("UPDATE drills SET ended = ? WHERE id = ?"), {isoUtc(at), std::exchange(m_drill, 0)});
}

ChildSummary RecordStore::summary(qint64 child, const QDate &today, int days) const
{
    ChildSummary sum;
    ChildTotals &t = sum.totals;
    t.knownByDay.fill(0, days);
    const Child c = this->child(child);
    KnownCounter counter(c.id ? c.timeLimitMs : DefaultTimeLimitMs);
    // One pass in time order gives the facts, the days and the chart; SQLite
    // finds each answer's local day, which is the costly part in Qt.
    QSqlQuery q = run(QStringLiteral("SELECT operand1, operand2, correct, ms, at, date(at, 'localtime') FROM answer_rows"
                                     " WHERE child_id = ? ORDER BY id"),
                      {child});
    const QDate first = today.addDays(1 - days);
    QDate day; // the local day of the answers being read
    QString dayText;
    std::array<QString, FactCount> lastAt;
    auto closeDay = [&](const QDate &until) {
        // The count at the end of `day` holds for every day up to the next answer's.
        for (QDate d = std::max(day, first); d < until && d <= today; d = d.addDays(1))
            t.knownByDay[int(first.daysTo(d))] = counter.known();
    };
    while (q.next()) {
        const QString localDay = q.value(5).toString();
        if (localDay != dayText) {
            const QDate next = QDate::fromString(localDay, Qt::ISODate);
            if (day.isValid())
                closeDay(next);
            day = next;
            dayText = localDay;
            ++t.days;
        }
        const int o1 = q.value(0).toInt(), o2 = q.value(1).toInt();
        if (!counter.add(o1, o2, {q.value(2).toInt() != 0, q.value(3).toInt()}))
            continue;
        ++t.answers;
        lastAt[size_t(factIndex(o1, o2))] = q.value(4).toString();
    }
    if (day.isValid())
        closeDay(today.addDays(1));
    sum.facts = counter.facts();
    // Only the last answer's time is shown: parsed once per fact, not per row.
    for (size_t i = 0; i < sum.facts.size(); ++i)
        if (!lastAt[i].isEmpty())
            sum.facts[i].lastAt = fromIso(lastAt[i]);
    return sum;
}

bool RecordStore::exportCsv(qint64 child, const QString &path, QString *error) const
{
    bool ok = false;
    QSqlQuery q = run(QStringLiteral("SELECT c.name, a.at, a.operand1, a.operand2, a.given, a.correct, a.ms FROM answer_rows a"
                                     " JOIN children c ON c.id = a.child_id WHERE a.child_id = ? ORDER BY a.id"),
                      {child}, &ok);
    if (!ok) {
        *error = q.lastError().text();
        return false;
    }
    // The file appears whole or not at all: a full disk leaves any old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    const QString crlf = QStringLiteral("\r\n");
    file.write((QStringLiteral("child,at,operand1,operand2,given,correct,ms") + crlf).toUtf8());
    while (q.next()) {
        QStringList fields;
        for (int i = 0; i < 7; ++i)
            fields << csvField(q.value(i).toString());
        file.write((fields.join(QLatin1Char(',')) + crlf).toUtf8());
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
