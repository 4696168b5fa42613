#pragma once
// Plays the program's wave files on a thread of its own, so that a waiting
// play can hold the window thread while the sound keeps flowing.
#include "services.h"
#include <QHash>
#include <QObject>
#include <memory>

// Length in milliseconds of a PCM wave file from its header; -1 when the file
// is missing or not a wave file we can read.
int waveLengthMs(const QString &path);
int waveLengthMs(const QByteArray &bytes);

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
