// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the record tells a parent of one child: the facts, the totals and the
// chart for My Facts, and every answer as a CSV file a spreadsheet opens.
#include "progress/childrecord.h"

#include <QByteArray>

class RecordFile;

class RecordReports
{
public:
    explicit RecordReports(const RecordFile &file) : m_file(file) {}

    // Every fact of the child, and the totals up to today over the last days.
    ChildSummary summary(qint64 child, const QDate &today, int days) const;
    // Every answer of the child, with its drill, as CSV (RFC 4180, UTF-8 with
    // a byte-order mark, a header line); empty when the record cannot be read.
    QByteArray csv(qint64 child, bool *ok) const;
    // The CSV written whole to path, or the old file left as it was.
    bool exportCsv(qint64 child, const QString &path, QString *error) const;

private:
    const RecordFile &m_file;
};

// One CSV field: quoted when it has to be, and one a spreadsheet would take
// for a formula kept as text.
QString csvField(const QString &value);
