// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages.h"

#include "app/settings.h"
#include "app/texts.h"
#include "platform/drawsurface.h"
#include "platform/services.h"
#include "practice/problem.h"
#include "render/numberlayout.h"
#include "render/studydisplay.h"

#include <cmath>

QString printNotice() { return Printing::tr("Numbloom - free from Brightnook"); }

namespace {
// A name may be 40 characters long; on the one line of a heading it keeps
// its first 17 and "...", so the line ends before the grid does.
QString printedName(const QString &name)
{
    constexpr int Longest = 20;
    return name.size() <= Longest ? name : name.left(Longest - 3) + QStringLiteral("...");
}
} // namespace

QString worksheetFactorLine(int16_t practiceFactor, int16_t maxMultiplier, const QString &child)
{
    QString f;
    if (practiceFactor == FactorRandom)
        f = Printing::tr("Factor: Random");
    else if (practiceFactor == FactorTricky)
        f = child.isEmpty() ? Printing::tr("Factor: Tricky") : Printing::tr("Factor: Tricky (%1)").arg(printedName(child));
    else
        f = Printing::tr("Factor: ") + QString::number(practiceFactor);
    return f + Printing::tr(", Maximum Multiplier: ") + QString::number(maxMultiplier);
}

QString worksheetPrompt(int16_t practiceFactor, int16_t maxMultiplier)
{
    return worksheetPrompt(worksheetFactorLine(practiceFactor, maxMultiplier));
}

QString worksheetPrompt(const QString &factorLine)
{
    return Printing::tr("Problems on Worksheet:\n\nMultiplication (x)\n") + factorLine
           + Printing::tr("\n\nMake sure printer is on-line and ready.");
}


QString trickyFactsHeading(const QString &child)
{
    return child.isEmpty() ? Printing::tr("Tricky facts") : Printing::tr("Tricky facts of %1").arg(printedName(child));
}

std::vector<FactPair> worksheetProblems(RandomSource &random, int16_t practiceFactor, int16_t maxMultiplier)
{
    std::vector<FactPair> problems;
    for (int n = 1; n <= 100; ++n) {
        const int a = drawBelow(random, maxMultiplier + 1);
        const int f = practiceFactor != FactorRandom ? practiceFactor : drawBelow(random, FactSide);
        problems.push_back({a, f});
    }
    return problems;
}

void drawWorksheet(DrawSurface &p, RandomSource &random, int16_t practiceFactor, int16_t maxMultiplier)
{
    drawWorksheet(p, worksheetFactorLine(practiceFactor, maxMultiplier),
                  worksheetProblems(random, practiceFactor, maxMultiplier), false);
}

void drawWorksheet(DrawSurface &p, const QString &factorLine, const std::vector<FactPair> &problems, bool answers)
{
    // Ten by ten problems between x 50 and 800, y 110 and 1060 on the page.
    constexpr int CellWidth = 75, CellHeight = 95;
    p.setFont(QStringLiteral("Courier New"), 12);
    p.setForeColor(Qt::black);
    p.setFillColor(QColor());
    p.setCurrentX(50);
    p.setCurrentY(50);
    p.printText(answers ? printNotice() : printNotice() + Printing::tr("  Score______ Time_______"));
    if (answers) {
        // The key's heading stands apart, at the right edge of the grid where
        // the sheet has its blanks, so it never reads as part of the tag line.
        const QString heading = Printing::tr("Answers", "the heading of a worksheet's answer page");
        p.setCurrentX(800 - p.textWidth(heading));
        p.setCurrentY(50);
        p.printText(heading);
    }
    p.setCurrentX(50);
    p.printText(factorLine);

    p.rectangle(50, 110, 800, 1060);
    for (int i = 1; i <= 9; ++i) {
        p.line(50, float(110 + CellHeight * i), 800, float(110 + CellHeight * i), Qt::black);
        p.line(float(50 + CellWidth * i), 110, float(50 + CellWidth * i), 1060, Qt::black);
    }

    float X = 50, Y = 110;
    const QString sign = QStringLiteral("x");
    for (size_t n = 0; n < problems.size() && n < 100; ++n) {
        const int a = problems[n].operand1, f = problems[n].operand2;
        drawRightAligned(p, QString::number(a), X + 48.75f, Y + 19);
        drawRightAligned(p, QString::number(f), X + 48.75f, Y + 38);
        p.setCurrentX(X + 28.125f - 1.25f * p.textWidth(sign));
        p.setCurrentY(Y + 38 - 0.5f * p.textHeight(sign));
        p.printText(sign);
        p.line(X + 28.125f, Y + 49.875f, X + 56.25f, Y + 49.875f, Qt::black);
        if (answers)
            drawRightAligned(p, QString::number(a * f), X + 48.75f, Y + 62);
        X += CellWidth;
        if (X >= 800) {
            X = 50;
            Y += CellHeight;
        }
    }
}

void drawFactsSheet(DrawSurface &p, int16_t f)
{
    std::vector<FactPair> facts = factorCells(f);
    facts.erase(facts.begin()); // 1 x f to 12 x f
    drawFactsSheet(p, Printing::tr("Factor is ") + QString::number(f), facts);
}

void drawFactsSheet(DrawSurface &p, const QString &heading, const std::vector<FactPair> &facts)
{
    p.setFont(QStringLiteral("Courier New"), 12);
    p.setForeColor(Qt::black);
    p.setCurrentX(100);
    p.setCurrentY(100);
    p.printText(printNotice());
    p.setCurrentX(100);
    p.printText(heading);

    const int W = int(std::lrint(650.0 / 3.0)), H = 200;
    p.setDrawWidth(2);
    for (int i = 0; i <= 3; ++i)
        p.line(float(100 + W * i), 200, float(100 + W * i), 1000, Qt::black);
    for (int i = 0; i <= 4; ++i)
        p.line(100, float(200 + H * i), 750, float(200 + H * i), Qt::black);

    p.setFont(QStringLiteral("Arial"), 36);
    float X = 100, Y = 200;
    for (size_t k = 0; k < facts.size() && k < 12; ++k) {
        drawFactCell(p, PaperFactCell, X, Y, W, H, facts[k].operand1, facts[k].operand2);
        X += float(W);
        if (X >= 700) {
            X = 100;
            Y += H;
        }
    }
}
