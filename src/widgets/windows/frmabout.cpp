// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmabout.h"

#include "app/module1.h"
#include "app/translation.h"
#include "frmtable.h"
#include "helpwindow.h"
#include "platform/twips.h"
#include "controls/widgets.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMessageBox>
#include <QWindow>
#include <QIcon>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

const char *const HomePageUrl = "https://www.brightnook.example/";
const char *const ErrorPageUrl = "https://www.brightnook.example/logic.htm";

frmAbout::frmAbout(Module1 &module) : QWidget(nullptr), m(module)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Numbloom"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(toPixels(7035), toPixels(3555));
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x80, 0x80, 0xFF));
    p.setColor(QPalette::WindowText, QColor(0xFF, 0xFF, 0x00));
    setPalette(p);
    setAutoFillBackground(true);

    Image1 = new ImageBox(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twipsRect(120, 120, 2700, 3000));

    SSPanel1 = new Frame(this, Frame::Raised);
    SSPanel1->setObjectName(QStringLiteral("SSPanel1"));
    SSPanel1->setGeometry(twipsRect(2880, 120, 4095, 2295));
    SSPanel1->setColors(QColor(0xC0, 0x00, 0x00), QColor(0xFF, 0xFF, 0x00));
    SSPanel1->setCaptionFont(layoutFont(QStringLiteral("Comic Sans MS"), 9.75, false, true));
    SSPanel1->setCaption(tr(
        "Numbloom comes to you free from Brightnook. Enjoy it, and share it with all of your friends! Visit our web "
        "site for more children's software and our programming tutorials. And if your child likes Numbloom, try "
        "Wordbloom, our spelling game, too!"));

    Command1 = new QPushButton(tr("&OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(4440, 2520, 975, 495));
    Command1->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);

    Command2 = new QPushButton(tr("&Visit Brightnook's Web Site"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(twipsRect(120, 3180, 2715, 315));
    Command2->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    connect(Command2, &QPushButton::clicked, this, &frmAbout::Command2_Click);
    addHelpKey(this, m);
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load()
{
    centreOnScreen(this);
    if (m.AppDir.isEmpty())
        m.AppDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    m.HelpFile = helpFileFor(m.AppDir, m.Language);
    // The picture's renderer loads on first use; let the window show first.
    QTimer::singleShot(0, this, [this] { Image1->setPicture(QIcon(m.AppFile(QStringLiteral("about.svg")))); });
    m.placeSettings();
    m.settings = loadSettingsFile(m.settingsReadPath);
    fixToMultiplication(m.settings);
}

void frmAbout::Command1_Click()
{
    hide();
    if (!m_main) {
        m_main = std::make_unique<frmTable>(m, this);
        m_main->Form_Load();
    } else {
        m_main->show();
        m_main->raise();
        m_main->activateWindow();
    }
}

void frmAbout::Command2_Click()
{
    if (m.svc.browser && m.svc.browser->openUrl(QUrl(QString::fromLatin1(HomePageUrl))))
        return;
    QMessageBox::critical(this, tr("On-Line Access Error"),
                          tr("An error has occurred trying to go on-line. Try connecting to the "
                             "internet in your usual manner and connect to:")
                              + QStringLiteral("\r\n\r\n")
                              + QString::fromLatin1(ErrorPageUrl));
}

void frmAbout::showModal(QWidget *owner)
{
    // The start window has no parent; shown again from the main window it
    // belongs to that window, so that the compositor keeps it above it.
    if (owner) {
        create();
        if (QWindow *w = windowHandle())
            w->setTransientParent(owner->window()->windowHandle());
    }
    Command1->setFocus();
    runModal(*this);
}

void frmAbout::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // The window manager adds the frame only once the window is up: centre
    // again by the whole frame as soon as its size is known.
    for (int ms : {0, 100, 300})
        QTimer::singleShot(ms, this, [this] {
            if (!m_centredByFrame && frameGeometry().size() != size()) {
                m_centredByFrame = true;
                centreOnScreen(this);
            }
        });
}

void frmAbout::closeEvent(QCloseEvent *e)
{
    // No close box is offered, but a window manager may still close it: once
    // the main window exists that means OK; before, it ends the program.
    if (m_main) {
        e->ignore();
        Command1_Click();
        return;
    }
    e->accept();
    if (m.endProgram)
        m.endProgram();
}
