#include "wave.h"

#include <QFile>
#include <QtEndian>

int waveLengthMs(const QByteArray &b)
{
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return -1;
    qint64 pos = 12;
    quint32 byteRate = 0;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(b.constData() + pos + 4);
        const qint64 body = pos + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= b.size()) {
            byteRate = qFromLittleEndian<quint32>(b.constData() + body + 8);
        } else if (id == "data") {
            if (byteRate == 0)
                return -1;
            const qint64 avail = qMin<qint64>(size, b.size() - body);
            return int(avail * 1000 / byteRate);
        }
        pos = body + size + (size & 1);
    }
    return -1;
}

int waveLengthMs(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    // The sounds are short; a huge file is not one of ours.
    return waveLengthMs(f.read(8 << 20));
}

