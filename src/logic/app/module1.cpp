// SPDX-License-Identifier: GPL-3.0-or-later
#include "module1.h"
#include "settingsplace.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

Module1::Module1(const Services &services) : svc(services) {}

void Module1::PlaySound(Sound sound, int flags)
{
    if (!svc.sound)
        return;
    static const char *const files[] = {"ding.wav", "uhoh.wav", "tada.wav", "single.wav", "boing.wav"};
    svc.sound->stop();
    svc.sound->play(AppFile(QLatin1String(files[int(sound)])), flags);
}

void Module1::Say(const QString &text)
{
    if (ReadAloud && svc.speech && !text.isEmpty())
        svc.speech->say(text, Language);
}

void Module1::ShowHelp(const QString &anchor) const
{
    if (svc.help)
        svc.help->showHelp(HelpFile, anchor);
}

void Module1::Pause(float seconds)
{
    if (!svc.clock || !(seconds > 0.0f))
        return;
    // Measured on a monotonic clock, so midnight and clock changes don't matter.
    // One millisecond more than asked: the clock reads whole milliseconds, and
    // the pause must never come out shorter than set.
    const int64_t wanted = int64_t(std::ceil(double(seconds) * 1000.0)) + 1;
    const int64_t start = svc.clock->monotonicMs();
    for (;;) {
        const int64_t left = wanted - (svc.clock->monotonicMs() - start);
        if (left <= 0)
            break;
        svc.clock->sleepMs(int(std::min<int64_t>(left, 20)));
    }
}

void Module1::placeSettings()
{
    const SettingsPlace place = settingsPlace(AppDir, folderIsWritable(AppDir), userConfigFolder());
    settingsReadPath = place.readPath;
    settingsWritePath = place.writePath;
    if (!settingsWritePath.isEmpty())
        removeStraySaveFiles(settingsWritePath);
}

bool Module1::saveSettings(QString *error) const
{
    const QString &path = settingsWritePath;
    if (path.isEmpty())
        return false;
    // The user's own folder may not exist yet; the program's folder is never
    // made again when it has gone.
    if (path != AppFile(QStringLiteral("kwizzo.ini")) && !makeFolder(QFileInfo(path).absolutePath(), error))
        return false;
    return saveSettingsFile(path, settings, error);
}
