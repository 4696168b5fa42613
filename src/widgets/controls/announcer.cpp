// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {
// Plain widgets draw nothing: the bar and its notes are heard, not seen.
class AnnouncerBar : public QWidget
{
public:
    using QWidget::QWidget;
};

class AnnouncerNote : public QWidget
{
public:
    using QWidget::QWidget;
};

QAccessibleInterface *announcerAccessible(const QString &, QObject *object)
{
    if (auto *bar = dynamic_cast<AnnouncerBar *>(object))
        return new QAccessibleWidget(bar, QAccessible::StatusBar);
    if (auto *note = dynamic_cast<AnnouncerNote *>(object))
        return new QAccessibleWidget(note, QAccessible::Notification);
    return nullptr;
}
} // namespace

Announcer::Announcer(QWidget *window)
{
    static const bool installed = (QAccessible::installFactory(announcerAccessible), true);
    Q_UNUSED(installed);
    m_bar = new AnnouncerBar(window);
    m_bar->setObjectName(QStringLiteral("announcer"));
    m_bar->setFocusPolicy(Qt::NoFocus);
    m_bar->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_bar->setGeometry(0, 0, 1, 1);
    m_bar->lower();
    for (QWidget *&note : m_notes) {
        note = new AnnouncerNote(m_bar);
        note->setGeometry(0, 0, 1, 1);
        note->setAttribute(Qt::WA_TransparentForMouseEvents);
        note->hide();
    }
}

void Announcer::say(const QString &text)
{
    m_last = text;
    if (text.isEmpty())
        return;
    // Shown again with its new words: the showing is what is spoken.
    QWidget *note = m_notes[m_next];
    m_next = (m_next + 1) % m_notes.size();
    note->hide();
    note->setAccessibleName(text);
    note->show();
}
