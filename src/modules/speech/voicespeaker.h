// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Read aloud's voice: Qt TextToSpeech through speech-dispatcher, in a module
// of its own (numbloom-speech.so) so that the speech libraries cost the
// start-up nothing. The voice is chosen by name for the language and its
// region: Qt's own pick gives Brazilian Portuguese a voice from Portugal and
// American English one from the Caribbean.
#include "platform/services.h"

#include <QElapsedTimer>
#include <QString>
#include <memory>

class QTextToSpeech;

class VoiceSpeaker : public Speaker
{
public:
    VoiceSpeaker();
    ~VoiceSpeaker() override;
    void say(const QString &text, const QString &language) override;
    void stop() override;

    // The voice for a program language ("" English, "de", "pt_BR"), by
    // name, and the locale it is listed under.
    struct Choice
    {
        const char *language, *locale, *voice;
    };
    static const Choice *choiceFor(const QString &language);

private:
    bool screenReaderRuns();
    bool ready(const QString &language);
    void cannot(const QString &why);

    std::unique_ptr<QTextToSpeech> m_tts;
    QString m_voiceFor; // the language the voice is set for
    bool m_told = false;
    bool m_readerRuns = false;
    QElapsedTimer m_readerAsked;
};
