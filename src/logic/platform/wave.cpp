// SPDX-License-Identifier: GPL-3.0-or-later
#include "wave.h"

#include <QFile>
#include <QtEndian>

#include <cmath>

namespace {
constexpr quint16 FormatPcm = 1, FormatExtensible = 0xFFFE;
constexpr int MaxSeconds = 20;

quint16 u16At(const QByteArray &b, qint64 at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 u32At(const QByteArray &b, qint64 at) { return qFromLittleEndian<quint32>(b.constData() + at); }

// One sample of channel c of frame i, as signed 16 bit.
int sampleAt(const WavePcm &w, qint64 i, int c)
{
    const qint64 at = i * w.channels + c;
    if (w.bits == 8)
        return (int(quint8(w.data[at])) - 128) * 256;
    return qint16(u16At(w.data, at * 2));
}
} // namespace

bool parseWave(const QByteArray &b, WavePcm *out)
{
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return false;
    WavePcm w;
    bool haveFormat = false;
    qint64 pos = 12;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const quint32 size = u32At(b, pos + 4);
        const qint64 body = pos + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= b.size()) {
            quint16 tag = u16At(b, body);
            // The extensible header names its real encoding in the first two
            // bytes of its sub-format.
            if (tag == FormatExtensible && size >= 40 && body + 26 <= b.size())
                tag = u16At(b, body + 24);
            w.channels = u16At(b, body + 2);
            w.rate = int(qMin<quint32>(u32At(b, body + 4), 1u << 30));
            w.bits = u16At(b, body + 14);
            haveFormat = tag == FormatPcm && (w.channels == 1 || w.channels == 2) && (w.bits == 8 || w.bits == 16)
                         && w.rate >= 1000 && w.rate <= 384000;
            if (!haveFormat)
                return false;
        } else if (id == "data") {
            if (!haveFormat)
                return false;
            const int frameBytes = w.channels * w.bits / 8;
            qint64 avail = qMin<qint64>(size, b.size() - body);
            avail -= avail % frameBytes;
            if (avail <= 0)
                return false;
            // The program's sounds last a second or so; a file that would fill
            // minutes of memory once converted is not one of them.
            if (avail / frameBytes > qint64(w.rate) * MaxSeconds)
                return false;
            w.data = b.mid(body, avail);
            if (out)
                *out = std::move(w);
            return true;
        }
        pos = body + qint64(size) + (size & 1);
    }
    return false;
}

bool readWaveFile(const QString &path, WavePcm *out)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    // The sounds are short; a huge file is not one of ours.
    return parseWave(f.read(8 << 20), out);
}

std::vector<int16_t> convertWave(const WavePcm &w, int rate, int channels)
{
    const qint64 inFrames = w.frames();
    if (inFrames == 0 || rate <= 0 || channels < 1 || channels > 2)
        return {};
    // Never longer than the file: the last output frame still falls inside it.
    const qint64 outFrames = qMax<qint64>(1, inFrames * rate / w.rate);
    std::vector<int16_t> out(size_t(outFrames * channels));
    const double step = double(w.rate) / rate;
    for (qint64 i = 0; i < outFrames; ++i) {
        const double x = double(i) * step;
        const qint64 i0 = qMin<qint64>(qint64(x), inFrames - 1);
        const qint64 i1 = qMin<qint64>(i0 + 1, inFrames - 1);
        const double t = x - double(i0);
        for (int c = 0; c < channels; ++c) {
            // Stereo to mono mixes both sides; mono to stereo feeds both.
            auto at = [&](qint64 f) {
                if (w.channels == channels)
                    return double(sampleAt(w, f, c));
                if (w.channels == 1)
                    return double(sampleAt(w, f, 0));
                return (double(sampleAt(w, f, 0)) + double(sampleAt(w, f, 1))) / 2.0;
            };
            const double v = at(i0) + (at(i1) - at(i0)) * t;
            out[size_t(i * channels + c)] = int16_t(std::lrint(qBound(-32768.0, v, 32767.0)));
        }
    }
    return out;
}

int waveLengthMs(const QByteArray &b)
{
    WavePcm w;
    return parseWave(b, &w) ? w.lengthMs() : -1;
}

int waveLengthMs(const QString &path)
{
    WavePcm w;
    return readWaveFile(path, &w) ? w.lengthMs() : -1;
}
