// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/format.h"
#include "app/settings.h"
#include "app/settingsplace.h"
#include "fakes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <future>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
Settings make(int mode, int st, int sf, std::array<int16_t, 5> pt, int pf, int tm, int cds, int dms, int max)
{
    Settings s;
    s.Mode = int16_t(mode);
    s.StudyType = int16_t(st);
    s.StudyFactor = int16_t(sf);
    s.PracticeTypes = pt;
    s.PracticeFactor = int16_t(pf);
    s.TimerMode = int16_t(tm);
    s.CountDownSteps = int16_t(cds);
    s.DelayMs = int16_t(dms);
    s.MaxMultiplier = int16_t(max);
    return s;
}
} // namespace

class tst_settings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reads_data();
    void reads();
    void writesExactBytes_data();
    void writesExactBytes();
    void roundTripFixesOperation();
    void delayAndMaxTexts_data();
    void delayAndMaxTexts();
    void missingFileGivesDefaults();
    void saveReplacesWhole();
    void pipeGivesDefaults();
    void straySaveFilesRemoved();
    void noHomeMeansNoUserFolder_data();
    void noHomeMeansNoUserFolder();
    void makeFolderGivesReason();
    void placeBesideProgramWhenWritable();
    void placeInUserFolderOtherwise();
};

void tst_settings::reads_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Settings>("expected");
    QTest::addColumn<int>("bad");

    const Settings d;
    QTest::newRow("example five lines") << QByteArray("1\r\n3,4\r\n0,0,1,0,-1\r\n2,4,1000\r\n12\r\n")
                                        << make(1, 3, 4, {0, 0, 0, 1, 0}, -1, 2, 4, 1000, 12) << 0;
    QTest::newRow("one line") << QByteArray("1,3,4,0,0,1,0,-1,2,4,1000,12")
                              << make(1, 3, 4, {0, 0, 0, 1, 0}, -1, 2, 4, 1000, 12) << 0;
    QTest::newRow("LF ends and blanks") << QByteArray(" 1 \n3, 4\n0,0,1,0, 7\n\n1,60,0\n 0")
                                        << make(1, 3, 4, {0, 0, 0, 1, 0}, 7, 1, 60, 0, 0) << 0;
    QTest::newRow("other operations kept as read") << QByteArray("0\r\n1,5\r\n1,1,0,1,7\r\n0,4,1000\r\n12\r\n")
                                                   << make(0, 1, 5, {0, 1, 1, 0, 1}, 7, 0, 4, 1000, 12) << 0;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF" "1\r\n3,4\r\n0,0,1,0,-1\r\n2,4,1000\r\n12\r\n")
                                     << make(1, 3, 4, {0, 0, 0, 1, 0}, -1, 2, 4, 1000, 12) << 0;
    // Windows Notepad's "Unicode": UTF-16 little-endian with its mark.
    const QString example = QStringLiteral("1\r\n3,4\r\n0,0,1,0,-1\r\n2,4,1000\r\n12\r\n");
    QByteArray le("\xFF\xFE"), be("\xFE\xFF");
    for (QChar c : example) {
        le += char(c.unicode()) + QByteArray(1, '\0');
        be += QByteArray(1, '\0') + char(c.unicode());
    }
    QTest::newRow("UTF-16 LE") << le << make(1, 3, 4, {0, 0, 0, 1, 0}, -1, 2, 4, 1000, 12) << 0;
    QTest::newRow("UTF-16 BE") << be << make(1, 3, 4, {0, 0, 0, 1, 0}, -1, 2, 4, 1000, 12) << 0;
    // U+0131 must not narrow to the byte 0x31, the digit 1.
    QTest::newRow("UTF-16 letter that is no digit") << QByteArray("\xFF\xFE" "\x31\x01", 4) << d << 12;
    QTest::newRow("UTF-16 mark, odd byte out") << QByteArray("\xFF\xFE" "1\0,\0" "3", 7) << make(1, 3, 1, d.PracticeTypes, -1, 0, 4, 1000, 12) << 11;
    QTest::newRow("empty") << QByteArray() << d << 12;
    QTest::newRow("garbage") << QByteArray("\x00\xff\xfe hello\x01,\x02") << d << 12;
    QTest::newRow("fewer than 12") << QByteArray("1\r\n3,9\r\n") << make(1, 3, 9, d.PracticeTypes, -1, 0, 4, 1000, 12) << 9;
    QTest::newRow("not whole numbers") << QByteArray("1\r\n3,2.5\r\n0,0,1,0,x\r\n1e2,4,1000\r\n7\r\n")
                                       << make(1, 3, 1, d.PracticeTypes, -1, 0, 4, 1000, 7) << 3;
    QTest::newRow("outside 16 bits") << QByteArray("0\r\n99999,3\r\n0,0,1,0,-40000\r\n0,4,70000\r\n12\r\n")
                                     << make(0, 3, 3, d.PracticeTypes, -1, 0, 4, 1000, 12) << 3;
    QTest::newRow("Mode 5") << QByteArray("5\r\n3,4\r\n0,0,1,0,-1\r\n2,4,1000\r\n12\r\n")
                            << make(0, 3, 4, d.PracticeTypes, -1, 2, 4, 1000, 12) << 1;
    QTest::newRow("TimerMode 3") << QByteArray("1\r\n3,4\r\n0,0,1,0,-1\r\n3,4,1000\r\n12\r\n")
                                 << make(1, 3, 4, d.PracticeTypes, -1, 0, 4, 1000, 12) << 1;
    QTest::newRow("CountDownSteps 0") << QByteArray("1\r\n3,4\r\n0,0,1,0,-1\r\n2,0,1000\r\n12\r\n")
                                      << make(1, 3, 4, d.PracticeTypes, -1, 2, 4, 1000, 12) << 1;
    QTest::newRow("CountDownSteps 61") << QByteArray("1\r\n3,4\r\n0,0,1,0,-1\r\n2,61,1000\r\n12\r\n")
                                       << make(1, 3, 4, d.PracticeTypes, -1, 2, 4, 1000, 12) << 1;
    QTest::newRow("MaxMultiplier 13") << QByteArray("1\r\n3,4\r\n0,0,1,0,-1\r\n2,4,1000\r\n13\r\n")
                                      << make(1, 3, 4, d.PracticeTypes, -1, 2, 4, 1000, 12) << 1;
    QTest::newRow("DelayMs 99999") << QByteArray("1\r\n3,4\r\n0,0,1,0,-1\r\n2,4,99999\r\n12\r\n")
                                   << make(1, 3, 4, d.PracticeTypes, -1, 2, 4, 1000, 12) << 1;
    QTest::newRow("factors out of range") << QByteArray("1\r\n3,13\r\n0,0,1,0,-3\r\n2,4,1000\r\n12\r\n")
                                          << make(1, 3, 1, d.PracticeTypes, -1, 2, 4, 1000, 12) << 2;
    QTest::newRow("Tricky in both modes") << QByteArray("1\r\n3,-2\r\n0,0,1,0,-2\r\n2,4,1000\r\n12\r\n")
                                          << make(1, 3, -2, d.PracticeTypes, -2, 2, 4, 1000, 12) << 0;
    QTest::newRow("Random is no study factor") << QByteArray("0\r\n3,-1\r\n0,0,1,0,-1\r\n2,4,1000\r\n12\r\n")
                                               << make(0, 3, 1, d.PracticeTypes, -1, 2, 4, 1000, 12) << 1;
    QTest::newRow("empty field keeps its place") << QByteArray("1\r\n3,\r\n0,0,1,0,5\r\n2,4,1000\r\n9\r\n")
                                                 << make(1, 3, 1, d.PracticeTypes, 5, 2, 4, 1000, 9) << 1;
    QTest::newRow("extra values ignored") << QByteArray("1,3,4,0,0,1,0,-1,2,4,1000,12,77,88\r\n")
                                          << make(1, 3, 4, {0, 0, 0, 1, 0}, -1, 2, 4, 1000, 12) << 0;
    QTest::newRow("huge number does not overflow") << QByteArray("99999999999999999999999999,3,4")
                                                   << make(0, 3, 4, d.PracticeTypes, -1, 0, 4, 1000, 12) << 10;
    QTest::newRow("lone signs") << QByteArray("-,+,4") << make(0, 3, 4, d.PracticeTypes, -1, 0, 4, 1000, 12) << 11;
}

void tst_settings::reads()
{
    QFETCH(QByteArray, file);
    QFETCH(Settings, expected);
    QFETCH(int, bad);
    int badSeen = -1;
    const Settings got = parseSettings(file, &badSeen);
    QCOMPARE(formatSettings(got), formatSettings(expected));
    QCOMPARE(badSeen, bad);
}

void tst_settings::writesExactBytes_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("defaults") << Settings{} << QByteArray("0\r\n3,1\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n");
    QTest::newRow("practice, count-down") << make(1, 3, 4, {0, 0, 0, 1, 0}, 7, 2, 60, 50, 0)
                                          << QByteArray("1\r\n3,4\r\n0,0,1,0,7\r\n2,60,50\r\n0\r\n");
}

void tst_settings::writesExactBytes()
{
    QFETCH(Settings, settings);
    QFETCH(QByteArray, bytes);
    QCOMPARE(formatSettings(settings), bytes);
    QCOMPARE(parseSettings(bytes), settings);
}

void tst_settings::roundTripFixesOperation()
{
    // A file that asks for addition and subtraction still gives
    // multiplication only, and saving writes that back.
    Settings s = parseSettings("0\r\n1,5\r\n1,1,0,1,7\r\n0,4,1000\r\n12\r\n");
    fixToMultiplication(s);
    QCOMPARE(s.StudyFactor, int16_t(5));
    QCOMPARE(s.PracticeFactor, int16_t(7));
    QCOMPARE(formatSettings(s), QByteArray("0\r\n3,5\r\n0,0,1,0,7\r\n0,4,1000\r\n12\r\n"));
}

void tst_settings::delayAndMaxTexts_data()
{
    QTest::addColumn<int>("ms");
    QTest::addColumn<QString>("text");
    QTest::newRow("50") << 50 << "0.05 sec";
    QTest::newRow("1000") << 1000 << "1.00 sec";
    QTest::newRow("5000") << 5000 << "5.00 sec";
    QTest::newRow("0") << 0 << "0.00 sec";
    QTest::newRow("1234") << 1234 << "1.23 sec";
}

void tst_settings::delayAndMaxTexts()
{
    QFETCH(int, ms);
    QFETCH(QString, text);
    QCOMPARE(delayText(ms), text);
}

void tst_settings::missingFileGivesDefaults()
{
    TestProgram prog;
    QFile::remove(prog.module->AppFile("kwizzo.ini"));
    QCOMPARE(loadSettingsFile(prog.module->AppFile("kwizzo.ini")), Settings{});
}

void tst_settings::saveReplacesWhole()
{
    TestProgram prog;
    prog.writeIni(QByteArray(4096, 'z'));
    QString why;
    QVERIFY(saveSettingsFile(prog.module->AppFile("kwizzo.ini"), make(1, 3, 2, {0, 0, 0, 1, 0}, 3, 1, 5, 200, 6), &why));
    QCOMPARE(prog.readIni(), QByteArray("1\r\n3,2\r\n0,0,1,0,3\r\n1,5,200\r\n6\r\n"));
    // A folder that is gone: the save fails with a reason, and nothing is claimed.
    QVERIFY(!saveSettingsFile(prog.dir() + QStringLiteral("gone/kwizzo.ini"), Settings{}, &why));
    QVERIFY(!why.isEmpty());
    // No byte may be written (a size limit, felt as a full disk without
    // root): the save fails with the reason and the old file stays whole.
    const QByteArray old = prog.readIni();
    rlimit was{};
    getrlimit(RLIMIT_FSIZE, &was);
    rlimit none = was;
    none.rlim_cur = 0;
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &none);
    const bool saved = saveSettingsFile(prog.module->AppFile("kwizzo.ini"), Settings{}, &why);
    setrlimit(RLIMIT_FSIZE, &was);
    signal(SIGXFSZ, SIG_DFL);
    QVERIFY(!saved);
    QCOMPARE(why, QString::fromLocal8Bit(strerror(EFBIG)));
    QCOMPARE(prog.readIni(), old);
}

void tst_settings::pipeGivesDefaults()
{
    // Opening a pipe for reading waits for a writer: the start would hang.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kwizzo.ini"));
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    auto read = std::async(std::launch::async, [&path] { return loadSettingsFile(path); });
    if (read.wait_for(std::chrono::seconds(3)) != std::future_status::ready) {
        QFile writer(path); // lets the stuck reader go, so the test can end
        writer.open(QIODevice::WriteOnly);
        QFAIL("reading a named pipe as kwizzo.ini hangs");
    }
    QCOMPARE(read.get(), Settings{});
}

void tst_settings::straySaveFilesRemoved()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kwizzo.ini"));
    auto make = [&dir](const QString &name, int ageSeconds) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("0\r\n");
        f.flush(); // a later write would make the file new again
        f.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
    };
    make(QStringLiteral("kwizzo.ini"), 600);
    make(QStringLiteral("kwizzo.ini.aB3dE9"), 600);  // a killed Exit's
    make(QStringLiteral("kwizzo.ini.Zz0000"), 1);    // another copy's Exit, under way
    make(QStringLiteral("kwizzo.ini.bak"), 600);     // the family's own
    make(QStringLiteral("kwizzo.ini.aB3dE9x"), 600);
    make(QStringLiteral("other.ini.aB3dE9"), 600);
    QCOMPARE(removeStraySaveFiles(path), 1);
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    left.sort();
    QCOMPARE(left, (QStringList{QStringLiteral("kwizzo.ini"), QStringLiteral("kwizzo.ini.Zz0000"),
                                QStringLiteral("kwizzo.ini.aB3dE9x"), QStringLiteral("kwizzo.ini.bak"),
                                QStringLiteral("other.ini.aB3dE9")}));
}

void tst_settings::noHomeMeansNoUserFolder_data()
{
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QByteArray>("xdgConfig");
    QTest::addColumn<bool>("folder");
    QTest::newRow("HOME unset") << QByteArray() << QByteArray() << false;
    QTest::newRow("HOME is the root") << QByteArray("/") << QByteArray() << false;
    QTest::newRow("HOME gone") << QByteArray("/no/such/home") << QByteArray() << false;
    QTest::newRow("HOME relative") << QByteArray("home") << QByteArray() << false;
    QTest::newRow("XDG_CONFIG_HOME relative") << QByteArray() << QByteArray("cfg") << false;
    QTest::newRow("XDG_CONFIG_HOME without HOME") << QByteArray() << QByteArray("/tmp/cfg") << true;
    QTest::newRow("a real home") << QByteArray("/tmp") << QByteArray() << true;
}

void tst_settings::noHomeMeansNoUserFolder()
{
    QFETCH(QByteArray, home);
    QFETCH(QByteArray, xdgConfig);
    QFETCH(bool, folder);
    const QByteArray oldHome = qgetenv("HOME"), oldXdg = qgetenv("XDG_CONFIG_HOME");
    auto set = [](const char *name, const QByteArray &v) { v.isNull() ? qunsetenv(name) : qputenv(name, v); };
    set("HOME", home);
    set("XDG_CONFIG_HOME", xdgConfig);
    const QString user = userConfigFolder();
    set("HOME", oldHome);
    set("XDG_CONFIG_HOME", oldXdg);
    QCOMPARE(!user.isEmpty(), folder);
    if (folder)
        QVERIFY2(!user.startsWith(QStringLiteral("/.config")), qPrintable(user));
    // A read-only program folder and no user folder: nowhere to save, rather
    // than somewhere no later run looks.
    QTemporaryDir app;
    const SettingsPlace p = settingsPlace(app.path(), false, user);
    QCOMPARE(p.writePath.isEmpty(), !folder);
    QCOMPARE(p.readPath, app.filePath(QStringLiteral("kwizzo.ini")));
}

void tst_settings::makeFolderGivesReason()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("a-file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QString why;
    QVERIFY(!makeFolder(file.fileName() + QStringLiteral("/numbloom"), &why));
    QCOMPARE(why, QString::fromLocal8Bit(strerror(ENOTDIR)));
    QVERIFY(makeFolder(dir.filePath(QStringLiteral("one/two")), &why));
    QVERIFY(makeFolder(dir.filePath(QStringLiteral("one/two")), &why)); // already there
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("one/two"))).isDir());
}

void tst_settings::placeBesideProgramWhenWritable()
{
    QTemporaryDir app, user;
    const SettingsPlace p = settingsPlace(app.path(), true, user.path());
    QCOMPARE(p.readPath, app.filePath(QStringLiteral("kwizzo.ini")));
    QCOMPARE(p.writePath, p.readPath);
    QVERIFY(folderIsWritable(app.path()));
    QVERIFY(!folderIsWritable(app.filePath(QStringLiteral("no/such/folder"))));
}

void tst_settings::placeInUserFolderOtherwise()
{
    // A system-wide install: the first run reads the shipped file, saves in
    // the user's folder, and every later run reads that.
    QTemporaryDir app, home;
    const QString user = home.filePath(QStringLiteral("numbloom"));
    QFile shipped(app.filePath(QStringLiteral("kwizzo.ini")));
    QVERIFY(shipped.open(QIODevice::WriteOnly));
    shipped.write("1\r\n3,9\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n");
    shipped.close();
    SettingsPlace p = settingsPlace(app.path(), false, user);
    QCOMPARE(p.readPath, shipped.fileName());
    QCOMPARE(p.writePath, user + QStringLiteral("/kwizzo.ini"));
    Settings s = loadSettingsFile(p.readPath);
    QCOMPARE(s.StudyFactor, int16_t(9));
    s.StudyFactor = 4;
    QVERIFY(QDir().mkpath(user));
    QString why;
    QVERIFY(saveSettingsFile(p.writePath, s, &why));
    p = settingsPlace(app.path(), false, user);
    QCOMPARE(p.readPath, p.writePath);
    QCOMPARE(loadSettingsFile(p.readPath).StudyFactor, int16_t(4));
    QCOMPARE(loadSettingsFile(shipped.fileName()).StudyFactor, int16_t(9)); // the shipped file is left alone
}

QTEST_GUILESS_MAIN(tst_settings)
#include "tst_settings.moc"
