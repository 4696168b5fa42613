#pragma once
// Plays the program's wave files on a thread of its own, so that a waiting
// play can hold the window thread while the sound keeps flowing. Built as a
// module of its own that the program loads on first use (see lazymodules.h).
#include "services.h"
#include <QHash>
#include <QObject>
#include <memory>

#include "wave.h"

class SoundThread;

class QtSoundPlayer : public SoundPlayer
{
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void play(const QString &path, int flags) override;
    void stop() override;
    void beep() override;

private:
    int lengthOf(const QString &path);
    std::unique_ptr<SoundThread> m_thread;
    QHash<QString, int> m_lengths;
};
