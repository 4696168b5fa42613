// SPDX-License-Identifier: GPL-3.0-or-later
// The fact picture: shape geometry, and the animation's order of shapes,
// labels and sounds, with fake sound, clock and random source.
#include "app/module1.h"
#include "fakes.h"
#include "mainwindow.h"
#include "controls/picturebox.h"
#include "platform/twips.h"
#include "controls/widgets.h"
#include "recordingsurface.h"
#include "study/factpicture.h"
#include "study/shapes.h"
#include "windows/frmhmath.h"
#include "windows/frmtable.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <QTimer>

namespace {
// The fact picture's controls, found by name.
struct Picture
{
    explicit Picture(const QWidget *w)
        : canvas(named<PictureBox>(w, QStringLiteral("canvas"))), Frame1(named<Frame>(w, QStringLiteral("Frame1"))),
          Command1(named<QPushButton>(w, QStringLiteral("Command1"))),
          lblFact99(named<QLabel>(w, QStringLiteral("lblFact_99")))
    {
        for (int i = 0; i < 3; ++i)
            lbltutor[size_t(i)] = named<QLabel>(w, "lbltutor", i);
        for (int r = 0; r < 12; ++r)
            lblFact[size_t(r)] = named<QLabel>(w, "lblFact", r);
        for (int c = 1; c <= 12; ++c)
            lblFact1[size_t(c)] = named<QLabel>(w, "lblFact1", c);
    }
    PictureBox *canvas;
    Frame *Frame1;
    QPushButton *Command1;
    QLabel *lblFact99;
    std::array<QLabel *, 3> lbltutor{};
    std::array<QLabel *, 12> lblFact{};
    std::array<QLabel *, 13> lblFact1{};
};
Picture pic(const QWidget *w) { return Picture(w); }

QList<QPoint> pts(const QVector<QPoint> &v) { return QList<QPoint>(v.begin(), v.end()); }

// Load, show and the activation that runs the animation, as a cell press does.
void showAndAnimate(frmHMath &w)
{
    w.Form_Load();
    w.show();
    w.Form_Activate();
}

// The shapes drawn, as recorded by a surface standing in for the canvas.
int shapesIn(const QImage &img, const QColor &fill)
{
    // Count filled cells along the grid: a cell holds a shape when its
    // centre has the fill colour.
    int n = 0;
    for (int r = 0; r < 12; ++r)
        for (int c = 0; c < 12; ++c)
            if (img.pixelColor(176 + 24 * c + 12, 32 + 24 * r + 12) == fill)
                ++n;
    return n;
}

// A sound player that notes, at every sound, what the window shows.
class WatchingSound : public FakeSound
{
public:
    std::function<void(const QString &)> onPlay;
    void play(const QString &path, int flags) override
    {
        FakeSound::play(path, flags);
        if (onPlay)
            onPlay(QFileInfo(path).fileName());
    }
};

QString moment(const QString &sound, int cols, int rows, int shapes, const QStringList &fact, bool paused)
{
    return QStringLiteral("%1 columns=%2 rows=%3 shapes=%4 fact=[%5] paused=%6")
        .arg(sound)
        .arg(cols)
        .arg(rows)
        .arg(shapes)
        .arg(fact.join(QLatin1Char('|')))
        .arg(paused);
}
} // namespace

class tst_factpicture : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }
    void geometry_data();
    void geometry();
    void drawingGoesThroughSurface();
    void animation_data();
    void animation();
    void repaintDrawsSameShapes();
    void freshWindowEachTime();
    void animationOrder_data();
    void animationOrder();
    void repaintKeepsShapeAndColour_data();
    void repaintKeepsShapeAndColour();
    void labelsStayBehindGridAndFrame();
    void studyCellOpensPictureAndWaits();
};

void tst_factpicture::geometry_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("shapeKind");
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<int>("radius");
    // A 24 x 24 cell at (176, 56): sx = sy = 0.05 * 24 = 1.2, rounded to 1.
    QTest::newRow("square") << 1 << int(Shape::Box) << QList<QPoint>{{177, 57}, {199, 79}} << 0;
    QTest::newRow("circle") << 2 << int(Shape::Circle) << QList<QPoint>{{188, 68}} << 11; // 0.45 * 24 = 10.8
    QTest::newRow("triangle") << 3 << int(Shape::Polygon) << QList<QPoint>{{177, 79}, {188, 57}, {199, 79}} << 0;
    QTest::newRow("hexagon") << 4 << int(Shape::Polygon)
                             << QList<QPoint>{{177, 68}, {182, 57}, {194, 57}, {199, 68}, {194, 79}, {182, 79}} << 0;
    QTest::newRow("kind 5 draws nothing") << 5 << int(Shape::None) << QList<QPoint>{} << 0;
    QTest::newRow("kind 0 draws nothing") << 0 << int(Shape::None) << QList<QPoint>{} << 0;
}

void tst_factpicture::geometry()
{
    QFETCH(int, kind);
    QFETCH(int, shapeKind);
    QFETCH(QList<QPoint>, points);
    QFETCH(int, radius);
    const Shape s = shapeFor(kind, 176, 56, 24, 24);
    QCOMPARE(int(s.kind), shapeKind);
    if (s.kind == Shape::Box)
        QCOMPARE((QList<QPoint>{s.box.topLeft(), s.box.bottomRight()}), points);
    if (s.kind == Shape::Circle) {
        QCOMPARE(QList<QPoint>{s.centre}, points);
        QCOMPARE(s.radius, radius);
    }
    if (s.kind == Shape::Polygon)
        QCOMPARE(pts(s.corners), points);
}

void tst_factpicture::drawingGoesThroughSurface()
{
    // Halves round to the even neighbour: a 30-wide cell has 0.25 * 30 = 7.5 -> 8
    // and 0.05 * 30 = 1.5 -> 2.
    const Shape hex = shapeFor(4, 0, 0, 30, 30);
    QCOMPARE(hex.corners[1], QPoint(8, 2));
    const Shape odd = shapeFor(2, 0, 0, 25, 25); // 12.5 -> 12, 11.25 -> 11
    QCOMPARE(odd.centre, QPoint(12, 12));
    QCOMPARE(odd.radius, 11);

    RecordingSurface s(475, 331);
    s.setFillColor(paletteColour(12));
    for (int kind = 1; kind <= 5; ++kind)
        drawShape(s, shapeFor(kind, 0, 0, 24, 24));
    QCOMPARE(s.ops.size(), 4); // rectangle, circle, two polygons, nothing for 5
    QCOMPARE(s.ops[0].kind, Op::Rectangle);
    QCOMPARE(s.ops[1].kind, Op::Circle);
    QCOMPARE(s.ops[3].points.size(), 6);
    QCOMPARE(s.ops[0].colour, QColor(0xFF, 0, 0));
    QCOMPARE(paletteColour(11), QColor(0, 0xFF, 0xFF));
    QCOMPARE(paletteColour(10), QColor(0, 0xFF, 0));
    QCOMPARE(paletteColour(14), QColor(0xFF, 0xFF, 0));
}

void tst_factpicture::animation_data()
{
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<int>("factor");
    QTest::addColumn<QStringList>("sounds");
    QTest::addColumn<int>("columnLabels");
    QTest::addColumn<int>("rowLabels");
    QTest::addColumn<QStringList>("fact");
    QTest::addColumn<int>("shapesLeft");
    const QString s = QStringLiteral("single.wav"), b = QStringLiteral("boing.wav");
    QTest::newRow("7 x 3") << 7 << 3 << (QStringList{s, s, s, s, s, s, s} << b << b << b) << 7 << 3
                           << QStringList{"7", "x 3", "21"} << 21;
    QTest::newRow("factor 0") << 5 << 0 << QStringList{s, s, s, s, s} << 5 << 0 << QStringList{"5", "x 0", "0"} << 0;
    QTest::newRow("multiplier 0") << 0 << 4 << QStringList{b, b, b, b} << 0 << 4 << QStringList{"0", "x 4", "0"} << 0;
    QTest::newRow("12 x 12") << 12 << 12 << (QStringList() << QVector<QString>(12, s).toList() << QVector<QString>(12, b).toList())
                             << 12 << 12 << QStringList{"12", "x 12", "144"} << 144;
}

void tst_factpicture::animation()
{
    QFETCH(int, multiplier);
    QFETCH(int, factor);
    QFETCH(QStringList, sounds);
    QFETCH(int, columnLabels);
    QFETCH(int, rowLabels);
    QFETCH(QStringList, fact);
    QFETCH(int, shapesLeft);
    TestProgram prog;
    prog.random.script = {drawFor(0, 4), drawFor(0, 4)}; // square, colour 12 (red)
    prog.module->PictureMultiplier = int16_t(multiplier);
    prog.module->PictureFactor = int16_t(factor);
    frmHMath w(*prog.module);
    w.Form_Load();
    QCOMPARE(w.picture().CellWidth(), int16_t(24));
    QCOMPARE(w.picture().CellHeight(), int16_t(24));
    w.show();
    const int64_t before = prog.clock.now;
    w.Form_Activate();
    QCOMPARE(prog.sound.files(), sounds);
    for (const PlayedSound &p : prog.sound.played)
        QCOMPARE(p.flags, int(SoundPlayer::Wait));
    QVERIFY(prog.clock.now - before >= 1000); // the pause after the first row
    int cols = 0, rows = 0;
    for (int c = 1; c <= 12; ++c)
        cols += pic(&w).lblFact1[size_t(c)]->isVisible();
    for (int r = 0; r < 12; ++r)
        rows += pic(&w).lblFact[size_t(r)]->isVisible();
    QCOMPARE(cols, columnLabels);
    QCOMPARE(rows, rowLabels);
    if (rowLabels > 0)
        QVERIFY(pic(&w).lblFact[size_t(rowLabels - 1)]->isVisible());
    if (rowLabels < 12)
        QVERIFY(!pic(&w).lblFact[size_t(rowLabels)]->isVisible());
    QVERIFY(pic(&w).lblFact99->isVisible());
    QCOMPARE(pic(&w).lbltutor[0]->text(), fact[0]);
    QCOMPARE(pic(&w).lbltutor[1]->text(), fact[1]);
    QCOMPARE(pic(&w).lbltutor[2]->text(), fact[2]);
    QCOMPARE(shapesIn(pic(&w).canvas->image(), QColor(0xFF, 0, 0)), shapesLeft);
}

void tst_factpicture::repaintDrawsSameShapes()
{
    TestProgram prog;
    prog.random.script = {drawFor(1, 4), drawFor(3, 4)}; // circle, colour 14 (yellow)
    prog.module->PictureMultiplier = 4;
    prog.module->PictureFactor = 2;
    frmHMath w(*prog.module);
    showAndAnimate(w);
    QCOMPARE(w.picture().ShapeKind(), int16_t(2));
    QCOMPARE(w.picture().ShapeColour(), int16_t(14));
    const QImage after = pic(&w).canvas->image().copy();
    QCOMPARE(shapesIn(after, QColor(0xFF, 0xFF, 0)), 8);
    const int draws = prog.random.drawn;
    pic(&w).canvas->clear(); // as if covered
    w.Form_Paint();
    QCOMPARE(shapesIn(pic(&w).canvas->image(), QColor(0xFF, 0xFF, 0)), 8);
    // the same shapes in the same cells: the first two rows, four across
    for (int r = 0; r < 12; ++r)
        for (int col = 0; col < 12; ++col)
            QCOMPARE(pic(&w).canvas->image().pixelColor(176 + 24 * col + 12, 32 + 24 * r + 12),
                     after.pixelColor(176 + 24 * col + 12, 32 + 24 * r + 12));
    QCOMPARE(prog.random.drawn, draws); // nothing drawn by lot again
}

void tst_factpicture::freshWindowEachTime()
{
    TestProgram prog;
    prog.module->PictureMultiplier = 3;
    prog.module->PictureFactor = 2;
    int shown = 0;
    QStringList texts;
    QTimer closer;
    closer.setInterval(5);
    connect(&closer, &QTimer::timeout, this, [&] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *f = qobject_cast<frmHMath *>(top); f && f->isVisible() && !pic(f).lbltutor[2]->text().isEmpty()) {
                ++shown;
                int visibleLabels = 0;
                for (int c = 1; c <= 12; ++c)
                    visibleLabels += pic(f).lblFact1[size_t(c)]->isVisible();
                texts << QString::number(visibleLabels) + pic(f).lbltutor[2]->text();
                QTest::mouseClick(pic(f).Command1, Qt::LeftButton);
            }
    });
    closer.start();
    frmHMath::showFact(*prog.module, nullptr);
    prog.module->PictureMultiplier = 1;
    prog.module->PictureFactor = 5;
    frmHMath::showFact(*prog.module, nullptr);
    closer.stop();
    QCOMPARE(shown, 2);
    // The second window starts with its labels hidden: only its own column shows.
    QCOMPARE(texts, (QStringList{"36", "15"}));
}

void tst_factpicture::animationOrder_data()
{
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<int>("factor");
    QTest::newRow("7 x 3") << 7 << 3;
    QTest::newRow("factor 0") << 5 << 0;
    QTest::newRow("multiplier 0") << 0 << 4;
    QTest::newRow("1 x 1") << 1 << 1;
}

void tst_factpicture::animationOrder()
{
    QFETCH(int, multiplier);
    QFETCH(int, factor);
    TestProgram prog;
    WatchingSound sound;
    prog.module->svc.sound = &sound;
    prog.random.script = {drawFor(0, 4), drawFor(0, 4)}; // red squares
    prog.module->PictureMultiplier = int16_t(multiplier);
    prog.module->PictureFactor = int16_t(factor);
    frmHMath w(*prog.module);
    w.Form_Load();
    w.show();
    QStringList seen;
    sound.onPlay = [&](const QString &file) {
        int cols = 0, rows = 0;
        for (int c = 1; c <= 12; ++c)
            cols += pic(&w).lblFact1[size_t(c)]->isVisible();
        for (int r = 0; r < 12; ++r)
            rows += pic(&w).lblFact[size_t(r)]->isVisible();
        const QStringList fact{pic(&w).lbltutor[0]->text(), pic(&w).lbltutor[1]->text(), pic(&w).lbltutor[2]->text()};
        seen << moment(file, cols, rows, shapesIn(pic(&w).canvas->image(), QColor(0xFF, 0, 0)), fact,
                       prog.clock.now >= 1000);
    };
    w.Form_Activate();
    // Each shape of the first row comes with its column label and a sound,
    // before anything is written; after the pause each row comes with its
    // label and a boing, the multiplier already written, the rest not yet.
    QStringList expected;
    for (int k = 1; k <= multiplier; ++k)
        expected << moment(QStringLiteral("single.wav"), k, 0, k, {"", "", ""}, false);
    for (int j = 1; j <= factor; ++j)
        expected << moment(QStringLiteral("boing.wav"), multiplier, j, multiplier * j,
                           {QString::number(multiplier), "", ""}, true);
    QCOMPARE(seen, expected);
}

void tst_factpicture::repaintKeepsShapeAndColour_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("colourDraw");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("red squares") << 1 << 0 << QColor(0xFF, 0, 0);
    QTest::newRow("cyan circles") << 2 << 1 << QColor(0, 0xFF, 0xFF);
    QTest::newRow("green triangles") << 3 << 2 << QColor(0, 0xFF, 0);
    QTest::newRow("yellow hexagons") << 4 << 3 << QColor(0xFF, 0xFF, 0);
}

void tst_factpicture::repaintKeepsShapeAndColour()
{
    QFETCH(int, kind);
    QFETCH(int, colourDraw);
    QFETCH(QColor, colour);
    TestProgram prog;
    prog.random.script = {drawFor(kind - 1, 4), drawFor(colourDraw, 4)};
    prog.module->PictureMultiplier = 7;
    prog.module->PictureFactor = 3;
    frmHMath w(*prog.module);
    showAndAnimate(w);
    QCOMPARE(int(w.picture().ShapeKind()), kind);
    QCOMPARE(paletteColour(w.picture().ShapeColour()), colour);
    const QImage after = pic(&w).canvas->image().copy();
    QCOMPARE(shapesIn(after, colour), 21);
    // Over the drawing still there: nothing piles up on the outlines.
    w.Form_Paint();
    QVERIFY(pic(&w).canvas->image() == after);
    // Over a drawing that was lost: the very same picture again.
    pic(&w).canvas->clear();
    QVERIFY(pic(&w).canvas->image() != after);
    w.Form_Paint();
    QVERIFY(pic(&w).canvas->image() == after);
    QCOMPARE(prog.random.drawn, 2);
}

void tst_factpicture::labelsStayBehindGridAndFrame()
{
    TestProgram prog;
    prog.module->PictureMultiplier = 7;
    prog.module->PictureFactor = 3;
    frmHMath w(*prog.module);
    showAndAnimate(w);
    const QImage shot = w.grab().toImage();
    // Column label 1 reaches down over the grid's top line ...
    const QPoint onTopLine(FactPicture::columnLineX(0) + 12, FactPicture::rowLineY(0));
    QVERIFY(pic(&w).lblFact1[1]->isVisible() && pic(&w).lblFact1[1]->geometry().contains(onTopLine));
    QCOMPARE(shot.pixelColor(onTopLine), QColor(Qt::black));
    // ... and row label 1 reaches left over the frame.
    const QPoint inFrame(pic(&w).Frame1->geometry().right() - 4, pic(&w).lblFact[0]->geometry().center().y());
    QVERIFY(pic(&w).lblFact[0]->isVisible() && pic(&w).lblFact[0]->geometry().contains(inFrame));
    const QImage frame = pic(&w).Frame1->grab().toImage();
    QCOMPARE(shot.pixelColor(inFrame), frame.pixelColor(inFrame - pic(&w).Frame1->pos()));
    QCOMPARE(shot.pixelColor(inFrame), QColor(0xFF, 0xFF, 0xC0));
}

void tst_factpicture::studyCellOpensPictureAndWaits()
{
    StartedProgram s("0\r\n3,3\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n"); // study, facts of 3
    s.main->showFactPicture = &frmHMath::showFact;
    bool okPressed = false, modal = false, mainShown = false, owned = false;
    QStringList fact;
    QString title;
    QTimer closer;
    closer.setInterval(5);
    connect(&closer, &QTimer::timeout, this, [&] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *f = qobject_cast<frmHMath *>(top); f && f->isVisible() && !pic(f).lbltutor[2]->text().isEmpty()) {
                modal = f->isModal();
                mainShown = s.main->isVisible();
                // Transient for the main window, so a click there cannot bury it.
                owned = f->windowHandle() && f->windowHandle()->transientParent() == s.main->windowHandle();
                title = f->windowTitle();
                fact = QStringList{pic(f).lbltutor[0]->text(), pic(f).lbltutor[1]->text(), pic(f).lbltutor[2]->text()};
                okPressed = true;
                QTest::mouseClick(pic(f).Command1, Qt::LeftButton);
            }
    });
    closer.start();
    PictureBox *box = ui(s.main).picFactor;
    QTest::mousePress(box, Qt::LeftButton, {}, box->rect().center()); // cell 7: middle row, third column
    closer.stop();
    QVERIFY(okPressed); // the press came back only after OK
    QVERIFY(modal);
    QVERIFY(mainShown);
    QVERIFY(owned);
    QCOMPARE(title, QStringLiteral("7 x 3"));
    QCOMPARE(fact, (QStringList{"7", "x 3", "21"}));
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<frmHMath *>(top)); // unloaded, not just hidden
    QVERIFY(s.main->isVisible());
}

QTEST_MAIN(tst_factpicture)
#include "tst_factpicture.moc"
