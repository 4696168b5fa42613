// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What My Facts shows of one child, without a window: each cell of the map
// (its state, colour, mark and words), a fact's story, the totals, the
// trickiest facts, the chart's days and the page printed for the parent. The
// window only puts these on its controls, so a test reads what a parent sees.
#include "pages/parentpage.h"
#include "progress/childrecord.h"

#include <QColor>
#include <QCoreApplication>
#include <QDate>
#include <QPointF>
#include <QStringList>
#include <QVector>

class MyFacts
{
    // The window's texts and these are one set for the translators.
    Q_DECLARE_TR_FUNCTIONS(frmFacts)

public:
    // The chart looks back this many days, today included.
    static constexpr int ChartDays = 30;
    static constexpr int TrickiestShown = 10;

    MyFacts() = default;
    MyFacts(const ChildSummary &summary, const QDate &today) : m_sum(summary), m_today(today) {}

    FactState state(int operand1, int operand2) const { return m_sum.states[size_t(factIndex(operand1, operand2))]; }
    // "7 x 8" over the state's mark.
    QString cellText(int operand1, int operand2) const;
    // "7 times 8, known", as a screen reader says the cell.
    QString cellSpoken(int operand1, int operand2) const;
    // "7 x 8 = 56: 9 tries, 6 right, last on 3 December in 2.4 s".
    QString story(int operand1, int operand2) const;
    // The same in words: "7 times 8 is 56. 9 tries, ...".
    QString spokenStory(int operand1, int operand2) const;
    // Progress, not a score: known, getting there, still to meet; then how
    // much was practised.
    QString totals() const;
    // The weakest facts with their tries and misses, at most TrickiestShown.
    QStringList trickiest() const;
    // Facts known at the end of each of the last ChartDays days: x is noon of
    // the day in milliseconds since the epoch.
    QVector<QPointF> knownByDay() const;
    ParentPage parentPage(const QString &childName) const;

    static QColor screenColour(FactState s);
    static QString stateName(FactState s);
    // What a state means, in plain words.
    static QString stateMeaning(FactState s);
    // The legend's lines: mark, name and meaning of each state, known first.
    static QString legend();
    // A day on the chart's axis, as QDate formats it: the screen's and the page's.
    static QString axisDayFormat();

private:
    // The day of the fact's last answer, in the language's words.
    static QString lastDay(const FactRecord &f);

    ChildSummary m_sum;
    QDate m_today;
};
