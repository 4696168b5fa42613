// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces that touch the machine: the pause, the real sound player on a
// machine without audio, the shared random source.
#include "app/module1.h"
#include "loader/lazymodules.h"
#include "modules/sound/pulsesoundplayer.h"
#include "platform/systemclock.h"
#include "platform/wave.h"
#include "controls/widgets.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>

namespace {
double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// A wave file of any layout: format tag, channels, rate, bits, sample bytes.
QByteArray waveOf(quint16 tag, quint16 channels, quint32 rate, quint16 bits, const QByteArray &data)
{
    QByteArray b;
    auto u32 = [&b](quint32 v) { for (int i = 0; i < 4; ++i) b += char((v >> (8 * i)) & 0xff); };
    auto u16 = [&b](quint16 v) { b += char(v & 0xff); b += char(v >> 8); };
    const quint16 align = quint16(channels * bits / 8);
    b += "RIFF"; u32(36 + quint32(data.size())); b += "WAVE";
    b += "fmt "; u32(16); u16(tag); u16(channels); u32(rate); u32(rate * align); u16(align); u16(bits);
    b += "data"; u32(quint32(data.size()));
    return b + data;
}

// A mono 16-bit wave of the given length.
QByteArray wave(int ms)
{
    const quint32 rate = 22050, bytes = rate * 2 * quint32(ms) / 1000;
    return waveOf(1, 1, rate, 16, QByteArray(int(bytes), '\0'));
}

QByteArray le16(std::initializer_list<qint16> v)
{
    QByteArray b;
    for (qint16 s : v) { b += char(quint16(s) & 0xff); b += char(quint16(s) >> 8); }
    return b;
}
} // namespace

class tst_platform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pauseSleepsWithoutSpinning();
    void pauseTakesAtLeastTheTime_data();
    void pauseTakesAtLeastTheTime();
    void waveLength_data();
    void waveLength();
    void convertToStream_data();
    void convertToStream();
    void waitingPlayKeepsRhythmWithoutAudio();
    void randomStaysBelowOne();
    void modulesLoadOnFirstUse();
    void missingModulesFailSafely();
    void spinArrowsForScreenReader_data();
    void spinArrowsForScreenReader();
};

void tst_platform::pauseSleepsWithoutSpinning()
{
    SystemClock clock;
    Services s;
    s.clock = &clock;
    Module1 m(s);
    QElapsedTimer wall;
    const double cpu0 = cpuSeconds();
    wall.start();
    m.Pause(5.0f);
    const double cpu = cpuSeconds() - cpu0;
    const qint64 ms = wall.elapsed();
    qInfo("5 s pause: %lld ms wall, %.1f ms processor (%.2f%%)", ms, cpu * 1000, 100.0 * cpu * 1000 / double(ms));
    QVERIFY(ms >= 5000);
    QVERIFY2(cpu * 1000 < 0.05 * double(ms), "the pause must not busy-wait");
}

void tst_platform::pauseTakesAtLeastTheTime_data()
{
    QTest::addColumn<float>("seconds");
    QTest::newRow("0.05") << 0.05f;
    QTest::newRow("0.3") << 0.3f;
    QTest::newRow("0") << 0.0f;
}

void tst_platform::pauseTakesAtLeastTheTime()
{
    QFETCH(float, seconds);
    SystemClock clock;
    Services s;
    s.clock = &clock;
    Module1 m(s);
    QElapsedTimer wall;
    wall.start();
    m.Pause(seconds);
    QVERIFY(wall.elapsed() >= qint64(seconds * 1000));
    QVERIFY(wall.elapsed() < qint64(seconds * 1000) + 200);
}

void tst_platform::waveLength_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("ms");
    QTest::newRow("600 ms") << wave(600) << 600;
    QTest::newRow("empty") << QByteArray() << -1;
    QTest::newRow("not a wave") << QByteArray("RIFF....AVI LIST") << -1;
    QTest::newRow("no format chunk") << QByteArray("RIFF\x04\0\0\0WAVEdata\x10\0\0\0", 20) << -1;
    QTest::newRow("data size past the end") << wave(100).left(200) << 3; // 156 data bytes at 44100 per second
    QTest::newRow("8-bit stereo") << waveOf(1, 2, 8000, 8, QByteArray(1600, '\x80')) << 100;
    QTest::newRow("24-bit") << waveOf(1, 1, 8000, 24, QByteArray(2400, 0)) << -1;
    QTest::newRow("float") << waveOf(3, 1, 8000, 32, QByteArray(3200, 0)) << -1;
    QTest::newRow("three channels") << waveOf(1, 3, 8000, 16, QByteArray(4800, 0)) << -1;
    QTest::newRow("20 s at a low rate") << waveOf(1, 1, 1000, 8, QByteArray(20000, '\x80')) << 20000;
    QTest::newRow("longer than 20 s") << waveOf(1, 1, 1000, 8, QByteArray(20001, '\x80')) << -1;
    QTest::newRow("header only") << wave(100).left(44) << -1;
    QTest::newRow("half a frame") << waveOf(1, 2, 8000, 16, QByteArray(2, 0)) << -1;
    QTest::newRow("chunk size that runs away") << QByteArray("RIFF\0\0\0\0WAVEJUNK\xff\xff\xff\xff", 20) << -1;
}

void tst_platform::waveLength()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, ms);
    QCOMPARE(waveLengthMs(bytes), ms);
}

void tst_platform::convertToStream_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QList<int>>("samples");
    // 8 bit is unsigned around 128; each side of a stereo frame is kept.
    QTest::newRow("8-bit stereo as is") << waveOf(1, 2, 8000, 8, QByteArray("\x80\xff\x00\x80", 4)) << 8000 << 2
                                        << QList<int>{0, 32512, -32768, 0};
    QTest::newRow("mono to both sides") << waveOf(1, 1, 8000, 16, le16({1000, -2000})) << 8000 << 2
                                        << QList<int>{1000, 1000, -2000, -2000};
    QTest::newRow("stereo to mono mixes") << waveOf(1, 2, 8000, 16, le16({1000, 3000, -100, -300})) << 8000 << 1
                                          << QList<int>{2000, -200};
    // Twice the rate: a frame between each pair, and none past the last one.
    QTest::newRow("doubled rate") << waveOf(1, 1, 8000, 16, le16({0, 1000, 2000})) << 16000 << 1
                                  << QList<int>{0, 500, 1000, 1500, 2000, 2000};
    QTest::newRow("halved rate") << waveOf(1, 1, 16000, 16, le16({0, 1000, 2000, 3000})) << 8000 << 1
                                 << QList<int>{0, 2000};
}

void tst_platform::convertToStream()
{
    QFETCH(QByteArray, file);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(QList<int>, samples);
    WavePcm w;
    QVERIFY(parseWave(file, &w));
    const std::vector<int16_t> out = convertWave(w, rate, channels);
    QCOMPARE(QList<int>(out.begin(), out.end()), samples);
}

void tst_platform::waitingPlayKeepsRhythmWithoutAudio()
{
    // On a machine with no audio output (as here and in CI) a waiting play
    // costs the sound's own length, not more, and never hangs; a file that
    // cannot be played costs nothing.
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("s.wav")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(wave(400));
    f.close();
    PulseSoundPlayer player;
    QElapsedTimer wall;
    wall.start();
    player.play(f.fileName(), SoundPlayer::Wait);
    const qint64 waited = wall.elapsed();
    qInfo("waiting play of a 400 ms sound took %lld ms", waited);
    QVERIFY(waited >= 350);
    QVERIFY(waited < 1500);
    wall.restart();
    player.play(f.fileName(), SoundPlayer::Async);
    player.play(dir.filePath(QStringLiteral("missing.wav")), SoundPlayer::Wait);
    QVERIFY(wall.elapsed() < 200);
}

void tst_platform::randomStaysBelowOne()
{
    MtRandom r;
    r.seed(12345);
    float lo = 1, hi = 0;
    for (int i = 0; i < 200000; ++i) {
        const float v = r.next();
        QVERIFY(v >= 0.0f && v < 1.0f);
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    QVERIFY(lo < 0.001f && hi > 0.999f);
    MtRandom a, b;
    a.seed(7);
    b.seed(7);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(a.next(), b.next());
}

void tst_platform::modulesLoadOnFirstUse()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a printer is installed here; a test sends nothing to it");
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    LazyPrinter printer(QStringLiteral(NUMBLOOM_PROGRAM_DIR));
    PrintTarget target;
    QString error;
    std::unique_ptr<PageSurface> page = printer.startPage(QStringLiteral("Numbloom Facts"), &target, &error);
    qputenv("HOME", oldHome);
    QVERIFY2(page, qPrintable(error));
    QCOMPARE(page->scaleWidth(), 850.0f);
    QVERIFY(page->endDocument(&error));

    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("s.wav")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(wave(300));
    f.close();
    LazySoundPlayer sound{QStringLiteral(NUMBLOOM_PROGRAM_DIR)};
    QElapsedTimer wall;
    wall.start();
    sound.play(f.fileName(), SoundPlayer::Wait);
    QVERIFY(wall.elapsed() >= 250 && wall.elapsed() < 1500);
}

void tst_platform::missingModulesFailSafely()
{
    QTemporaryDir empty;
    LazyPrinter printer(empty.path());
    PrintTarget target;
    QString error;
    QVERIFY(!printer.startPage(QStringLiteral("Numbloom Worksheet"), &target, &error));
    QVERIFY2(error.contains(QStringLiteral("numbloom-print.so")), qPrintable(error));
    // Without its module a waiting sound is silence in the sound's own time.
    QFile f(empty.filePath(QStringLiteral("s.wav")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(wave(200));
    f.close();
    LazySoundPlayer sound(empty.path());
    QElapsedTimer wall;
    wall.start();
    sound.play(f.fileName(), SoundPlayer::Wait);
    QVERIFY(wall.elapsed() >= 190);
    sound.play(f.fileName(), SoundPlayer::Async);
    sound.stop();
    QVERIFY(wall.elapsed() < 1000);
}

void tst_platform::spinArrowsForScreenReader_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("action");  // an action's name, or empty to set the value
    QTest::addColumn<double>("target");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("maxSteps");
    QTest::newRow("increase") << true << QAccessibleActionInterface::increaseAction() << 0.0 << 2.5 << 1;
    QTest::newRow("decrease") << true << QAccessibleActionInterface::decreaseAction() << 0.0 << 1.5 << 1;
    // A drill locks the arrows; a screen reader must not change what they set.
    QTest::newRow("increase while locked") << false << QAccessibleActionInterface::increaseAction() << 0.0 << 2.0 << 0;
    QTest::newRow("set while locked") << false << QString() << 5.0 << 2.0 << 0;
    QTest::newRow("set to a step") << true << QString() << 5.0 << 5.0 << 6;
    QTest::newRow("set between steps") << true << QString() << 3.2 << 3.5 << 3;
    QTest::newRow("set past the end") << true << QString() << 99.0 << 6.0 << 9;
}

void tst_platform::spinArrowsForScreenReader()
{
    QFETCH(bool, enabled);
    QFETCH(QString, action);
    QFETCH(double, target);
    QFETCH(double, expected);
    QFETCH(int, maxSteps);
    // Arrows over a half-step value from 0.5 to 6, as the count-down's are.
    QWidget window;
    SpinButton spin(&window);
    double value = 2.0;
    int steps = 0;
    auto step = [&](double by) {
        ++steps;
        value = std::clamp(value + by, 0.5, 6.0);
        spin.setShownValue(value, 0.5, 6.0, QString::number(value));
    };
    connect(&spin, &SpinButton::spinUp, &spin, [&] { step(0.5); });
    connect(&spin, &SpinButton::spinDown, &spin, [&] { step(-0.5); });
    spin.setShownValue(value, 0.5, 6.0, QString::number(value));
    window.show();
    spin.setEnabled(enabled);

    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&spin);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::SpinBox);
    QVERIFY(iface->actionInterface() && iface->valueInterface());
    if (action.isEmpty())
        iface->valueInterface()->setCurrentValue(target);
    else
        iface->actionInterface()->doAction(action);
    QCOMPARE(value, expected);
    QCOMPARE(iface->valueInterface()->currentValue().toDouble(), expected);
    // The words a screen reader says for the value follow it.
    QAccessibleTextInterface *text = iface->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), QString::number(expected));
    QVERIFY2(steps <= maxSteps, qPrintable(QStringLiteral("%1 steps").arg(steps)));
}

QTEST_MAIN(tst_platform)
#include "tst_platform.moc"
