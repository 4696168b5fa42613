// SPDX-License-Identifier: GPL-3.0-or-later
// The fact picture's steps without a window: what is drawn on the surface,
// what is heard and what the window is told, in order.
#include "fakes.h"
#include "recordingsurface.h"
#include "study/factpicture.h"

#include <QTest>

namespace {
// One line per thing that happened, as a window and a listener would see it.
struct Journal
{
    Journal(FactPicture &picture, RecordingSurface &canvas, FakeSound &sound) : m_canvas(canvas), m_sound(sound)
    {
        QObject::connect(&picture, &FactPicture::cleared, [this] { note(QStringLiteral("cleared")); });
        QObject::connect(&picture, &FactPicture::columnShown, [this](int c) { note(QStringLiteral("column %1").arg(c)); });
        QObject::connect(&picture, &FactPicture::rowShown, [this](int r) { note(QStringLiteral("row %1").arg(r)); });
        QObject::connect(&picture, &FactPicture::multiplierWritten,
                         [this](int m) { note(QStringLiteral("wrote %1").arg(m)); });
        QObject::connect(&picture, &FactPicture::factWritten,
                         [this](int f, int p) { note(QStringLiteral("wrote x %1 = %2").arg(f).arg(p)); });
        QObject::connect(&picture, &FactPicture::finished, [this] { note(QStringLiteral("finished")); });
    }
    // Sounds and canvas clears since the last note come first, as they happened before it.
    void note(const QString &what)
    {
        flush();
        lines << what;
    }
    void flush()
    {
        for (; m_heard < m_sound.played.size(); ++m_heard)
            lines << m_sound.played[m_heard].file;
        for (; m_seen < m_canvas.ops.size(); ++m_seen)
            if (m_canvas.ops[m_seen].kind == Op::Clear)
                lines << QStringLiteral("canvas cleared");
    }
    QStringList lines;

private:
    RecordingSurface &m_canvas;
    FakeSound &m_sound;
    qsizetype m_heard = 0, m_seen = 0;
};

int shapesDrawn(const RecordingSurface &s)
{
    int n = 0;
    for (const Op &op : s.ops)
        n += op.kind == Op::Rectangle || op.kind == Op::Circle || op.kind == Op::Polygon;
    return n;
}
} // namespace

class tst_factsteps : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void steps_data();
    void steps();
    void redrawKeepsTheLot();
};

void tst_factsteps::steps_data()
{
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<int>("factor");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("shapes");
    const QString s = QStringLiteral("single.wav"), b = QStringLiteral("boing.wav");
    QTest::newRow("2 x 2") << 2 << 2
                           << QStringList{"canvas cleared", "cleared", "column 1", s, "column 2", s, "wrote 2",
                                          "row 0", "column 1", "column 2", b, "row 1", "column 1", "column 2", b,
                                          "wrote x 2 = 4", "finished"}
                           << 6; // the first row twice, then the second
    // Times 0: the counted row goes again after the pause.
    QTest::newRow("3 x 0") << 3 << 0
                           << QStringList{"canvas cleared", "cleared", "column 1", s, "column 2", s, "column 3", s,
                                          "wrote 3", "canvas cleared", "wrote x 0 = 0", "finished"}
                           << 3;
    QTest::newRow("0 x 1") << 0 << 1
                           << QStringList{"canvas cleared", "cleared", "wrote 0", "row 0", b, "wrote x 1 = 0",
                                          "finished"}
                           << 0;
    // A fact beyond the grid is drawn at its edge.
    QTest::newRow("13 x -1") << 13 << -1
                             << (QStringList{"canvas cleared", "cleared"}
                                 << [&] {
                                        QStringList l;
                                        for (int c = 1; c <= 12; ++c)
                                            l << QStringLiteral("column %1").arg(c) << s;
                                        return l;
                                    }()
                                 << QStringList{"wrote 12", "wrote x 0 = 0", "finished"})
                             << 12;
}

void tst_factsteps::steps()
{
    QFETCH(int, multiplier);
    QFETCH(int, factor);
    QFETCH(QStringList, expected);
    QFETCH(int, shapes);
    TestProgram prog;
    prog.module->PictureMultiplier = int16_t(multiplier);
    prog.module->PictureFactor = int16_t(factor);
    RecordingSurface canvas(475, 331);
    FactPicture picture(*prog.module, canvas);
    Journal journal(picture, canvas, prog.sound);
    picture.load();
    QCOMPARE(picture.CellWidth(), int16_t(24));
    const int64_t before = prog.clock.now;
    picture.ShowFact();
    journal.flush();
    QCOMPARE(journal.lines, expected);
    QCOMPARE(shapesDrawn(canvas), shapes);
    QVERIFY(prog.clock.now - before >= 1000); // the pause after the first row
    for (const PlayedSound &p : prog.sound.played)
        QCOMPARE(p.flags, int(SoundPlayer::Wait));
    QVERIFY(!picture.animating());
}

void tst_factsteps::redrawKeepsTheLot()
{
    TestProgram prog;
    prog.random.script = {drawFor(2, 4), drawFor(1, 4)}; // triangles, colour 11
    prog.module->PictureMultiplier = 4;
    prog.module->PictureFactor = 3;
    RecordingSurface canvas(475, 331);
    FactPicture picture(*prog.module, canvas);
    picture.redraw(); // nothing shown yet: nothing to draw again
    QVERIFY(canvas.ops.isEmpty());
    picture.load();
    picture.ShowFact();
    QCOMPARE(picture.ShapeKind(), int16_t(3));
    QCOMPARE(picture.ShapeColour(), int16_t(11));
    // The last three rows as drawn, against the same rows drawn again.
    const QVector<Op> rows = canvas.ops.mid(canvas.ops.size() - 3 * 4 * 2);
    canvas.ops.clear();
    prog.sound.played.clear();
    picture.redraw();
    QCOMPARE(canvas.ops.size(), rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QCOMPARE(canvas.ops[i].kind, rows[i].kind);
        QCOMPARE(canvas.ops[i].points, rows[i].points);
        QCOMPARE(canvas.ops[i].colour, rows[i].colour);
    }
    QVERIFY(prog.sound.played.isEmpty()); // quiet, and nothing drawn by lot again
    QCOMPARE(prog.random.drawn, 2);
}

QTEST_GUILESS_MAIN(tst_factsteps)
#include "tst_factsteps.moc"
