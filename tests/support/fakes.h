#pragma once
// Fakes for everything outside the program, and a fixture that makes a
// program folder in a temporary directory.
#include "app/module1.h"
#include "platform/services.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QVector>
#include <memory>

struct PlayedSound
{
    QString file; // file name only
    int flags;
};

class FakeSound : public SoundPlayer
{
public:
    void play(const QString &path, int flags) override;
    void stop() override { ++stops; }
    void beep() override { ++beeps; }
    QStringList files() const;
    QVector<PlayedSound> played;
    int stops = 0;
    int beeps = 0;
};

// Time moves only when something sleeps.
class FakeClock : public Clock
{
public:
    float secondsSinceMidnight() const override { return float(now) / 1000.0f + 3600.0f; }
    int64_t monotonicMs() const override { return now; }
    void sleepMs(int ms) override { now += ms > 0 ? ms : 1; slept += ms; }
    int64_t now = 0;
    int64_t slept = 0;
};

// Hands out the given draws in order, then repeats the last.
class ScriptedRandom : public RandomSource
{
public:
    void seed(uint32_t s) override { seeds.append(s); }
    float next() override;
    QVector<float> script;
    int drawn = 0;
    QVector<uint32_t> seeds;
};

class FakeHelp : public HelpViewer
{
public:
    void showHelp(const QString &path) override { shown.append(path); }
    QStringList shown;
};

class FakeBrowser : public Browser
{
public:
    bool openUrl(const QUrl &url) override { opened.append(url); return succeed; }
    QList<QUrl> opened;
    bool succeed = true;
};

// A program folder with copies of the shipped files and a Module1 wired to
// the fakes above.
class TestProgram
{
public:
    TestProgram();
    void writeIni(const QByteArray &bytes);
    QByteArray readIni() const;
    QString dir() const { return m_dir.path() + QLatin1Char('/'); }

    FakeSound sound;
    FakeClock clock;
    ScriptedRandom random;
    FakeHelp help;
    FakeBrowser browser;
    std::unique_ptr<Module1> module;
    int endCalls = 0;

private:
    QTemporaryDir m_dir;
};

// The draw that makes Int(r * n) give v.
inline float drawFor(int v, int n) { return (float(v) + 0.5f) / float(n); }

class frmAbout;
class frmTable;

// The real windows started as a user starts them: About, its OK, the main
// window, from a program folder holding the given settings file.
struct StartedProgram
{
    explicit StartedProgram(const QByteArray &ini);
    ~StartedProgram();
    std::unique_ptr<TestProgram> prog;
    std::unique_ptr<frmAbout> about;
    frmTable *main = nullptr;
    int factPictures = 0; // presses that would open the fact picture
};
