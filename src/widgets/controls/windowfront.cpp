// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowfront.h"
#include "loader/lazymodules.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

namespace {
// Qt's own rule for an application-modal window: it blocks every window but
// itself, those that belong to it, and popups.
bool blockedBy(const QWindow *modal, QWindow *window)
{
    return modal && window && window != modal && !modal->isAncestorOf(window, QWindow::IncludeTransients)
        && window->type() != Qt::Popup && window->type() != Qt::ToolTip;
}
} // namespace

void bringToFront(QWindow *window)
{
    if (!window || !window->isVisible())
        return;
    if (window->windowStates() & Qt::WindowMinimized)
        window->setWindowStates(window->windowStates() & ~Qt::WindowMinimized);
    window->raise();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && activateOnWayland(window))
        return;
    window->requestActivate();
}

ModalKeyboard::ModalKeyboard(QObject *parent) : QObject(parent)
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *now) {
        // Handed back once the desktop's change of focus is over; by then the
        // modal window may have closed, so the test is made again.
        if (blockedBy(QGuiApplication::modalWindow(), now))
            QTimer::singleShot(0, this, &ModalKeyboard::focusMoved);
    });
}

void ModalKeyboard::focusMoved()
{
    QWindow *modal = QGuiApplication::modalWindow();
    if (blockedBy(modal, QGuiApplication::focusWindow()))
        bringToFront(modal);
}
