// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A record opened as the program opens it (the file, then the child who
// practises), used on the test's own thread without the record's thread.
#include "record/recordfile.h"
#include "record/recordreports.h"
#include "record/recordstore.h"

struct OpenRecord
{
    RecordFile file;
    RecordStore store{file};
    RecordReports reports{file};

    RecordFile::Opened open(const QString &path, const QDateTime &now)
    {
        const RecordFile::Opened o = file.open(path, now);
        if (o == RecordFile::Opened::Ready || o == RecordFile::Opened::Replaced)
            store.ensureChild(now);
        return o;
    }
};
