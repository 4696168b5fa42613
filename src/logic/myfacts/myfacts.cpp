// SPDX-License-Identifier: GPL-3.0-or-later
#include "myfacts.h"

#include "app/format.h"
#include "app/spoken.h"

#include <QDateTime>

QColor MyFacts::screenColour(FactState s)
{
    switch (s) {
    case FactState::Known: return QColor(0x7C, 0xCF, 0x7C);
    case FactState::GettingThere: return QColor(0xFF, 0xE0, 0x70);
    case FactState::Tricky: return QColor(0xFF, 0x9A, 0x9A);
    case FactState::Untried: break;
    }
    return QColor(0xE4, 0xE4, 0xE4);
}

QString MyFacts::stateName(FactState s)
{
    switch (s) {
    case FactState::Known: return tr("known");
    case FactState::GettingThere: return tr("getting there");
    case FactState::Tricky: return tr("tricky");
    case FactState::Untried: break;
    }
    return tr("not yet tried");
}

QString MyFacts::stateMeaning(FactState s)
{
    switch (s) {
    case FactState::Known:
        return tr("right within the time limit on the last two days it came up, and likely still right now");
    case FactState::GettingThere: return tr("likely right now, but not yet right in time on two days");
    case FactState::Tricky: return tr("the last answer was wrong, or a wrong or slow answer is likely now");
    case FactState::Untried: break;
    }
    return tr("not met in a drill yet");
}

QString MyFacts::legend()
{
    QStringList meanings;
    for (const FactState st : {FactState::Known, FactState::GettingThere, FactState::Tricky, FactState::Untried})
        meanings << QStringLiteral("%1 %2: %3").arg(factMark(st), stateName(st), stateMeaning(st));
    return meanings.join(QLatin1Char('\n'));
}

QString MyFacts::cellText(int operand1, int operand2) const
{
    return factText(operand1, operand2) + QLatin1Char('\n') + factMark(state(operand1, operand2));
}

QString MyFacts::cellSpoken(int operand1, int operand2) const
{
    return tr("%1 times %2, %3", "a cell of the fact map, read out")
        .arg(operand1)
        .arg(operand2)
        .arg(stateName(state(operand1, operand2)));
}

QString MyFacts::lastDay(const FactRecord &f)
{
    return numberLocale().toString(f.lastAt.toLocalTime().date(),
                                   tr("d MMMM", "the day of a fact's last answer, as QDate formats it"));
}

QString MyFacts::axisDayFormat() { return tr("d MMM", "a day on the chart's axis, as QDate formats it"); }

QString MyFacts::story(int operand1, int operand2) const
{
    const FactRecord &f = m_sum.facts[size_t(factIndex(operand1, operand2))];
    const QString fact = QStringLiteral("%1 = %2").arg(factText(operand1, operand2)).arg(operand1 * operand2);
    if (f.tries == 0)
        return tr("%1: not yet tried").arg(fact);
    const QString tries = tr("%n tries", "how often a fact was answered, in its story", f.tries);
    return tr("%1: %2, %3 right, last on %4 in %5 s")
        .arg(fact, tries)
        .arg(f.right)
        .arg(lastDay(f))
        .arg(numberLocale().toString(double(f.lastMs) / 1000.0, 'f', 1));
}

QString MyFacts::spokenStory(int operand1, int operand2) const
{
    const FactRecord &f = m_sum.facts[size_t(factIndex(operand1, operand2))];
    const QString fact = spokenFact(operand1, operand2);
    if (f.tries == 0)
        return tr("%1. Not yet tried.", "a fact's story, read out").arg(fact);
    const QString tries = tr("%n tries", "how often a fact was answered, in its story", f.tries);
    return tr("%1. %2, %3 right, last on %4 in %5.", "a fact's story, read out")
        .arg(fact, tries)
        .arg(f.right)
        .arg(lastDay(f))
        .arg(spokenSeconds(float(f.lastMs) / 1000.0f));
}

QString MyFacts::totals() const
{
    // Each count its own text: a noun's form goes with its count.
    const auto &n = m_sum.totals.facts;
    const int there = n[size_t(FactState::GettingThere)] + n[size_t(FactState::Tricky)];
    return QStringList{tr("%n of %1 facts known", "the totals below the map; %1 is all facts, 169",
                          n[size_t(FactState::Known)])
                           .arg(FactCount),
                       tr("%n getting there (%1 of them tricky now)", "the totals below the map", there)
                           .arg(n[size_t(FactState::Tricky)]),
                       tr("%n still to meet", "the totals below the map: facts not met yet",
                          n[size_t(FactState::Untried)])}
               .join(QStringLiteral("    ")) +
           QLatin1Char('\n') +
           QStringList{tr("%n problems answered", "the totals below the map", m_sum.totals.answers),
                       tr("%n days practised", "the totals below the map", m_sum.totals.days)}
               .join(QStringLiteral("    "));
}

QStringList MyFacts::trickiest() const
{
    QStringList lines;
    for (size_t i = 0; i < m_sum.trickiest.size() && i < size_t(TrickiestShown); ++i) {
        const int o1 = m_sum.trickiest[i].operand1, o2 = m_sum.trickiest[i].operand2;
        const FactRecord &f = m_sum.facts[size_t(factIndex(o1, o2))];
        lines << tr("%1 = %2: %n tries, %3 missed", "a line of the trickiest facts on the parent's page", f.tries)
                     .arg(factText(o1, o2))
                     .arg(o1 * o2)
                     .arg(f.tries - f.right);
    }
    if (lines.isEmpty())
        lines << tr("Nothing is tricky or getting there now.");
    return lines;
}

QVector<QPointF> MyFacts::knownByDay() const
{
    QVector<QPointF> points;
    const QVector<int> &known = m_sum.totals.knownByDay;
    for (int i = 0; i < known.size(); ++i)
        points << QPointF(double(QDateTime(m_today.addDays(i + 1 - ChartDays), QTime(12, 0)).toMSecsSinceEpoch()),
                          known[i]);
    return points;
}

ParentPage MyFacts::parentPage(const QString &childName) const
{
    const QLocale locale = numberLocale();
    ParentPage page;
    page.heading = tr("%1 - My Facts - %2", "the heading of the page printed for the parent: the child's name, the date")
                       .arg(childName, locale.toString(m_today, tr("d MMMM yyyy",
                                                                  "the date on the parent's page, as QDate formats it")));
    page.states = m_sum.states;
    for (int i = 0; i < 4; ++i) {
        page.legend[size_t(i)] = stateName(FactState(i));
        page.meaning[size_t(i)] = stateMeaning(FactState(i));
    }
    page.trickyHeading = tr("The trickiest facts");
    page.tricky = trickiest();
    page.chartHeading = tr("Facts known at the end of each day");
    page.knownByDay = m_sum.totals.knownByDay;
    // Every fifth day dated, counting back from today.
    const QString axisDay = axisDayFormat();
    for (int k = 0; k < ChartDays; ++k)
        page.dayLabels << ((ChartDays - 1 - k) % 5 == 0 ? locale.toString(m_today.addDays(k + 1 - ChartDays), axisDay)
                                                        : QString());
    return page;
}
