#include "recordreports.h"
#include "recordfile.h"

#include "app/safesave.h"

#include <QCoreApplication>
#include <QSet>
#include <QSqlError>
#include <algorithm>

namespace {

struct Record
{
    Q_DECLARE_TR_FUNCTIONS(Record)
};

QDateTime fromIso(const QString &s)
{
    QDateTime t = QDateTime::fromString(s, Qt::ISODateWithMs);
    if (!t.isValid())
        t = QDateTime::fromString(s, Qt::ISODate);
    return t;
}

// The drill's factor and clock as a spreadsheet shows them.
QString factorWord(const QVariant &factor)
{
    if (factor.isNull())
        return {};
    switch (factor.toInt()) {
    case -1: return QStringLiteral("random");
    case -2: return QStringLiteral("tricky");
    default: return factor.toString();
    }
}

QString clockWord(const QVariant &mode)
{
    if (mode.isNull())
        return {};
    switch (mode.toInt()) {
    case 1: return QStringLiteral("up");
    case 2: return QStringLiteral("down");
    default: return QStringLiteral("off");
    }
}

} // namespace

QString csvField(const QString &value)
{
    // A spreadsheet runs a field that starts with one of these as a formula:
    // an apostrophe before it keeps it text (OWASP's advice on CSV injection).
    static const QString formula = QStringLiteral("=+-@\t\r");
    static const QString special = QStringLiteral(",\"\r\n");
    QString v = value;
    bool quote = false;
    if (!v.isEmpty() && formula.contains(v.front())) {
        v.prepend(QLatin1Char('\''));
        quote = true;
    }
    quote = quote || std::any_of(v.begin(), v.end(), [](QChar c) { return special.contains(c); });
    if (!quote)
        return v;
    v.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + v + QLatin1Char('"');
}

ChildSummary RecordReports::summary(qint64 child, const QDate &today, int days) const
{
    ChildSummary sum;
    ChildTotals &t = sum.totals;
    t.knownByDay.fill(0, days);
    QSqlQuery limit = m_file.run(QStringLiteral("SELECT time_limit_ms FROM children WHERE id = ?"), {child});
    KnownCounter counter(limit.next() ? limit.value(0).toInt() : DefaultTimeLimitMs);
    // One pass in time order gives the facts, the days and the chart; SQLite
    // finds each answer's local day, which is the costly part in Qt.
    QSqlQuery q = m_file.run(QStringLiteral("SELECT operand1, operand2, correct, ms, at, date(at, 'localtime')"
                                            " FROM answer_rows WHERE child_id = ? ORDER BY id"),
                             {child});
    const QDate first = today.addDays(1 - days);
    QDate day; // the local day of the answers being read
    QString dayText;
    // Days practised are the days themselves: a clock set back and forward
    // again must not count one day twice.
    QSet<QString> practised;
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
        }
        const int o1 = q.value(0).toInt(), o2 = q.value(1).toInt();
        if (!counter.add(o1, o2, {q.value(2).toInt() != 0, q.value(3).toInt()}))
            continue;
        practised.insert(localDay);
        ++t.answers;
        lastAt[size_t(factIndex(o1, o2))] = q.value(4).toString();
    }
    if (day.isValid())
        closeDay(today.addDays(1));
    t.days = int(practised.size());
    sum.facts = counter.facts();
    // Only the last answer's time is shown: parsed once per fact, not per row.
    for (size_t i = 0; i < sum.facts.size(); ++i)
        if (!lastAt[i].isEmpty())
            sum.facts[i].lastAt = fromIso(lastAt[i]);
    return sum;
}

QByteArray RecordReports::csv(qint64 child, bool *ok) const
{
    QSqlQuery q = m_file.run(
        QStringLiteral("SELECT c.name, a.at, a.operand1, a.operand2, a.given, a.correct, a.ms,"
                       " datetime(a.at, 'localtime'), a.drill_id, d.factor, d.max_multiplier, d.clock_mode, d.clock_seconds"
                       " FROM answer_rows a JOIN children c ON c.id = a.child_id LEFT JOIN drills d ON d.id = a.drill_id"
                       " WHERE a.child_id = ? ORDER BY a.id"),
        {child}, ok);
    if (!*ok)
        return {};
    // The byte-order mark tells a spreadsheet the file is UTF-8, so "Léo"
    // stays "Léo". The first seven columns are those of the first files.
    const QString crlf = QStringLiteral("\r\n");
    QString out = QChar(0xFEFF) + QStringLiteral("child,at,operand1,operand2,given,correct,ms,local_time,drill,factor,"
                                                 "max_multiplier,clock,clock_seconds")
                  + crlf;
    while (q.next()) {
        QStringList fields;
        for (int i = 0; i < 9; ++i)
            fields << csvField(q.value(i).toString());
        fields << factorWord(q.value(9)) << q.value(10).toString() << clockWord(q.value(11)) << q.value(12).toString();
        out += fields.join(QLatin1Char(',')) + crlf;
    }
    return out.toUtf8();
}

bool RecordReports::exportCsv(qint64 child, const QString &path, QString *error) const
{
    bool ok = false;
    const QByteArray bytes = csv(child, &ok);
    if (!ok) {
        *error = Record::tr("The record could not be read.");
        return false;
    }
    return saveWhole(path, bytes, error);
}
