#include "app/module1.h"
#include "platform/soundplayer.h"
#include "platform/systemclock.h"
#include "platform/twips.h"
#include "print/printer.h"
#include "windows/frmabout.h"
#include "windows/helpwindow.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numbloom"));
    QApplication::setOrganizationName(QStringLiteral("numbloom"));
    QApplication::setDesktopFileName(QStringLiteral("example.brightnook.numbloom"));
    installFontSubstitutions();

    QtSoundPlayer sound;
    SystemClock clock;
    MtRandom random;
    HelpWindowViewer help;
    DesktopBrowser browser;
    SystemPrinter printer;
    Services services;
    services.sound = &sound;
    services.clock = &clock;
    services.random = &random;
    services.help = &help;
    services.browser = &browser;
    services.printer = &printer;

    Module1 module(services);
    module.endProgram = [] { QCoreApplication::exit(0); };

    frmAbout about(module);
    about.Form_Load();
    about.show();
    // The icon's renderer loads after the first window is up.
    QTimer::singleShot(0, &about, [] {
        QApplication::setWindowIcon(QIcon(QCoreApplication::applicationDirPath() + QStringLiteral("/numbloom.svg")));
    });
    return app.exec();
}
