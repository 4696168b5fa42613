// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/module1.h"
#include "app/translation.h"
#include "controls/focusmarks.h"
#include "loader/lazymodules.h"
#include "platform/systemclock.h"
#include "platform/twips.h"
#include "controls/windowfront.h"
#include "record/sqliterecord.h"
#include "windows/frmabout.h"
#include "windows/helpwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numbloom"));
    QApplication::setOrganizationName(QStringLiteral("numbloom"));
    QApplication::setDesktopFileName(QStringLiteral("example.brightnook.numbloom"));
    installFontSubstitutions();
    FocusMarks focusMarks;
    ModalKeyboard modalKeyboard;

    const QString folder = QCoreApplication::applicationDirPath();
    LazySoundPlayer sound(folder);
    SystemClock clock;
    MtRandom random;
    HelpWindowViewer help;
    DesktopBrowser browser;
    LazyPrinter printer(folder);
    LazySpeaker speaker(folder);
    Services services;
    services.sound = &sound;
    services.clock = &clock;
    services.random = &random;
    services.help = &help;
    services.browser = &browser;
    services.printer = &printer;
    services.speech = &speaker;

    Module1 module(services);
    // Before the first window, so that every text it builds is translated.
    module.Language = loadTranslation(app, folder + QStringLiteral("/translations"), QLocale::system().uiLanguages(),
                                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    module.endProgram = [] { QCoreApplication::exit(0); };

    // The About window reads the settings (frmAbout::Form_Load) and, at its OK,
    // makes the main window (frmAbout::Command1_Click).
    // Made after the first window is up, and gone after the windows.
    std::unique_ptr<SqliteRecord> record;
    frmAbout about(module);
    about.Form_Load();
    about.show();
    // The icon's renderer loads after the first window is up.
    // It is every window's icon: none sets its own.
    QTimer::singleShot(0, &about, [&module] { QApplication::setWindowIcon(QIcon(module.AppFile(QStringLiteral("numbloom.svg")))); });
    // The sound module is wanted at the first key; load it once the window is up.
    QTimer::singleShot(400, &about, [&sound] { sound.preload(); });
    // The child's record opens on its own thread once the window is up.
    QTimer::singleShot(0, &about, [&record, &module] {
        record = std::make_unique<SqliteRecord>(SqliteRecord::defaultPath());
        module.svc.record = record.get();
    });
    return app.exec();
}
