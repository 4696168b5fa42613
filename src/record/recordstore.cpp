// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordstore.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlError>
#include <algorithm>
#include <utility>
#include <pwd.h>
#include <unistd.h>

namespace {

struct Record
{
    Q_DECLARE_TR_FUNCTIONS(Record)
};

constexpr int NameMaxChars = 40;

QString isoUtc(const QDateTime &t) { return t.toUTC().toString(Qt::ISODateWithMs); }

} // namespace

QString childName(const QString &typed)
{
    // Characters that show nothing, or turn the text round, would let two
    // children look the same while the record holds them apart.
    QString kept;
    for (char32_t c : typed.normalized(QString::NormalizationForm_C).toUcs4()) {
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format: // zero-width and direction controls among them
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            continue;
        default:
            kept += QString::fromUcs4(&c, 1);
        }
    }
    const QString name = kept.simplified();
    const qsizetype chars = name.toUcs4().size();
    return chars >= 1 && chars <= NameMaxChars ? name : QString();
}

QString childNameKey(const QString &name)
{
    return name.normalized(QString::NormalizationForm_KC).toCaseFolded().normalized(QString::NormalizationForm_KC);
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
    return Record::tr("Child", "a child's name used until the parent renames it");
}

bool RecordStore::changed(Write w, QString *error)
{
    if (w == Write::Ok)
        return true;
    if (error && error->isEmpty())
        *error = Record::tr("The record could not be changed: %1.").arg(problemWords(m_file.problem()));
    return false;
}

qint64 RecordStore::firstChild() const
{
    QSqlQuery q = m_file.run(QStringLiteral("SELECT id FROM children ORDER BY id LIMIT 1"));
    return q.next() ? q.value(0).toLongLong() : 0;
}

bool RecordStore::ensureChild(const QDateTime &now)
{
    QSqlQuery q =
        m_file.run(QStringLiteral("SELECT c.id FROM state s JOIN children c ON c.id = s.value WHERE s.key = 'current'"));
    if (q.next()) {
        m_current = q.value(0).toLongLong();
        return true;
    }
    qint64 id = firstChild();
    QString error;
    // A second copy may have made the same child a moment ago.
    if (!id && !add(desktopUserName(), now, &error, &id) && !(id = firstChild()))
        return false;
    return choose(id);
}

Child RecordStore::child(qint64 id) const
{
    QSqlQuery q = m_file.run(QStringLiteral("SELECT id, name, time_limit_ms, read_aloud FROM children WHERE id = ?"), {id});
    return q.next() ? Child{q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toInt(), q.value(3).toBool()}
                    : Child{};
}

QVector<Child> RecordStore::children() const
{
    QVector<Child> list;
    QSqlQuery q = m_file.run(
        QStringLiteral("SELECT id, name, time_limit_ms, read_aloud FROM children ORDER BY name COLLATE NOCASE, id"));
    while (q.next())
        list.append({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toInt(), q.value(3).toBool()});
    return list;
}

bool RecordStore::choose(qint64 child)
{
    if (m_file.write(QStringLiteral("INSERT OR REPLACE INTO state(key, value) VALUES ('current', ?)"), {child})
        != Write::Ok)
        return false;
    m_current = child;
    return true;
}

QString RecordStore::checkedName(const QString &typed, qint64 other, QString *error) const
{
    const QString name = childName(typed);
    if (name.isEmpty()) {
        *error = Record::tr("A name has 1 to %1 characters.").arg(NameMaxChars);
        return {};
    }
    // Names kept before these rules came in are cleaned the same way before
    // they are compared.
    const QString key = childNameKey(name);
    QSqlQuery q = m_file.run(QStringLiteral("SELECT id, name FROM children WHERE id <> ?"), {other});
    while (q.next()) {
        if (childNameKey(childName(q.value(1).toString())) == key) {
            *error = Record::tr("There is already a child called %1.").arg(q.value(1).toString());
            return {};
        }
    }
    return name;
}

bool RecordStore::add(const QString &typed, const QDateTime &now, QString *error, qint64 *id)
{
    QString refused;
    const Write w = m_file.transaction([&] {
        const QString name = checkedName(typed, 0, &refused);
        if (name.isEmpty())
            return Write::Failed;
        return m_file.write(QStringLiteral("INSERT INTO children(name, time_limit_ms, created) VALUES (?, ?, ?)"),
                            {name, DefaultTimeLimitMs, isoUtc(now)}, id);
    });
    if (error)
        *error = refused;
    return changed(w, error);
}

bool RecordStore::rename(qint64 child, const QString &typed, QString *error)
{
    QString refused;
    const Write w = m_file.transaction([&] {
        const QString name = checkedName(typed, child, &refused);
        if (name.isEmpty())
            return Write::Failed;
        return m_file.write(QStringLiteral("UPDATE children SET name = ? WHERE id = ?"), {name, child});
    });
    if (error)
        *error = refused;
    return changed(w, error);
}

bool RecordStore::remove(qint64 child, QString *error)
{
    if (error)
        error->clear();
    if (!changed(m_file.write(QStringLiteral("DELETE FROM children WHERE id = ?"), {child}), error))
        return false;
    if (child == m_current) {
        m_current = 0;
        m_file.write(QStringLiteral("DELETE FROM state WHERE key = 'current'"));
        ensureChild(QDateTime::currentDateTimeUtc());
    }
    return true;
}

int RecordStore::answerCount(qint64 child) const
{
    QSqlQuery q = m_file.run(QStringLiteral("SELECT COUNT(*) FROM answer_rows WHERE child_id = ?"), {child});
    return q.next() ? q.value(0).toInt() : 0;
}

bool RecordStore::setTimeLimit(qint64 child, int ms)
{
    return m_file.write(QStringLiteral("UPDATE children SET time_limit_ms = ? WHERE id = ?"), {ms, child}) == Write::Ok;
}

bool RecordStore::setReadAloud(qint64 child, bool on)
{
    return m_file.write(QStringLiteral("UPDATE children SET read_aloud = ? WHERE id = ?"), {int(on), child})
           == Write::Ok;
}

RecordStore::Write RecordStore::apply(const RecordEvent &e)
{
    switch (e.kind) {
    case RecordEvent::Kind::DrillStarted:
        m_drillStart = e.drill;
        m_drillChild = e.child;
        m_drill = 0;
        return Write::Ok;
    case RecordEvent::Kind::AnswerJudged: {
        const bool inDrill = m_drillStart && m_drillChild == e.child;
        if (inDrill && !m_drill) {
            const DrillStart &d = *m_drillStart;
            const Write w = m_file.write(
                QStringLiteral("INSERT INTO drills(child_id, started, factor, max_multiplier, clock_mode, clock_seconds)"
                               " VALUES (?, ?, ?, ?, ?, ?)"),
                {e.child, isoUtc(d.at), d.factor, d.maxMultiplier, d.clockMode, d.clockSeconds}, &m_drill);
            if (w != Write::Ok)
                return w;
        }
        const JudgedAnswer &a = e.answer;
        return m_file.write(
            QStringLiteral("INSERT INTO answer_rows(child_id, drill_id, at, operand1, operand2, given, correct, ms)"
                           " VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
            {e.child, inDrill ? QVariant(m_drill) : QVariant(), isoUtc(a.at), a.operand1, a.operand2, a.given,
             int(a.correct), a.ms});
    }
    case RecordEvent::Kind::DrillEnded: {
        m_drillStart.reset();
        const qint64 drill = std::exchange(m_drill, 0);
        return drill ? m_file.write(QStringLiteral("UPDATE drills SET ended = ? WHERE id = ?"), {isoUtc(e.at), drill})
                     : Write::Ok;
    }
    }
    return Write::Failed;
}

RecordStore::Write RecordStore::save(const QVector<RecordEvent> &events)
{
    // A failed batch is written again later, from the same drill state.
    const auto drillStart = m_drillStart;
    const qint64 drillChild = m_drillChild, drill = m_drill;
    const Write w = m_file.transaction([&] {
        QHash<qint64, bool> exists;
        for (RecordEvent e : events) {
            auto known = exists.find(e.child);
            if (known == exists.end())
                known = exists.insert(e.child, e.child && child(e.child).id != 0);
            if (!*known)
                e.child = m_current;
            if (const Write done = apply(e); done != Write::Ok)
                return done;
        }
        return Write::Ok;
    });
    if (w != Write::Ok) {
        m_drillStart = drillStart;
        m_drillChild = drillChild;
        m_drill = drill;
    }
    return w;
}

RecordStore::Write RecordStore::beginDrill(const DrillStart &drill)
{
    return save({RecordEvent::started(m_current, drill)});
}

RecordStore::Write RecordStore::addAnswer(const JudgedAnswer &answer)
{
    return save({RecordEvent::judged(m_current, answer)});
}

RecordStore::Write RecordStore::endDrill(const QDateTime &at)
{
    return save({RecordEvent::ended(m_current, at)});
}

FactAnswers RecordStore::answersIn(const RecordFile &file, qint64 child)
{
    FactAnswers out;
    // SQLite turns the time into milliseconds since 1970, which Qt would
    // parse far more slowly from the text.
    QSqlQuery q = file.run(QStringLiteral("SELECT operand1, operand2, correct, ms,"
                                          " CAST(strftime('%s', at) AS INTEGER) * 1000"
                                          " + CAST(ROUND(strftime('%f', at) * 1000) AS INTEGER) % 1000"
                                          " FROM answer_rows WHERE child_id = ? ORDER BY id"),
                           {child});
    while (q.next())
        out.push_back({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt() != 0, q.value(3).toInt(),
                       QDateTime::fromMSecsSinceEpoch(q.value(4).toLongLong(), Qt::UTC)});
    return out;
}
