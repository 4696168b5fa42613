// SPDX-License-Identifier: GPL-3.0-or-later
#include "pulsesoundplayer.h"
#include "app/logging.h"
#include "platform/wave.h"

#include <QApplication>

#include <pulse/pulseaudio.h>

#include <chrono>
#include <cstring>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

using SteadyClock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {
// Every sound is converted to this once, when its file is first read.
constexpr int StreamRate = 48000;
constexpr int StreamChannels = 2;
// What the server keeps queued ahead of the device. 70 ms played every sound
// whole on PipeWire and on PulseAudio; 30 ms played nothing on PulseAudio's
// null sink.
constexpr auto StreamBuffer = 70ms;
// The stream closes after this much silence so the device can sleep and the
// program's idle processor use drops to nothing; the next sound opens it again.
constexpr auto IdleClose = 3s;
// A server that is not there is asked again at a sound, but not more often.
constexpr auto RetryEvery = 1s;
// A sound the stream could not start by then is dropped: a ding heard late is
// worse than one not heard.
constexpr auto StaleAfter = 150ms;
// A stream just opened loses its first 15-25 ms on PulseAudio while the sink
// wakes up (PipeWire plays them): the first sound after opening goes behind
// this much silence, so that what is lost is silence.
constexpr auto OpeningLead = 40ms;
} // namespace

struct StreamSound
{
    std::vector<int16_t> samples; // interleaved, in the stream's format
    std::chrono::milliseconds length{0};
};

// The connection to the audio server and its one playback stream. Everything
// here but the start notice is guarded by the threaded main loop's lock; the
// server's callbacks run on the main loop's own thread.
class PulseEngine
{
public:
    PulseEngine()
    {
        // Without its main loop the engine stays silent: sounds keep their time.
        m_loop = pa_threaded_mainloop_new();
        if (m_loop && pa_threaded_mainloop_start(m_loop) < 0) {
            pa_threaded_mainloop_free(m_loop);
            m_loop = nullptr;
        }
    }


    ~PulseEngine()
    {
        if (!m_loop)
            return;
        pa_threaded_mainloop_lock(m_loop);
        dropContext();
        pa_threaded_mainloop_unlock(m_loop);
        pa_threaded_mainloop_stop(m_loop);
        pa_threaded_mainloop_free(m_loop);
    }

    // Starts the sound as soon as the stream can take it (at once when it is
    // open), replacing whatever was playing.
    void play(std::shared_ptr<const StreamSound> sound, quint64 token)
    {
        if (!m_loop)
            return;
        pa_threaded_mainloop_lock(m_loop);
        m_pending = std::move(sound);
        m_pendingToken = token;
        m_pendingAt = SteadyClock::now();
        if (contextReady()) {
            if (streamReady())
                writePending();
            else if (!m_stream || streamGone())
                openStream();
        } else {
            connect();
        }
        pa_threaded_mainloop_unlock(m_loop);
    }

    void stop()
    {
        if (!m_loop)
            return;
        pa_threaded_mainloop_lock(m_loop);
        m_pending.reset();
        if (streamReady())
            unref(pa_stream_flush(m_stream, nullptr, nullptr));
        pa_threaded_mainloop_unlock(m_loop);
    }

    // When the sound of this token started, or nothing if it has not by then.
    std::optional<SteadyClock::time_point> waitStart(quint64 token, SteadyClock::time_point until)
    {
        std::unique_lock lock(m_startMutex);
        if (!m_started.wait_until(lock, until, [&] { return m_startedToken >= token; }))
            return std::nullopt;
        return m_startedAt;
    }

    // A sound whose time is up without a start is not played late.
    void forget(quint64 token)
    {
        if (!m_loop)
            return;
        pa_threaded_mainloop_lock(m_loop);
        if (m_pending && m_pendingToken == token)
            m_pending.reset();
        pa_threaded_mainloop_unlock(m_loop);
    }

private:
    static void unref(pa_operation *o)
    {
        if (o)
            pa_operation_unref(o);
    }

    bool contextReady() const { return m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY; }
    bool streamReady() const { return m_stream && pa_stream_get_state(m_stream) == PA_STREAM_READY; }
    bool streamGone() const
    {
        const pa_stream_state_t s = pa_stream_get_state(m_stream);
        return s == PA_STREAM_FAILED || s == PA_STREAM_TERMINATED;
    }

    void connect()
    {
        if (m_context) {
            const pa_context_state_t s = pa_context_get_state(m_context);
            if (s != PA_CONTEXT_FAILED && s != PA_CONTEXT_TERMINATED)
                return; // still on its way
            dropContext();
        }
        const auto now = SteadyClock::now();
        if (m_attempted && now - m_lastAttempt < RetryEvery)
            return;
        m_attempted = true;
        m_lastAttempt = now;
        m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Numbloom");
        if (!m_context)
            return;
        pa_context_set_state_callback(m_context, &PulseEngine::contextChanged, this);
        // Never start a server of our own: no server means silence.
        if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            dropContext();
    }

    static void contextChanged(pa_context *c, void *self)
    {
        auto *e = static_cast<PulseEngine *>(self);
        switch (pa_context_get_state(c)) {
        case PA_CONTEXT_READY:
            if (e->m_pending)
                e->openStream();
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            qCInfo(lcSound, "no audio server: %s", pa_strerror(pa_context_errno(c)));
            // The server went away; the next sound asks for it again.
            e->dropStream();
            break;
        default:
            break;
        }
    }

    void openStream()
    {
        dropStream();
        const pa_sample_spec format{PA_SAMPLE_S16LE, StreamRate, StreamChannels};
        m_stream = pa_stream_new(m_context, "Numbloom", &format, nullptr);
        if (!m_stream)
            return;
        pa_stream_set_state_callback(m_stream, &PulseEngine::streamChanged, this);
        pa_stream_set_write_callback(m_stream, &PulseEngine::wantsMore, this);
        pa_buffer_attr attr;
        attr.maxlength = uint32_t(-1);
        attr.tlength = uint32_t(pa_usec_to_bytes(pa_usec_t(std::chrono::microseconds(StreamBuffer).count()), &format));
        // No pre-buffering: a sound plays as soon as it is written, and the
        // stream is never held back after it has run dry between sounds.
        attr.prebuf = 0;
        attr.minreq = uint32_t(-1);
        attr.fragsize = uint32_t(-1);
        if (pa_stream_connect_playback(m_stream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
            dropStream();
    }

    static void streamChanged(pa_stream *s, void *self)
    {
        auto *e = static_cast<PulseEngine *>(self);
        if (s != e->m_stream || pa_stream_get_state(s) != PA_STREAM_READY)
            return;
        // Even a stream whose sound was dropped on the way closes when idle.
        e->m_idleFrom = std::max(e->m_idleFrom, SteadyClock::now());
        e->armIdleClose();
        e->m_readyAt = SteadyClock::now();
        e->writePending();
    }

    // Between sounds the stream is kept fed with silence: a stream that runs
    // dry loses the start of the next sound on PulseAudio.
    static void wantsMore(pa_stream *s, size_t bytes, void *)
    {
        // The server asks once for all it wants; one buffer may hold less.
        while (bytes > 0) {
            void *buffer = nullptr;
            size_t chunk = bytes;
            if (pa_stream_begin_write(s, &buffer, &chunk) < 0 || !buffer || chunk == 0)
                return;
            memset(buffer, 0, chunk);
            if (pa_stream_write(s, buffer, chunk, nullptr, 0, PA_SEEK_RELATIVE) < 0)
                return;
            bytes -= std::min(bytes, chunk);
        }
    }

    void writePending()
    {
        if (!m_pending)
            return;
        const std::shared_ptr<const StreamSound> sound = std::move(m_pending);
        m_pending.reset();
        const auto now = SteadyClock::now();
        if (now - m_pendingAt > StaleAfter)
            return;
        // Within the opening lead of a fresh stream (the first sound, or one
        // that replaced it at once) the sound goes behind what is left of it.
        const auto lead = std::max(0ms, std::chrono::ceil<std::chrono::milliseconds>(OpeningLead - (now - m_readyAt)));
        std::vector<int16_t> led;
        const std::vector<int16_t> *samples = &sound->samples;
        if (lead > 0ms) {
            led.assign(size_t(lead.count()) * StreamRate / 1000 * StreamChannels, 0);
            led.insert(led.end(), sound->samples.begin(), sound->samples.end());
            samples = &led;
        }
        // Stop what is playing, then put the whole sound where the server
        // reads next: it starts at once, and nothing of it is dropped, since
        // the stream stays open after it.
        unref(pa_stream_flush(m_stream, nullptr, nullptr));
        if (pa_stream_write(m_stream, samples->data(), samples->size() * sizeof(int16_t), nullptr, 0,
                            PA_SEEK_RELATIVE_ON_READ)
            < 0)
            return;
        const auto start = now + lead;
        {
            std::lock_guard lock(m_startMutex);
            m_startedToken = m_pendingToken;
            m_startedAt = start;
        }
        m_started.notify_all();
        m_idleFrom = start + sound->length;
        armIdleClose();
    }

    void armIdleClose()
    {
        const auto wait = std::chrono::duration_cast<std::chrono::microseconds>(m_idleFrom + IdleClose
                                                                                - SteadyClock::now());
        const pa_usec_t at = pa_rtclock_now() + pa_usec_t(std::max<int64_t>(0, wait.count()));
        if (m_idle)
            pa_context_rttime_restart(m_context, m_idle, at);
        else
            m_idle = pa_context_rttime_new(m_context, at, &PulseEngine::idleTimeUp, this);
    }

    static void idleTimeUp(pa_mainloop_api *api, pa_time_event *ev, const struct timeval *, void *self)
    {
        auto *e = static_cast<PulseEngine *>(self);
        // A stream still being made cannot be closed yet, nor one that has a
        // sound on its way.
        const bool busy = e->m_pending || (e->m_stream && pa_stream_get_state(e->m_stream) == PA_STREAM_CREATING);
        if (busy || SteadyClock::now() < e->m_idleFrom + IdleClose) {
            e->armIdleClose();
            return;
        }
        api->time_free(ev);
        e->m_idle = nullptr;
        e->dropStream();
    }

    void dropStream()
    {
        if (!m_stream)
            return;
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        if (pa_stream_get_state(m_stream) == PA_STREAM_READY || pa_stream_get_state(m_stream) == PA_STREAM_CREATING)
            pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }

    void dropContext()
    {
        if (m_idle) {
            pa_threaded_mainloop_get_api(m_loop)->time_free(m_idle);
            m_idle = nullptr;
        }
        dropStream();
        if (!m_context)
            return;
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }

    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    pa_time_event *m_idle = nullptr;
    SteadyClock::time_point m_idleFrom;
    SteadyClock::time_point m_readyAt; // when the stream last became ready
    bool m_attempted = false;
    SteadyClock::time_point m_lastAttempt;

    std::shared_ptr<const StreamSound> m_pending;
    quint64 m_pendingToken = 0;
    SteadyClock::time_point m_pendingAt;

    std::mutex m_startMutex;
    std::condition_variable m_started;
    quint64 m_startedToken = 0;
    SteadyClock::time_point m_startedAt;
};

PulseSoundPlayer::PulseSoundPlayer() = default;
PulseSoundPlayer::~PulseSoundPlayer() = default;

std::shared_ptr<const StreamSound> PulseSoundPlayer::load(const QString &path)
{
    auto it = m_sounds.constFind(path);
    if (it != m_sounds.constEnd())
        return *it;
    std::shared_ptr<StreamSound> sound;
    WavePcm wave;
    if (readWaveFile(path, &wave)) {
        sound = std::make_shared<StreamSound>();
        sound->samples = convertWave(wave, StreamRate, StreamChannels);
        sound->length = std::chrono::milliseconds(qint64(sound->samples.size() / StreamChannels) * 1000 / StreamRate);
    }
    m_sounds.insert(path, sound);
    return sound;
}

void PulseSoundPlayer::play(const QString &path, int flags)
{
    const std::shared_ptr<const StreamSound> sound = load(path);
    if (!sound) {
        qCWarning(lcSound) << "cannot play" << path;
        beep();
        return;
    }
    // The server connection starts with the first sound, not with the program.
    if (!m_engine)
        m_engine = std::make_unique<PulseEngine>();
    const quint64 token = ++m_token;
    const auto asked = SteadyClock::now();
    m_engine->play(sound, token);
    if (flags & Async)
        return;
    // A sound that has not started within its own length (no server, or one
    // that stopped answering) is silence in its own time, so the drill and the
    // fact picture keep their rhythm.
    const std::optional<SteadyClock::time_point> started = m_engine->waitStart(token, asked + sound->length);
    if (!started) {
        m_engine->forget(token);
        return;
    }
    // The sound is whole in the server's hands; it has played once the
    // server has read its last frame.
    std::this_thread::sleep_until(*started + sound->length);
}

void PulseSoundPlayer::stop()
{
    if (m_engine)
        m_engine->stop();
}

void PulseSoundPlayer::beep() { QApplication::beep(); }

// The entry point the program looks up when it loads this module.
extern "C" Q_DECL_EXPORT SoundPlayer *numbloom_create_sound_player()
{
    return new PulseSoundPlayer;
}
