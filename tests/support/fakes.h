// SPDX-License-Identifier: GPL-3.0-or-later
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
    void showHelp(const QString &path, const QString &anchor) override
    {
        shown.append(path);
        anchors.append(anchor);
    }
    QStringList shown;
    QStringList anchors;
};

class FakeBrowser : public Browser
{
public:
    bool openUrl(const QUrl &url) override { opened.append(url); return succeed; }
    QList<QUrl> opened;
    bool succeed = true;
};


#include "platform/services.h"
#include "recordingsurface.h"

// A page that records what is drawn on it, on the printed pages' scale.
class RecordingPage : public RecordingSurface, public PageSurface
{
public:
    RecordingPage() : RecordingSurface(850, 1100, 10, 20) {}
    DrawSurface &surface() { return static_cast<PageSurface &>(*this); }
    bool endDocument(QString *error) override;
    // The page ops before it, one entry for each new page.
    bool newPage(QString *) override
    {
        pageBreaks << int(ops.size());
        return true;
    }
    QVector<int> pageBreaks;
    bool ended = false;
    bool fail = false;
    // DrawSurface comes through both bases; RecordingSurface does the work.
    float scaleWidth() const override { return RecordingSurface::scaleWidth(); }
    float scaleHeight() const override { return RecordingSurface::scaleHeight(); }
    float currentX() const override { return RecordingSurface::currentX(); }
    float currentY() const override { return RecordingSurface::currentY(); }
    void setCurrentX(float x) override { RecordingSurface::setCurrentX(x); }
    void setCurrentY(float y) override { RecordingSurface::setCurrentY(y); }
    void setFont(const QString &f, double p) override { RecordingSurface::setFont(f, p); }
    float textWidth(const QString &t) const override { return RecordingSurface::textWidth(t); }
    float textHeight(const QString &t) const override { return RecordingSurface::textHeight(t); }
    QColor foreColor() const override { return RecordingSurface::foreColor(); }
    void setForeColor(const QColor &c) override { RecordingSurface::setForeColor(c); }
    int drawWidth() const override { return RecordingSurface::drawWidth(); }
    void setDrawWidth(int w) override { RecordingSurface::setDrawWidth(w); }
    void setFillColor(const QColor &c) override { RecordingSurface::setFillColor(c); }
    void printText(const QString &t) override { RecordingSurface::printText(t); }
    void line(float a, float b, float c, float d, const QColor &col) override { RecordingSurface::line(a, b, c, d, col); }
    void filledBox(float a, float b, float c, float d, const QColor &col) override { RecordingSurface::filledBox(a, b, c, d, col); }
    void rectangle(float a, float b, float c, float d) override { RecordingSurface::rectangle(a, b, c, d); }
    void circle(float x, float y, float r) override { RecordingSurface::circle(x, y, r); }
    void polygon(const QVector<QPointF> &p) override { RecordingSurface::polygon(p); }
    void clear() override { RecordingSurface::clear(); }
};

class FakePrinter : public Printer
{
public:
    std::unique_ptr<PageSurface> startPage(const QString &documentName, PrintTarget *target, QString *error) override;
    QStringList documents;
    QVector<RecordingPage *> pages; // owned by the caller while it prints
    QVector<QVector<Op>> finished;  // what each ended job held
    QVector<QVector<int>> breaks;   // where its pages begin after the first
    bool pdf = true;
    bool noDefault = false; // printers, but none is the default
    bool refuse = false;
    bool failAtEnd = false;
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
    FakePrinter printer;
    std::unique_ptr<Module1> module;
    int endCalls = 0;

private:
    QTemporaryDir m_dir;
};

// The draw that makes Int(r * n) give v.
inline float drawFor(int v, int n) { return (float(v) + 0.5f) / float(n); }
