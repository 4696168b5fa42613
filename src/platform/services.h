#pragma once
// Everything the program reaches outside itself, behind interfaces that tests
// replace with fakes: sound, time, chance, help, browser and printer.
#include <QString>
#include <QUrl>
#include <cstdint>

class SoundPlayer
{
public:
    enum Flags { Wait = 0, Async = 1 };
    virtual ~SoundPlayer() = default;
    // Plays a wave file; Wait returns when it has ended. A file that cannot be
    // played gives the system beep instead.
    virtual void play(const QString &path, int flags) = 0;
    virtual void stop() = 0;
    // The system beep (refused keys).
    virtual void beep() = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual float secondsSinceMidnight() const = 0;
    // Monotonic milliseconds: what waits are measured with.
    virtual int64_t monotonicMs() const = 0;
    // Sleeps without handling any event.
    virtual void sleepMs(int ms) = 0;
};

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seed(uint32_t s) = 0;
    // Uniform in [0, 1): never 1.
    virtual float next() = 0;
};

class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    virtual void showHelp(const QString &path) = 0;
};

class Browser
{
public:
    virtual ~Browser() = default;
    // false when the address could not be handed to the system
    virtual bool openUrl(const QUrl &url) = 0;
};

class Printer; // print/printer.h

struct Services
{
    SoundPlayer *sound = nullptr;
    Clock *clock = nullptr;
    RandomSource *random = nullptr;
    HelpViewer *help = nullptr;
    Browser *browser = nullptr;
    Printer *printer = nullptr;
};
