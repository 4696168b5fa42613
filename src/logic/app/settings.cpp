// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"
#include "safesave.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>


namespace {

// In file order. StudyType and the operation flags are forced afterwards, so
// any 16-bit value will do for them here.
constexpr SettingRange AnyValue{-32768, 32767};
constexpr std::array<SettingRange, SettingsValueCount> Ranges{{
    {0, 1},                                      // Mode
    AnyValue, StudyFactorRange,                  // StudyType, StudyFactor
    AnyValue, AnyValue, AnyValue, AnyValue,      // PracticeTypes 1..4
    PracticeFactorRange,
    {ClockOff, ClockCountDown},                  // TimerMode
    CountDownStepsRange, DelayMsRange, MaxMultiplierRange,
}};

int16_t *slot(Settings &s, int i)
{
    switch (i) {
    case 0: return &s.Mode;
    case 1: return &s.StudyType;
    case 2: return &s.StudyFactor;
    case 3: case 4: case 5: case 6: return &s.PracticeTypes[size_t(i - 2)];
    case 7: return &s.PracticeFactor;
    case 8: return &s.TimerMode;
    case 9: return &s.CountDownSteps;
    case 10: return &s.DelayMs;
    default: return &s.MaxMultiplier;
    }
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A whole decimal number with an optional sign, blanks around it allowed.
bool parseWhole(const char *b, const char *e, long *out)
{
    while (b < e && isBlank(*b)) ++b;
    while (e > b && isBlank(e[-1])) --e;
    if (b == e)
        return false;
    bool negative = false;
    if (*b == '-' || *b == '+') {
        negative = *b == '-';
        ++b;
    }
    if (b == e)
        return false;
    long v = 0;
    for (; b < e; ++b) {
        if (*b < '0' || *b > '9')
            return false;
        v = v * 10 + (*b - '0');
        if (v > 100000) // far outside 16 bits already; stop before overflow
            return false;
    }
    *out = negative ? -v : v;
    return true;
}

} // namespace

Settings parseSettings(const QByteArray &raw, int *badValues)
{
    // Windows Notepad saves "Unicode" as UTF-16 with a byte-order mark; the
    // values are the same digits, two bytes each. Anything that is not plain
    // ASCII after decoding cannot be part of a value and stays invalid.
    QByteArray decoded;
    if (raw.startsWith("\xFF\xFE") || raw.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(raw.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        decoded = QString(utf16(raw.mid(2))).toUtf8();
    }
    const QByteArray &text = decoded.isNull() ? raw : decoded;
    Settings s;
    int bad = 0, index = 0;
    const char *p = text.constData();
    const char *end = p + text.size();
    // Some editors start a saved file with a UTF-8 byte-order mark; it is not
    // part of the first value.
    if (text.startsWith("\xEF\xBB\xBF"))
        p += 3;
    while (p < end && index < SettingsValueCount) {
        // one line
        const char *lineEnd = p;
        while (lineEnd < end && *lineEnd != '\n' && *lineEnd != '\r')
            ++lineEnd;
        const char *q = p;
        bool blankLine = true;
        for (const char *c = p; c < lineEnd; ++c)
            if (!isBlank(*c))
                blankLine = false;
        if (!blankLine) {
            while (index < SettingsValueCount) {
                const char *fieldEnd = q;
                while (fieldEnd < lineEnd && *fieldEnd != ',')
                    ++fieldEnd;
                long v = 0;
                if (parseWhole(q, fieldEnd, &v) && Ranges[size_t(index)].contains(int(v)))
                    *slot(s, index) = int16_t(v);
                else
                    ++bad;
                ++index;
                if (fieldEnd >= lineEnd)
                    break;
                q = fieldEnd + 1;
            }
        }
        p = lineEnd;
        if (p < end && *p == '\r') ++p;
        if (p < end && *p == '\n') ++p;
    }
    bad += SettingsValueCount - index;
    if (badValues)
        *badValues = bad;
    return s;
}

void fixToMultiplication(Settings &s)
{
    s.StudyType = 3;
    s.PracticeTypes = {0, 0, 0, 1, 0};
}

QByteArray formatSettings(const Settings &s)
{
    const QByteArray crlf("\r\n");
    auto n = [](int16_t v) { return QByteArray::number(v); };
    QByteArray out;
    out += n(s.Mode) + crlf;
    out += n(s.StudyType) + ',' + n(s.StudyFactor) + crlf;
    out += n(s.PracticeTypes[1]) + ',' + n(s.PracticeTypes[2]) + ',' + n(s.PracticeTypes[3]) + ','
           + n(s.PracticeTypes[4]) + ',' + n(s.PracticeFactor) + crlf;
    out += n(s.TimerMode) + ',' + n(s.CountDownSteps) + ',' + n(s.DelayMs) + crlf;
    out += n(s.MaxMultiplier) + crlf;
    return out;
}

Settings loadSettingsFile(const QString &path)
{
    // Only a plain file is read: opening a named pipe or a device would hold
    // the start up for ever, waiting for a writer that never comes.
    if (!QFileInfo(path).isFile())
        return Settings{};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return Settings{};
    // Five short lines; anything past the first 64 KiB is not ours to read.
    return parseSettings(f.read(64 * 1024));
}

bool saveSettingsFile(const QString &path, const Settings &s, QString *error)
{
    return saveWhole(path, formatSettings(s), error);
}

int removeStraySaveFiles(const QString &path, std::chrono::seconds olderThan)
{
    // Where the file system has no unnamed temporary files (NFS, FUSE, vfat)
    // QSaveFile writes "kwizzo.ini.XXXXXX" beside the file and renames it at
    // the end; a program killed in between leaves it. Only that exact shape
    // is touched, and not while it is young: a second copy of the program may
    // be in the middle of its own Exit.
    const QFileInfo target(path);
    const QRegularExpression shape(QStringLiteral("^") + QRegularExpression::escape(target.fileName())
                                   + QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-olderThan.count());
    int removed = 0;
    const QFileInfoList entries = target.dir().entryInfoList({target.fileName() + QStringLiteral(".??????")},
                                                             QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &e : entries)
        if (shape.match(e.fileName()).hasMatch() && !e.isSymLink() && e.lastModified().toUTC() < before
            && QFile::remove(e.filePath()))
            ++removed;
    return removed;
}
