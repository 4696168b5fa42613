// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordreports.h"
#include "recordfile.h"
#include "recordstore.h"

#include "progress/childprogress.h"

#include "app/safesave.h"

#include <QCoreApplication>
#include <QSqlError>
#include <algorithm>

namespace {

struct Record
{
    Q_DECLARE_TR_FUNCTIONS(Record)
};

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
    QSqlQuery limit = m_file.run(QStringLiteral("SELECT time_limit_ms FROM children WHERE id = ?"), {child});
    const int limitMs = limit.next() ? limit.value(0).toInt() : DefaultTimeLimitMs;
    // Now, or the end of the day asked for when that is another day.
    QDateTime now = QDateTime::currentDateTimeUtc();
    if (now.toLocalTime().date() != today)
        now = QDateTime(today.addDays(1), QTime(0, 0)).addMSecs(-1).toUTC();
    // The rows only: what they mean is worked out in progress/childprogress.
    return summarizeAnswers(RecordStore::answersIn(m_file, child), limitMs, now, days);
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
