// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound player, the printer, My Facts and the Wayland keyboard hand-over
// are modules of their own beside the program, loaded when first needed: the
// audio, printing and Wayland libraries then cost the start-up nothing.
// Without its module a part goes quiet (silence in the sound's own time) or
// reports that it cannot print.
#include "platform/services.h"

#include <memory>

class Module1;
class QWidget;
class QWindow;

class LazySoundPlayer : public SoundPlayer
{
public:
    explicit LazySoundPlayer(const QString &moduleFolder);
    ~LazySoundPlayer() override;
    void play(const QString &path, int flags) override;
    void stop() override;
    void beep() override;
    // Loads the module now (after the first window is up), if not yet done.
    void preload();

private:
    SoundPlayer *real();
    QString m_folder;
    bool m_tried = false;
    std::unique_ptr<SoundPlayer> m_real;
};

class LazyPrinter : public Printer
{
public:
    explicit LazyPrinter(const QString &moduleFolder);
    ~LazyPrinter() override;
    std::unique_ptr<PageSurface> startPage(const QString &documentName, PrintTarget *target, QString *error) override;

private:
    QString m_folder;
    bool m_tried = false;
    std::unique_ptr<Printer> m_real;
};

// Read aloud's voice: its module is loaded at the first thing to say.
class LazySpeaker : public Speaker
{
public:
    explicit LazySpeaker(const QString &moduleFolder);
    ~LazySpeaker() override;
    void say(const QString &text, const QString &language) override;
    void stop() override;

private:
    QString m_folder;
    bool m_tried = false;
    std::unique_ptr<Speaker> m_real;
};

// My Facts and the chart library come with their module, loaded the first
// time the window opens; without it a message says what is missing.
void openMyFacts(Module1 &m, QWidget *owner);

// On Wayland, window given the keyboard with a token the desktop accepts
// (numbloom-wayland.so, loaded on first use, so X11 never loads the Wayland
// library). False when it could not be asked: without the module, for one.
bool activateOnWayland(QWindow *window);
