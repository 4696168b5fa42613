// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the settings reader: any bytes must read without a
// fault, every value must land in its range, and what is written back must
// read as the same settings.
#include "app/settings.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    int bad = -1;
    Settings s = parseSettings(bytes, &bad);
    if (bad < 0 || bad > SettingsValueCount)
        std::abort();
    if (s.Mode < 0 || s.Mode > 1 || !StudyFactorRange.contains(s.StudyFactor) || !PracticeFactorRange.contains(s.PracticeFactor)
        || s.TimerMode < 0 || s.TimerMode > 2 || s.CountDownSteps < 1
        || s.CountDownSteps > 60 || s.DelayMs < 0 || s.DelayMs > DelayMsMax || s.MaxMultiplier < 0
        || s.MaxMultiplier > 12)
        std::abort();
    const QByteArray written = formatSettings(s);
    int badAgain = -1;
    if (!(parseSettings(written, &badAgain) == s) || badAgain != 0)
        std::abort();
    return 0;
}
