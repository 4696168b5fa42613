// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Says what changes on screen without a key press (a new problem, a
// judgement, a grid cell under the arrows, the time left) to a screen reader.
//
// Orca 43 speaks only text that arrives with an event, and Qt 6.4's bridge
// sends a changed name or description without its text, and inserted text
// only when Orca can tell a cause (a key it echoes, a paste). What it does
// speak, whatever has the focus and whatever key was last: a notification
// that is shown. Inside a status bar it is said without its role, so the
// child hears just the words. Each text gets a notification of its own from
// a small ring, so that two said in one go are each read as they were.
#include <QString>
#include <array>

class QWidget;

class Announcer
{
public:
    // A status bar of one invisible pixel in the window's corner.
    explicit Announcer(QWidget *window);
    // Cuts off whatever the screen reader was saying.
    void say(const QString &text);
    // The last text said: for tests.
    QString last() const { return m_last; }

private:
    QWidget *m_bar;
    std::array<QWidget *, 4> m_notes{};
    size_t m_next = 0;
    QString m_last;
};
