// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bringing one of the program's windows to the front with the keyboard, and
// keeping the keyboard with a modal window while it is open.
#include <QObject>

class QWindow;

// Back from minimised, raised and given the keyboard. On Wayland the desktop
// hands the keyboard over only with a token it accepts, which the module
// numbloom-wayland.so asks for (see there); without the module, or where it
// cannot, Qt asks in its own way.
void bringToFront(QWindow *window);

// While a modal window is open the program's other windows take no keys or
// clicks. A desktop may still give one of them the keyboard: on GNOME and KDE
// under Wayland a click on the main window does, and so does minimising the
// modal window. Those keys would be lost, and a child who pressed Return or
// Esc would be stuck, so the keyboard goes straight back to the modal window,
// which comes back if it was minimised. One is made in main(), for every window.
class ModalKeyboard : public QObject
{
public:
    explicit ModalKeyboard(QObject *parent = nullptr);

private:
    void focusMoved();
};
