// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the program reaches outside itself, behind interfaces that tests
// replace with fakes: sound, time, chance, help, browser and printer; and the
// child's record, which tests give as a real file.
#include "drawsurface.h"

#include <QString>
#include <QUrl>
#include <cstdint>
#include <functional>
#include <memory>

class ChildRecord;

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
    // anchor names a part of the file (<a name="my-facts">); empty opens it
    // at its start, as does an anchor the file lacks.
    virtual void showHelp(const QString &path, const QString &anchor) = 0;
};

class Browser
{
public:
    virtual ~Browser() = default;
    // false when the address could not be handed to the system
    virtual bool openUrl(const QUrl &url) = 0;
};

// The printed page: a drawing surface on the logical 850 x 1100 scale over the
// printable area, and the printer behind it: the default printer on its own
// paper, or a PDF in the Documents folder on the locale's paper when there is
// no default printer.
class PageSurface : public DrawSurface
{
public:
    // Finishes the page and sends the job; false with the reason when the
    // job failed, or when the print server did not take it or gave it up.
    virtual bool endDocument(QString *error) = 0;
    // Ends this page and goes on drawing on the next one of the same job.
    virtual bool newPage(QString *error) = 0;
};

struct PrintTarget
{
    bool pdf = false;
    QString where; // the printer's name, or the PDF file's path
    // A PDF although printers are installed: none of them is the default, and
    // guessing which one the parent meant could waste a page on the wrong one.
    bool noDefault = false;
};

class Printer
{
public:
    virtual ~Printer() = default;
    // Starts a job at its first page; null, with the reason in *error, when it cannot.
    virtual std::unique_ptr<PageSurface> startPage(const QString &documentName, PrintTarget *target,
                                                   QString *error) = 0;
};

// Read aloud: a voice of the program's own, for a child who cannot read yet.
class Speaker
{
public:
    virtual ~Speaker() = default;
    // Starts saying the text in the language ("de", "pt_BR"; empty for
    // English) and returns at once; whatever it was saying stops. Silent
    // while a screen reader runs: that speaks instead.
    virtual void say(const QString &text, const QString &language) = 0;
    virtual void stop() = 0;
    // Called once, on the window thread, when it cannot speak: a message that
    // names what to install. Practice goes on without a voice.
    std::function<void(const QString &)> cannotSpeak;
};

struct Services
{
    SoundPlayer *sound = nullptr;
    Clock *clock = nullptr;
    RandomSource *random = nullptr;
    HelpViewer *help = nullptr;
    Browser *browser = nullptr;
    Printer *printer = nullptr;
    // The child's answers; none until the record is opened, after the first
    // window is up, and none in tests that do not give one.
    ChildRecord *record = nullptr;
    // Read aloud's voice; none in tests that do not give one.
    Speaker *speech = nullptr;
};
