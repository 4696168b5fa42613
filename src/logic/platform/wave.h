// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's sounds are PCM wave files. They are read here once, into
// memory, and converted to the one format the sound stream plays.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

struct WavePcm
{
    int rate = 0;     // frames per second
    int channels = 0; // 1 or 2
    int bits = 0;     // 8 (unsigned) or 16 (signed, little-endian)
    QByteArray data;  // whole frames only, and only as many as the file holds
    qint64 frames() const { return rate > 0 ? data.size() / (channels * bits / 8) : 0; }
    int lengthMs() const { return rate > 0 ? int(frames() * 1000 / rate) : -1; }
};

// False when the bytes are not a PCM wave of a kind we play: 8 or 16 bit,
// mono or stereo, at least one whole frame and at most 20 seconds. A header that claims more
// data than there is gets what there is.
bool parseWave(const QByteArray &bytes, WavePcm *out);
bool readWaveFile(const QString &path, WavePcm *out);

// Interleaved signed 16-bit frames at the given rate and channel count
// (1 or 2). Linear interpolation is plenty for short synthesized sounds.
std::vector<int16_t> convertWave(const WavePcm &wave, int rate, int channels);

// Length in milliseconds; -1 when the file is missing or not a wave we play.
int waveLengthMs(const QString &path);
int waveLengthMs(const QByteArray &bytes);
