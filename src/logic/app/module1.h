// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values and procedures every window shares: the settings, the program's
// folder, the fact handed to the fact picture, and AppFile, PlaySound, Pause.
#include "platform/services.h"
#include "settings.h"

#include <QString>
#include <functional>

class Module1
{
public:
    explicit Module1(const Services &services);

    Settings settings;
    QString AppDir;       // the program's folder, with a trailing "/"
    QString HelpFile;
    // The translation loaded at start ("de", "pt_BR"); empty for English.
    QString Language;
    int16_t PictureFactor = 0;
    int16_t PictureMultiplier = 0;
    Services svc;

    QString AppFile(const QString &name) const { return AppDir + name; }
    // Read at start and written by Exit; the same file unless the program's
    // folder cannot be written (see settingsplace.h).
    QString settingsReadPath;
    QString settingsWritePath;
    // Chooses the two paths for AppDir, and clears away what a save killed
    // half-way left there.
    void placeSettings();
    // Writes the settings where Exit keeps them, making the user's folder
    // when it is the one; false with the reason (empty when there is no
    // place at all: settingsWritePath is empty).
    bool saveSettings(QString *error) const;

    // The program's sounds, each a wave file in its folder.
    enum class Sound { Ding, UhOh, Tada, Single, Boing };
    // Stops what is playing and plays the sound; flags as SoundPlayer's.
    void PlaySound(Sound sound, int flags);
    // The help file, in the language of the run, in the help viewer; at the
    // part the anchor names, when there is one.
    void ShowHelp(const QString &anchor = QString()) const;
    // Read aloud, for the child practising: Say speaks the text in the
    // program's language when it is on, and does nothing otherwise.
    bool ReadAloud = false;
    void Say(const QString &text);
    // Holds the window thread for the given seconds without spinning and
    // without handling events: input made meanwhile stays queued.
    void Pause(float seconds);

    // Ends the program at once; main sets it, tests record it.
    std::function<void()> endProgram;
};
