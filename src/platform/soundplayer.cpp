#include "soundplayer.h"
#include "wave.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include <chrono>
#include <condition_variable>
#include <mutex>

// Lives on the sound thread; owns the effects.
class SoundWorker : public QObject
{
public:
    void playNow(const QString &path, int lengthMs, quint64 token)
    {
        if (!m_checked) {
            m_checked = true;
            m_hasOutput = !QMediaDevices::audioOutputs().isEmpty();
        }
        stopNow();
        if (!m_hasOutput) {
            // Silence, but in the sound's own time, so the drill and the fact
            // picture keep their rhythm on a machine without audio.
            QTimer::singleShot(lengthMs, this, [this, token] { finish(token); });
            return;
        }
        QSoundEffect *e = m_effects.value(path);
        if (!e) {
            e = new QSoundEffect(this);
            e->setSource(QUrl::fromLocalFile(path));
            m_effects.insert(path, e);
        }
        m_current = e;
        m_token = token;
        QObject::connect(e, &QSoundEffect::playingChanged, this, [this, e] {
            if (e == m_current && !e->isPlaying())
                finish(m_token);
        }, Qt::UniqueConnection);
        e->play();
    }

    void stopNow()
    {
        if (m_current) {
            m_current->stop();
            m_current = nullptr;
        }
    }

    void finish(quint64 token)
    {
        {
            std::lock_guard lock(mutex);
            if (token > finished)
                finished = token;
        }
        cv.notify_all();
    }

    std::mutex mutex;
    std::condition_variable cv;
    quint64 finished = 0;

private:
    QHash<QString, QSoundEffect *> m_effects;
    QSoundEffect *m_current = nullptr;
    quint64 m_token = 0;
    bool m_checked = false;
    bool m_hasOutput = false;
};

class SoundThread
{
public:
    SoundThread()
    {
        worker = new SoundWorker;
        worker->moveToThread(&thread);
        QObject::connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
        thread.start();
    }
    ~SoundThread()
    {
        QMetaObject::invokeMethod(worker, [w = worker] { w->stopNow(); }, Qt::QueuedConnection);
        thread.quit();
        thread.wait();
    }
    QThread thread;
    SoundWorker *worker;
    quint64 nextToken = 0;
};

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

int QtSoundPlayer::lengthOf(const QString &path)
{
    auto it = m_lengths.constFind(path);
    if (it != m_lengths.constEnd())
        return *it;
    const int ms = waveLengthMs(path);
    m_lengths.insert(path, ms);
    return ms;
}

void QtSoundPlayer::play(const QString &path, int flags)
{
    const int length = lengthOf(path);
    if (length < 0) {
        beep();
        return;
    }
    // The sound thread and the multimedia libraries start with the first sound,
    // not with the program.
    if (!m_thread)
        m_thread = std::make_unique<SoundThread>();
    const quint64 token = ++m_thread->nextToken;
    SoundWorker *w = m_thread->worker;
    QMetaObject::invokeMethod(w, [w, path, length, token] { w->playNow(path, length, token); }, Qt::QueuedConnection);
    if (flags & Async)
        return;
    // Wait for the end, but never longer than the file's own length and a
    // margin: some audio servers report the end late, or never.
    const auto limit = std::chrono::milliseconds(length + 120);
    std::unique_lock lock(w->mutex);
    w->cv.wait_for(lock, limit, [w, token] { return w->finished >= token; });
}

void QtSoundPlayer::stop()
{
    if (!m_thread)
        return;
    SoundWorker *w = m_thread->worker;
    QMetaObject::invokeMethod(w, [w] { w->stopNow(); }, Qt::QueuedConnection);
}

void QtSoundPlayer::beep() { QApplication::beep(); }

// The entry point the program looks up when it loads this module.
extern "C" Q_DECL_EXPORT SoundPlayer *numbloom_create_sound_player()
{
    return new QtSoundPlayer;
}
