// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings kept in "kwizzo.ini": five lines of comma-separated integers.
#include <QByteArray>
#include <QString>
#include <array>
#include <chrono>
#include <cstdint>

struct Settings
{
    int16_t Mode = 0;
    int16_t StudyType = 3;
    int16_t StudyFactor = 1;
    std::array<int16_t, 5> PracticeTypes{0, 0, 0, 1, 0}; // elements 1..4 used
    int16_t PracticeFactor = -1;
    int16_t TimerMode = 0;
    int16_t CountDownSteps = 4;
    int16_t DelayMs = 1000;
    int16_t MaxMultiplier = 12;

    bool operator==(const Settings &) const = default;
};

constexpr int SettingsValueCount = 12;

// The clock's options, as the file keeps them in TimerMode.
enum ClockMode : int16_t { ClockOff = 0, ClockCountUp = 1, ClockCountDown = 2 };
// The count-down runs in steps of half a minute, CountDownSteps of them.
constexpr int CountDownStepSeconds = 30;
// Counting up stops the drill at half an hour.
constexpr int CountUpEndSeconds = 1800;

// The values a setting may take; a file value outside falls back to the
// default, and the controls that change a setting stop at the same ends.
struct SettingRange
{
    int lo = 0, hi = 0;
    int extra = lo; // one value below lo that is also taken
    constexpr bool contains(int v) const { return (v >= lo && v <= hi) || v == extra; }
};
// The factor options beyond the tables: Random in practice only, Tricky in both.
constexpr int16_t FactorRandom = -1;
constexpr int16_t FactorTricky = -2;
constexpr SettingRange FactorRange{0, 12};                          // the facts of a picture
constexpr SettingRange StudyFactorRange{0, 12, FactorTricky};
constexpr SettingRange PracticeFactorRange{FactorRandom, 12, FactorTricky};
constexpr SettingRange CountDownStepsRange{1, 60};
constexpr SettingRange DelayMsRange{0, 5000};
constexpr SettingRange MaxMultiplierRange{0, 12};
constexpr int16_t DelayMsMax = DelayMsRange.hi;

// Reads the twelve values in file order, separated by commas or line ends.
// UTF-8 or, with its byte-order mark, UTF-16 of either byte order.
// Each value that is missing, not a whole number, outside 16 bits or outside
// its range keeps its default; the good ones are kept whatever the others are.
// badValues, when given, counts the values that fell back.
Settings parseSettings(const QByteArray &text, int *badValues = nullptr);

// Every run studies and practises multiplication only.
void fixToMultiplication(Settings &s);

// The five CR LF lines Exit writes.
QByteArray formatSettings(const Settings &s);

// Reads the file; a missing or unreadable one, or anything that is not a
// plain file (a pipe, a device, a folder), gives the defaults.
Settings loadSettingsFile(const QString &path);

// Writes atomically (temporary file, then rename), and renames only a file
// that was written whole: an old file stays byte for byte as it was when
// anything fails. On failure returns false with the reason in *error.
bool saveSettingsFile(const QString &path, const Settings &s, QString *error);

// Removes the temporary files a save killed half-way left beside path
// ("kwizzo.ini.XXXXXX"), those not changed for olderThan; returns how many.
int removeStraySaveFiles(const QString &path, std::chrono::seconds olderThan = std::chrono::seconds(10));
