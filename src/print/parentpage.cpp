#include "parentpage.h"

#include "pages.h"
#include "platform/drawsurface.h"

#include <algorithm>

namespace {
// The page's own grey for each state: the map reads on any printer.
QColor paperShade(FactState s)
{
    switch (s) {
    case FactState::Known: return QColor(0x90, 0x90, 0x90);
    case FactState::GettingThere: return QColor(0xD0, 0xD0, 0xD0);
    case FactState::Tricky: return QColor(0xFF, 0xFF, 0xFF);
    case FactState::Untried: break;
    }
    return QColor(0xF2, 0xF2, 0xF2);
}

constexpr float MapLeft = 50, MapTop = 100, CellW = 57, CellH = 30;

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
            p.setCurrentX(x + (CellW - p.textWidth(text)) / 2);
            p.setCurrentY(y + (CellH - p.textHeight(text)) / 2);
            p.printText(text);
        }
    }
    p.setFillColor(QColor());
}

void drawLegend(DrawSurface &p, const ParentPage &pp, float y)
{
    p.setFont(QStringLiteral("Arial"), 9);
    float x = MapLeft;
    for (int i = 0; i < 4; ++i) {
        p.setForeColor(Qt::black);
        p.setFillColor(paperShade(FactState(i)));
        p.rectangle(x, y, x + 14, y + 14);
        p.setFillColor(QColor());
        p.setCurrentX(x + 20);
        p.setCurrentY(y);
        const QString text = factMark(FactState(i)) + QLatin1Char(' ') + pp.legend[size_t(i)];
        p.printText(text);
        x += 20 + p.textWidth(text) + 24;
    }
}

void drawChart(DrawSurface &p, const ParentPage &pp, float left, float top, float width, float height)
{
    p.setFont(QStringLiteral("Arial"), 10);
    p.setForeColor(Qt::black);
    p.setCurrentX(left);
    p.setCurrentY(top);
    p.printText(pp.chartHeading);
    const float x0 = left + 30, y0 = top + height, y1 = top + 25, x1 = left + width;
    p.setFont(QStringLiteral("Arial"), 8);
    p.line(x0, y1, x0, y0, Qt::black);
    p.line(x0, y0, x1, y0, Qt::black);
    const int top169 = FactCount;
    for (int v : {0, top169}) {
        const QString t = QString::number(v);
        const float y = y0 - (y0 - y1) * float(v) / float(top169);
        p.setCurrentX(x0 - 4 - p.textWidth(t));
        p.setCurrentY(y - p.textHeight(t) / 2);
        p.printText(t);
    }
    p.setCurrentX(x0);
    p.setCurrentY(y0 + 4);
    p.printText(pp.firstDay);
    p.setCurrentX(x1 - p.textWidth(pp.lastDay));
    p.setCurrentY(y0 + 4);
    p.printText(pp.lastDay);
    const int n = int(pp.knownByDay.size());
    if (n < 2)
        return;
    auto at = [&](int k) {
        return QPointF(x0 + (x1 - x0) * float(k) / float(n - 1), y0 - (y0 - y1) * float(pp.knownByDay[k]) / float(top169));
    };
    p.setDrawWidth(2);
    for (int i = 1; i < n; ++i)
        p.line(float(at(i - 1).x()), float(at(i - 1).y()), float(at(i).x()), float(at(i).y()), Qt::black);
    p.setDrawWidth(1);
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
    const float legendY = MapTop + FactSide * CellH + 10;
    drawLegend(p, pp, legendY);

    // The trickiest facts on the left, the chart on the right.
    const float listTop = legendY + 40;
    p.setFont(QStringLiteral("Arial"), 10);
    p.setForeColor(Qt::black);
    p.setCurrentX(50);
    p.setCurrentY(listTop);
    p.printText(pp.trickyHeading);
    for (const QString &line : pp.tricky) {
        p.setCurrentX(60);
        p.printText(line);
    }
    drawChart(p, pp, 430, listTop, 370, 280);
}
