// SPDX-License-Identifier: GPL-3.0-or-later
// The study grid over a recording surface and over the real picture box.
#include "controls/picturebox.h"
#include "platform/twips.h"
#include "recordingsurface.h"
#include "render/studydisplay.h"

#include <QTest>
#include <cmath>

namespace {
constexpr float SW = 7275, SH = 4755; // the study box's inside, in twips
const int colW = int(std::nearbyint(SW / 5)), rowH = int(std::nearbyint(SH / 3));

// The characters drawn centred on yc within [x0, x1), read left to right.
QString readAt(const RecordingSurface &s, float x0, float x1, float yc)
{
    QVector<Op> hits;
    for (const Op &o : s.texts())
        if (o.x1 >= x0 && o.x1 < x1 && std::fabs(o.y1 + 100 - yc) < 1.0f)
            hits.append(o);
    std::sort(hits.begin(), hits.end(), [](const Op &a, const Op &b) { return a.x1 < b.x1; });
    QString out;
    for (const Op &o : hits)
        out += o.text;
    return out;
}
} // namespace

class tst_studydisplay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cellsInOrder_data();
    void cellsInOrder();
    void unitsDigitsOnOneColumn();
    void gridLines();
    void bars();
    void secondCallSamePicture();
    void pressGivesCell_data();
    void pressGivesCell();
};

void tst_studydisplay::cellsInOrder_data()
{
    QTest::addColumn<int>("factor");
    QTest::newRow("0") << 0;
    QTest::newRow("7") << 7;
    QTest::newRow("12") << 12;
}

void tst_studydisplay::cellsInOrder()
{
    QFETCH(int, factor);
    RecordingSurface s(SW, SH);
    drawFacts(s, int16_t(factor));
    QCOMPARE(s.ops.first().kind, Op::Clear);
    for (int k = 0; k < 15; ++k) {
        const float ox = float((k % 5) * colW), oy = float((k / 5) * rowH);
        const QString top = readAt(s, ox, ox + colW, oy + 0.16f * rowH);
        const QString lower = readAt(s, ox, ox + colW, oy + 0.45f * rowH);
        const QString result = readAt(s, ox, ox + colW, oy + 0.81f * rowH);
        if (k > 12) {
            QVERIFY2(top.isEmpty() && lower.isEmpty() && result.isEmpty(), "cells 13 and 14 stay empty");
            continue;
        }
        QCOMPARE(top, QString::number(k));
        QCOMPARE(lower, QStringLiteral("x") + QString::number(factor)); // the sign stands on the lower line
        QCOMPARE(result, QString::number(k * factor));
    }
}

void tst_studydisplay::unitsDigitsOnOneColumn()
{
    // Factor 12, cell 12: 12 over 12 makes 144; every units digit is centred
    // on the cell's anchor at 0.75 of the column, tens one digit left.
    RecordingSurface s(SW, SH);
    drawFacts(s, 12);
    const float ox = float(2 * colW), oy = float(2 * rowH), anchor = ox + 0.75f * colW;
    QVector<Op> cell;
    for (const Op &o : s.texts())
        if (o.x1 >= ox && o.x1 < ox + colW && o.y1 >= oy)
            cell.append(o);
    QCOMPARE(cell.size(), 2 + 2 + 1 + 3);
    auto centreOf = [](const Op &o) { return o.x1 + 50; };
    QCOMPARE(cell[0].text, QStringLiteral("2")); // drawn from the right
    QCOMPARE(centreOf(cell[0]), anchor);
    QCOMPARE(centreOf(cell[1]), anchor - 100);
    QCOMPARE(centreOf(cell[2]), anchor);
    QCOMPARE(cell[4].text, QStringLiteral("x"));
    QCOMPARE(centreOf(cell[4]), ox + 0.25f * colW);
    QCOMPARE(cell[4].y1, oy + 0.45f * rowH - 100); // top from the height of "0"
    QCOMPARE(cell[5].text, QStringLiteral("4"));
    QCOMPARE(centreOf(cell[5]), anchor);
    QCOMPARE(cell[7].text, QStringLiteral("1"));
    QCOMPARE(centreOf(cell[7]), anchor - 200);
}

void tst_studydisplay::gridLines()
{
    RecordingSurface s(SW, SH);
    drawFacts(s, 7);
    QVector<Op> blue;
    for (const Op &o : s.lines())
        if (o.colour == QColor(0, 0, 255))
            blue.append(o);
    QCOMPARE(blue.size(), 8);
    for (int j = 1; j <= 6; ++j) {
        const Op &v = blue[j - 1];
        QCOMPARE(v.x1, float(j * colW));
        QCOMPARE(v.x2, float(j * colW));
        QCOMPARE(v.y1, 0.0f);
        QCOMPARE(v.y2, SH);
        QCOMPARE(v.width, 2);
    }
    for (int j = 1; j <= 2; ++j) {
        const Op &h = blue[5 + j];
        QCOMPARE(h.y1, float(j * rowH));
        QCOMPARE(h.x1, 0.0f);
        QCOMPARE(h.x2, SW);
        QCOMPARE(h.width, 2);
    }
    // No line along the outer edges: the border closes the table.
    for (const Op &o : blue)
        QVERIFY(o.x1 != 0.0f || o.x2 != 0.0f);
}

void tst_studydisplay::bars()
{
    RecordingSurface s(SW, SH);
    drawFacts(s, 5);
    int bars = 0;
    for (const Op &o : s.lines())
        if (o.colour == QColor(Qt::black)) {
            ++bars;
            QCOMPARE(o.width, 2);
            QCOMPARE(o.y1, o.y2);
        }
    QCOMPARE(bars, 13);
    QCOMPARE(s.drawWidth(), 1); // left at 1 afterwards
}

void tst_studydisplay::secondCallSamePicture()
{
    installFontSubstitutions();
    PictureBox box(nullptr);
    box.setGeometry(twipsRect(2160, 720, 7335, 4815));
    box.setBackColor(QColor(0xFF, 0xFF, 0xC0));
    box.setForeColor(Qt::red);
    box.setBoxFont(layoutFont(QStringLiteral("Arial"), 24));
    drawFacts(box, 9);
    const QImage first = box.image().copy();
    drawFacts(box, 3);
    QVERIFY(box.image() != first);
    drawFacts(box, 9);
    QCOMPARE(box.image(), first);
    // The box's text colour is red and the picture holds red digits and blue lines.
    bool red = false, blue = false;
    for (int y = 0; y < first.height(); y += 2)
        for (int x = 0; x < first.width(); x += 2) {
            const QColor c = first.pixelColor(x, y);
            red |= c == QColor(255, 0, 0);
            blue |= c == QColor(0, 0, 255);
        }
    QVERIFY(red && blue);
}

void tst_studydisplay::pressGivesCell_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("cell");
    QTest::newRow("top left corner") << 0.0f << 0.0f << 0;
    QTest::newRow("middle row, second column") << 0.3f << 0.5f << 6;
    QTest::newRow("bottom row, third column") << 0.5f << 0.9f << 12;
    QTest::newRow("bottom row, fourth column") << 0.7f << 0.9f << 13;
    QTest::newRow("bottom right corner") << 0.9999f << 0.9999f << 14;
    QTest::newRow("top row ends at 0.333") << 0.1f << 0.3329f << 0;
    QTest::newRow("below a third but past 0.333") << 0.1f << 0.3332f << 5;
    QTest::newRow("just past 0.333") << 0.1f << 0.3335f << 5;
    QTest::newRow("just past 0.666") << 0.1f << 0.6665f << 10;
    QTest::newRow("right edge stays in column 4") << 1.0f << 0.1f << 4;
}

void tst_studydisplay::pressGivesCell()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(int, cell);
    QCOMPARE(int(studyCellAt(x * SW, y * SH, SW, SH)), cell);
}

QTEST_MAIN(tst_studydisplay)
#include "tst_studydisplay.moc"
