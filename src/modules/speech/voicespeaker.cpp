// SPDX-License-Identifier: GPL-3.0-or-later
#include "voicespeaker.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QLocale>
#include <QLoggingCategory>
#include <QTextToSpeech>
#include <QVoice>

namespace {
Q_LOGGING_CATEGORY(lcSpeech, "numbloom.speech", QtWarningMsg)

struct ReadAloud
{
    Q_DECLARE_TR_FUNCTIONS(ReadAloud)
};

// speech-dispatcher's espeak-ng voices, as Debian 12 names them.
const VoiceSpeaker::Choice Choices[] = {
    {"", "en_US", "English (America)"},     {"de", "de_DE", "German"},
    {"fr", "fr_FR", "French (France)"},     {"es", "es_ES", "Spanish (Spain)"},
    {"it", "it_IT", "Italian"},             {"pt_BR", "pt_BR", "Portuguese (Brazil)"},
    {"nl", "nl_NL", "Dutch"},               {"pl", "pl_PL", "Polish"},
};

// A screen reader is asked again after this long: it may start or stop.
constexpr int ReaderAskMs = 3000;

QString install()
{
    return ReadAloud::tr("Read aloud needs a voice. Please install the packages speech-dispatcher, "
                         "speech-dispatcher-espeak-ng and qt6-speech-speechd-plugin.");
}
} // namespace

VoiceSpeaker::VoiceSpeaker() = default;
VoiceSpeaker::~VoiceSpeaker() = default;

const VoiceSpeaker::Choice *VoiceSpeaker::choiceFor(const QString &language)
{
    for (const Choice &c : Choices)
        if (language == QLatin1String(c.language))
            return &c;
    return nullptr;
}

bool VoiceSpeaker::screenReaderRuns()
{
    if (m_readerAsked.isValid() && m_readerAsked.elapsed() < ReaderAskMs)
        return m_readerRuns;
    m_readerAsked.start();
    // The desktop says so on the session bus; no answer in a moment is no.
    QDBusMessage ask = QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    ask << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled");
    const QDBusMessage reply = QDBusConnection::sessionBus().call(ask, QDBus::Block, 200);
    m_readerRuns = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
                   && reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
    return m_readerRuns;
}

void VoiceSpeaker::cannot(const QString &why)
{
    qCWarning(lcSpeech, "Read aloud cannot speak: %s", qPrintable(why));
    if (std::exchange(m_told, true))
        return;
    if (cannotSpeak)
        cannotSpeak(install());
}

bool VoiceSpeaker::ready(const QString &language)
{
    if (!m_tts) {
        if (!QTextToSpeech::availableEngines().contains(QLatin1String("speechd"))) {
            cannot(QStringLiteral("no speech-dispatcher engine for Qt TextToSpeech"));
            return false;
        }
        m_tts = std::make_unique<QTextToSpeech>(QStringLiteral("speechd"));
        // An engine that fails later says so once, like one that never came.
        QObject::connect(m_tts.get(), &QTextToSpeech::stateChanged, m_tts.get(), [this](QTextToSpeech::State s) {
            if (s == QTextToSpeech::Error)
                cannot(QStringLiteral("the engine failed"));
        });
    }
    if (m_tts->state() == QTextToSpeech::Error) {
        cannot(QStringLiteral("the engine failed"));
        return false;
    }
    if (m_voiceFor == language && !m_voiceFor.isNull())
        return true;
    const Choice *choice = choiceFor(language);
    if (!choice) {
        cannot(QStringLiteral("no voice is known for the language %1").arg(language));
        return false;
    }
    m_tts->setLocale(QLocale(QLatin1String(choice->locale)));
    for (const QVoice &v : m_tts->availableVoices()) {
        if (v.name() == QLatin1String(choice->voice)) {
            m_tts->setVoice(v);
            m_voiceFor = language.isNull() ? QStringLiteral("") : language;
            qCDebug(lcSpeech, "voice \"%s\" for language \"%s\"", qPrintable(v.name()), choice->language);
            return true;
        }
    }
    cannot(QStringLiteral("no voice \"%1\"").arg(QLatin1String(choice->voice)));
    return false;
}

void VoiceSpeaker::say(const QString &text, const QString &language)
{
    // A screen reader speaks everything already; two voices at once help nobody.
    if (screenReaderRuns()) {
        stop();
        return;
    }
    if (!ready(language))
        return;
    // A new problem cuts off the old one; an idle voice needs no stopping.
    if (m_tts->state() == QTextToSpeech::Speaking)
        m_tts->stop();
    m_tts->say(text);
    qCDebug(lcSpeech, "say at %lld: %s", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()), qPrintable(text));
}

void VoiceSpeaker::stop()
{
    if (m_tts)
        m_tts->stop();
}

extern "C" Q_DECL_EXPORT Speaker *numbloom_create_speaker() { return new VoiceSpeaker; }
