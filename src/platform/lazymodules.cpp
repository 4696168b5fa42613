#include "lazymodules.h"
#include "app/texts.h"
#include "wave.h"

#include <QApplication>
#include <QDir>
#include <QLibrary>
#include <chrono>
#include <thread>

namespace {
template <class T>
T *create(const QString &folder, const char *module, const char *entry)
{
    QLibrary lib(QDir(folder).filePath(QString::fromLatin1(module)));
    using Make = T *(*)();
    auto make = reinterpret_cast<Make>(lib.resolve(entry));
    if (!make) {
        qWarning("Numbloom: %s could not be loaded: %s", module, qPrintable(lib.errorString()));
        return nullptr;
    }
    // The module stays loaded for the rest of the run.
    return make();
}
} // namespace

LazySoundPlayer::LazySoundPlayer(const QString &moduleFolder) : m_folder(moduleFolder) {}
LazySoundPlayer::~LazySoundPlayer() = default;

SoundPlayer *LazySoundPlayer::real()
{
    if (!m_tried) {
        m_tried = true;
        m_real.reset(create<SoundPlayer>(m_folder, "numbloom-sound.so", "numbloom_create_sound_player"));
    }
    return m_real.get();
}

void LazySoundPlayer::preload() { real(); }

void LazySoundPlayer::play(const QString &path, int flags)
{
    if (SoundPlayer *p = real()) {
        p->play(path, flags);
        return;
    }
    const int ms = waveLengthMs(path);
    if (ms < 0)
        beep();
    else if (!(flags & Async))
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void LazySoundPlayer::stop()
{
    if (m_real)
        m_real->stop();
}

void LazySoundPlayer::beep() { QApplication::beep(); }

LazyPrinter::LazyPrinter(const QString &moduleFolder) : m_folder(moduleFolder) {}
LazyPrinter::~LazyPrinter() = default;

std::unique_ptr<PageSurface> LazyPrinter::startPage(const QString &documentName, PrintTarget *target, QString *error)
{
    if (!m_tried) {
        m_tried = true;
        m_real.reset(create<Printer>(m_folder, "numbloom-print.so", "numbloom_create_printer"));
    }
    if (!m_real) {
        if (error)
            *error = Printing::tr("Printing support (numbloom-print.so) is missing from the program's folder.");
        return nullptr;
    }
    return m_real->startPage(documentName, target, error);
}
