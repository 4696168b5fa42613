// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the program's wave files through the desktop's audio server
// (PulseAudio, or PipeWire's PulseAudio service). Built as a module of its
// own that the program loads on first use (see lazymodules.h).
#include "platform/services.h"

#include <QHash>
#include <memory>

class PulseEngine;
struct StreamSound;

class PulseSoundPlayer : public SoundPlayer
{
public:
    PulseSoundPlayer();
    ~PulseSoundPlayer() override;
    void play(const QString &path, int flags) override;
    void stop() override;
    void beep() override;

private:
    std::shared_ptr<const StreamSound> load(const QString &path);
    std::unique_ptr<PulseEngine> m_engine;
    // Each file is read once; one that cannot be played is kept as null.
    QHash<QString, std::shared_ptr<const StreamSound>> m_sounds;
    quint64 m_token = 0;
};
