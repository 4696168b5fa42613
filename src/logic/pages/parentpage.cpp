// SPDX-License-Identifier: GPL-3.0-or-later
#include "parentpage.h"

#include "pages.h"
#include "platform/drawsurface.h"

#include <algorithm>

namespace {
// The page's own grey for each state, from white for a fact not met yet to
// the darkest for a tricky one, so each reads on any printer; the marks say
// it again.
QColor paperShade(FactState s)
{
    switch (s) {
    case FactState::Known: return QColor(0xB4, 0xB4, 0xB4);
    case FactState::GettingThere: return QColor(0xDC, 0xDC, 0xDC);
    case FactState::Tricky: return QColor(0x6E, 0x6E, 0x6E);
    case FactState::Untried: break;
    }
    return QColor(0xFF, 0xFF, 0xFF);
}

// Black text on the light greys, white on the dark one.
QColor paperInk(FactState s) { return s == FactState::Tricky ? Qt::white : Qt::black; }

constexpr float MapLeft = 50, MapTop = 100, CellW = 57, CellH = 30;
constexpr float ChartTop = 760, ChartBottom = 1050;

void drawMap(DrawSurface &p, const ParentPage &pp)
{
    p.setFont(QStringLiteral("Arial"), 7);
    for (int o2 = 0; o2 < FactSide; ++o2) {
        for (int o1 = 0; o1 < FactSide; ++o1) {
            const float x = MapLeft + float(o1) * CellW, y = MapTop + float(o2) * CellH;
            const FactState s = pp.states[size_t(factIndex(o1, o2))];
            p.setForeColor(Qt::black);
            p.setFillColor(paperShade(s));
            p.rectangle(x, y, x + CellW, y + CellH);
            const QString text = factText(o1, o2) + QLatin1Char(' ') + factMark(s);
            p.setForeColor(paperInk(s));
            p.setCurrentX(x + (CellW - p.textWidth(text)) / 2);
            p.setCurrentY(y + (CellH - p.textHeight(text)) / 2);
            p.printText(text);
        }
    }
    p.setFillColor(QColor());
    p.setForeColor(Qt::black);
}

// A swatch of each state with its mark, name and meaning, a line each.
float drawLegend(DrawSurface &p, const ParentPage &pp, float y)
{
    p.setFont(QStringLiteral("Arial"), 9);
    for (const FactState s : {FactState::Known, FactState::GettingThere, FactState::Tricky, FactState::Untried}) {
        const size_t i = size_t(s);
        p.setForeColor(Qt::black);
        p.setFillColor(paperShade(s));
        p.rectangle(MapLeft, y, MapLeft + 26, y + 14);
        p.setFillColor(QColor());
        p.setForeColor(paperInk(s));
        p.setCurrentX(MapLeft + 13 - p.textWidth(factMark(s)) / 2);
        p.setCurrentY(y);
        p.printText(factMark(s));
        p.setForeColor(Qt::black);
        // A meaning too long for the line goes on under itself.
        QString rest = pp.legend[i] + QStringLiteral(": ") + pp.meaning[i];
        const float left = MapLeft + 34, room = 800 - left;
        while (!rest.isEmpty()) {
            qsizetype cut = rest.size();
            while (cut > 0 && p.textWidth(rest.left(cut)) > room) {
                const qsizetype space = rest.lastIndexOf(QLatin1Char(' '), cut - 1);
                cut = space > 0 ? space : cut - 1;
            }
            cut = std::max<qsizetype>(cut, 1);
            p.setCurrentX(left);
            p.setCurrentY(y);
            p.printText(rest.left(cut));
            rest = rest.mid(cut).trimmed();
            y += 16;
        }
        y += 2;
    }
    return y;
}

// Facts known at the end of each day across the page: a grid line every 25
// facts, a date under every fifth day, and a mark on each day's count.
void drawChart(DrawSurface &p, const ParentPage &pp, float left, float top, float right, float bottom)
{
    p.setFont(QStringLiteral("Arial"), 11);
    p.setForeColor(Qt::black);
    p.setCurrentX(left);
    p.setCurrentY(top);
    p.printText(pp.chartHeading);
    p.setFont(QStringLiteral("Arial"), 9);
    const float x0 = left + 34, x1 = right, y1 = top + 26, y0 = bottom - 18;
    const auto yOf = [&](int v) { return y0 - (y0 - y1) * float(v) / float(FactCount); };
    // Every 25 facts, and the top: all 169.
    for (const int v : {0, 25, 50, 75, 100, 125, 150, FactCount}) {
        p.line(x0, yOf(v), x1, yOf(v), QColor(0xC0, 0xC0, 0xC0));
        const QString t = QString::number(v);
        p.setCurrentX(x0 - 5 - p.textWidth(t));
        p.setCurrentY(yOf(v) - p.textHeight(t) / 2);
        p.printText(t);
    }
    p.line(x0, y1, x0, y0, Qt::black);
    p.line(x0, y0, x1, y0, Qt::black);
    const int n = int(pp.knownByDay.size());
    const auto xOf = [&](int k) { return n < 2 ? x0 : x0 + (x1 - x0) * float(k) / float(n - 1); };
    for (int k = 0; k < n && k < pp.dayLabels.size(); ++k) {
        if (pp.dayLabels[k].isEmpty())
            continue;
        p.line(xOf(k), y0, xOf(k), y0 + 4, Qt::black);
        p.setCurrentX(std::clamp(xOf(k) - p.textWidth(pp.dayLabels[k]) / 2, x0, x1 - p.textWidth(pp.dayLabels[k])));
        p.setCurrentY(y0 + 5);
        p.printText(pp.dayLabels[k]);
    }
    if (n == 0)
        return;
    p.setDrawWidth(3);
    for (int k = 1; k < n; ++k)
        p.line(xOf(k - 1), yOf(pp.knownByDay[k - 1]), xOf(k), yOf(pp.knownByDay[k]), Qt::black);
    p.setDrawWidth(1);
    p.setFillColor(Qt::black);
    for (int k = 0; k < n; ++k)
        p.rectangle(xOf(k) - 2.5f, yOf(pp.knownByDay[k]) - 2.5f, xOf(k) + 2.5f, yOf(pp.knownByDay[k]) + 2.5f);
    p.setFillColor(QColor());
    // The last count in words beside its mark, for a reader who wants the number.
    const QString last = QString::number(pp.knownByDay.back());
    p.setCurrentX(std::min(xOf(n - 1) - p.textWidth(last) / 2, x1 - p.textWidth(last)));
    p.setCurrentY(yOf(pp.knownByDay.back()) - p.textHeight(last) - 4);
    p.printText(last);
}
} // namespace

QString factMark(FactState state)
{
    switch (state) {
    case FactState::Known: return QStringLiteral("\u2713");
    case FactState::GettingThere: return QStringLiteral("~");
    case FactState::Tricky: return QStringLiteral("!");
    case FactState::Untried: break;
    }
    return QStringLiteral("?");
}

QString factText(int operand1, int operand2) { return QStringLiteral("%1 x %2").arg(operand1).arg(operand2); }

void drawParentPage(DrawSurface &p, const ParentPage &pp)
{
    p.setForeColor(Qt::black);
    p.setFillColor(QColor());
    p.setFont(QStringLiteral("Arial"), 16);
    p.setCurrentX(50);
    p.setCurrentY(40);
    p.printText(pp.heading);
    p.setFont(QStringLiteral("Arial"), 8);
    p.setCurrentX(50);
    p.printText(printNotice());

    drawMap(p, pp);
    const float listTop = drawLegend(p, pp, MapTop + FactSide * CellH + 12) + 14;
    p.setFont(QStringLiteral("Arial"), 10);
    p.setForeColor(Qt::black);
    p.setCurrentX(50);
    p.setCurrentY(listTop);
    p.printText(pp.trickyHeading);
    // Two columns of five, under the map.
    for (int i = 0; i < pp.tricky.size(); ++i) {
        p.setCurrentX(i < 5 ? 60 : 430);
        p.setCurrentY(listTop + 18 + 16 * float(i % 5));
        p.printText(pp.tricky[i]);
    }
    drawChart(p, pp, 50, ChartTop, 800, ChartBottom);
}
