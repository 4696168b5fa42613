// SPDX-License-Identifier: GPL-3.0-or-later
#include "lazymodules.h"
#include "app/logging.h"
#include "app/module1.h"
#include "app/texts.h"
#include "platform/wave.h"

#include <QApplication>
#include <QDir>
#include <QLibrary>
#include <QMessageBox>
#include <chrono>
#include <thread>

namespace {
template <class F>
F resolve(const QString &folder, const char *module, const char *entry)
{
    QLibrary lib(QDir(folder).filePath(QString::fromLatin1(module)));
    // The module stays loaded for the rest of the run.
    auto f = reinterpret_cast<F>(lib.resolve(entry));
    if (!f)
        qCWarning(lcModules, "%s could not be loaded: %s", module, qPrintable(lib.errorString()));
    return f;
}

template <class T>
T *create(const QString &folder, const char *module, const char *entry)
{
    auto make = resolve<T *(*)()>(folder, module, entry);
    return make ? make() : nullptr;
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

LazySpeaker::LazySpeaker(const QString &moduleFolder) : m_folder(moduleFolder) {}
LazySpeaker::~LazySpeaker() = default;

void LazySpeaker::say(const QString &text, const QString &language)
{
    if (!m_tried) {
        m_tried = true;
        m_real.reset(create<Speaker>(m_folder, "numbloom-speech.so", "numbloom_create_speaker"));
        if (m_real)
            m_real->cannotSpeak = cannotSpeak;
        else if (cannotSpeak)
            cannotSpeak(Printing::tr("Read aloud (numbloom-speech.so) is missing from the program's folder."));
    }
    if (m_real)
        m_real->say(text, language);
}

void LazySpeaker::stop()
{
    if (m_real)
        m_real->stop();
}

void openMyFacts(Module1 &m, QWidget *owner)
{
    using Show = void (*)(Module1 &, QWidget *);
    static const Show show = resolve<Show>(m.AppDir, "numbloom-facts.so", "numbloom_show_my_facts");
    if (show)
        show(m, owner);
    else
        QMessageBox::warning(owner, QStringLiteral("Numbloom"),
                             Printing::tr("My Facts (numbloom-facts.so) is missing from the program's folder."));
}

bool activateOnWayland(QWindow *window)
{
    using Activate = bool (*)(QWindow *);
    static const Activate activate =
        resolve<Activate>(QCoreApplication::applicationDirPath(), "numbloom-wayland.so", "numbloom_wayland_activate");
    return activate && activate(window);
}
