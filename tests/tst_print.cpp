// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet and the facts sheet: over a recording page, through the main
// window's buttons with a fake printer, and for real as PDF pages.
#include "app/module1.h"
#include "fakes.h"
#include "smalldisk.h"
#include "mainwindow.h"
#include "platform/twips.h"
#include "controls/widgets.h"
#include "pages/pages.h"
#include "modules/print/systemprinter.h"
#include "record/sqliterecord.h"
#include "controls/picturebox.h"
#include "platform/systemclock.h"
#include "windows/frmtable.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QImage>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QPageLayout>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QCheckBox>
#include <tuple>

namespace {
// Texts drawn with their top-left inside the rectangle, read left to right
// along their centre line yc (character height 20 on the recording page).
QString readAt(const QVector<Op> &ops, float x0, float x1, float yc)
{
    QVector<Op> hits;
    for (const Op &o : ops)
        if (o.kind == Op::Text && o.x1 >= x0 && o.x1 < x1 && std::fabs(o.y1 + 10 - yc) < 0.5f)
            hits << o;
    std::sort(hits.begin(), hits.end(), [](const Op &a, const Op &b) { return a.x1 < b.x1; });
    QString s;
    for (const Op &o : hits)
        s += o.text;
    return s;
}

QVector<Op> linesOf(const QVector<Op> &ops)
{
    QVector<Op> out;
    for (const Op &o : ops)
        if (o.kind == Op::Line)
            out << o;
    return out;
}

// Answers the next message box: OK or Cancel, noting what it said.
void answerNextBox(QObject *context, QMessageBox::StandardButton button, QString *title, QString *text,
                   QMessageBox::Icon *icon = nullptr, bool tick = false)
{
    auto *poll = new QTimer(context);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, context, [=] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(top); box && box->isVisible()) {
                *title = box->windowTitle();
                *text = box->text();
                if (icon)
                    *icon = box->icon();
                if (tick)
                    box->checkBox()->setChecked(true);
                QAbstractButton *b = box->button(button);
                b ? b->click() : box->accept();
                poll->deleteLater();
                return;
            }
    });
    poll->start();
}

// Renders page 1 of a PDF to an image at 100 dpi.
QImage render(const QString &pdf)
{
    const QString out = pdf + QStringLiteral(".page");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), pdf, out});
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return QImage();
    return QImage(out + QStringLiteral(".png"));
}

// Page units to pixels at 100 dpi: Letter with quarter-inch margins, so the
// 850 x 1100 page spans 800 x 1050 pixels from (25, 25).
QPoint px(float x, float y) { return QPoint(int(std::lrint(25 + x * 800.0 / 850.0)), int(std::lrint(25 + y * 1050.0 / 1100.0))); }

bool darkNear(const QImage &img, QPoint at, int reach = 2)
{
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (qGray(img.pixel(at + QPoint(dx, dy))) < 160)
                return true;
    return false;
}
} // namespace

namespace {
// The real printer's page for the facts sheet, as a user with this home
// folder (and no printer) gets it; the test's own environment is put back.
std::unique_ptr<PageSurface> factsPageIn(SystemPrinter &printer, const QString &home, PrintTarget *target,
                                         QString *error)
{
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toLocal8Bit());
    std::unique_ptr<PageSurface> page = printer.startPage(QStringLiteral("Numbloom Facts"), target, error);
    qputenv("HOME", oldHome);
    oldConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
    return page;
}
} // namespace

class tst_print : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }
    void worksheetHeader_data();
    void worksheetHeader();
    void worksheetGrid();
    void worksheetCells_data();
    void worksheetCells();
    void twoDigitNumbersOnUnitsColumn();
    void prompt();
    void factsSheet_data();
    void factsSheet();
    void factsSheetGrid();
    void factsSheetsIdentical();
    void buttons();
    void cancelPrintsNothing();
    void failedJobIsReported();
    void pdfBoxSaysWhy_data();
    void pdfBoxSaysWhy();
    void jobProblems_data();
    void jobProblems();
    void nextFreePdfName_data();
    void nextFreePdfName();
    void localePaper_data();
    void localePaper();
    void paperFromEnvironment_data();
    void paperFromEnvironment();
    void realPdfPages();
    void answerPage_data();
    void answerPage();
    void trickyFactsSheet();
    void noPrinterMeansPdfInDocuments();
    void pdfOnFullDiskLeavesNothing_data();
    void pdfOnFullDiskLeavesNothing();
};

void tst_print::worksheetHeader_data()
{
    QTest::addColumn<int>("factor");
    QTest::addColumn<QString>("second");
    QTest::newRow("Random") << -1 << "Factor: Random, Maximum Multiplier: 12";
    QTest::newRow("0") << 0 << "Factor: 0, Maximum Multiplier: 12";
    QTest::newRow("7") << 7 << "Factor: 7, Maximum Multiplier: 12";
}

void tst_print::worksheetHeader()
{
    QFETCH(int, factor);
    QFETCH(QString, second);
    RecordingPage page;
    ScriptedRandom r;
    drawWorksheet(page.surface(), r, int16_t(factor), 12);
    const QVector<Op> t = page.texts();
    QCOMPARE(t[0].text, QStringLiteral("Numbloom - free from Brightnook  Score______ Time_______"));
    QCOMPARE(t[0].x1, 50.0f);
    QCOMPARE(t[0].y1, 50.0f);
    QCOMPARE(t[1].text, second);
    QCOMPARE(t[1].x1, 50.0f);
    QCOMPARE(t[1].y1, 50.0f + 20.0f); // one text line below
    QCOMPARE(page.fontFace, QStringLiteral("Courier New"));
    QCOMPARE(page.fontPoints, 12.0);
}

void tst_print::worksheetGrid()
{
    RecordingPage page;
    ScriptedRandom r;
    drawWorksheet(page.surface(), r, 3, 12);
    int rects = 0;
    for (const Op &o : page.ops)
        if (o.kind == Op::Rectangle) {
            ++rects;
            QCOMPARE(QRectF(QPointF(o.x1, o.y1), QPointF(o.x2, o.y2)), QRectF(QPointF(50, 110), QPointF(800, 1060)));
        }
    QCOMPARE(rects, 1);
    const QVector<Op> l = linesOf(page.ops);
    for (int i = 1; i <= 9; ++i) {
        const Op &h = l[2 * (i - 1)], &v = l[2 * (i - 1) + 1];
        QCOMPARE(QVector<float>({h.x1, h.y1, h.x2, h.y2}), QVector<float>({50, float(110 + 95 * i), 800, float(110 + 95 * i)}));
        QCOMPARE(QVector<float>({v.x1, v.y1, v.x2, v.y2}), QVector<float>({float(50 + 75 * i), 110, float(50 + 75 * i), 1060}));
    }
    QCOMPARE(l.size(), 18 + 100); // and an answer line in each cell
    for (const Op &o : l)
        QCOMPARE(o.width, 1);
}

void tst_print::worksheetCells_data()
{
    QTest::addColumn<int>("factor");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("draws");
    QTest::newRow("maximum 0, factor 5") << 5 << 0 << 100;
    QTest::newRow("fixed factor 7") << 7 << 12 << 100;
    QTest::newRow("random factor") << -1 << 12 << 200;
}

void tst_print::worksheetCells()
{
    QFETCH(int, factor);
    QFETCH(int, max);
    QFETCH(int, draws);
    RecordingPage page;
    ScriptedRandom r;
    // a, then f when random: a cycles 0..12, f cycles 12..0
    for (int n = 0; n < 100; ++n) {
        r.script << drawFor(n % 13, 13);
        if (factor == -1)
            r.script << drawFor(12 - n % 13, 13);
    }
    drawWorksheet(page.surface(), r, int16_t(factor), int16_t(max));
    QCOMPARE(r.drawn, draws);
    for (int n = 0; n < 100; ++n) {
        const float X = float(50 + 75 * (n % 10)), Y = float(110 + 95 * (n / 10));
        const QString top = readAt(page.ops, X, X + 75, Y + 19);
        const QString bottom = readAt(page.ops, X, X + 75, Y + 38);
        const int a = max == 0 ? 0 : int((float(n % 13) + 0.5f) / 13.0f * float(max + 1));
        QCOMPARE(top, QString::number(a));
        const int f = factor == -1 ? 12 - n % 13 : factor;
        QCOMPARE(bottom, QStringLiteral("x") + QString::number(f));
    }
}

void tst_print::twoDigitNumbersOnUnitsColumn()
{
    RecordingPage page;
    ScriptedRandom r;
    r.script = {drawFor(12, 13), drawFor(5, 13)};
    drawWorksheet(page.surface(), r, 10, 12);
    // cell 1: 12 over 10; cell 2 onwards: 5 over 10
    QVector<Op> cell1, cell2;
    for (const Op &o : page.texts()) {
        if (o.y1 < 110)
            continue;
        if (o.x1 >= 50 && o.x1 < 125 && o.y1 < 205)
            cell1 << o;
        if (o.x1 >= 125 && o.x1 < 200 && o.y1 < 205)
            cell2 << o;
    }
    const float units = 50 + 48.75f;
    QCOMPARE(cell1[0].text, QStringLiteral("2"));
    QCOMPARE(cell1[0].x1 + 5, units);
    QCOMPARE(cell1[1].x1 + 5, units - 10);
    QCOMPARE(cell2[0].text, QStringLiteral("5"));
    QCOMPARE(cell2[0].x1 + 5, units + 75);
    QCOMPARE(cell1[4].text, QStringLiteral("x"));
    QCOMPARE(cell1[4].x1, 50 + 28.125f - 12.5f);
    QCOMPARE(cell1[4].y1, 110 + 38 - 10.0f);
}

void tst_print::prompt()
{
    QCOMPARE(worksheetPrompt(-1, 12),
             QStringLiteral("Problems on Worksheet:\n\nMultiplication (x)\nFactor: Random, Maximum Multiplier: 12\n\n"
                            "Make sure printer is on-line and ready."));
    QCOMPARE(worksheetPrompt(4, 0),
             QStringLiteral("Problems on Worksheet:\n\nMultiplication (x)\nFactor: 4, Maximum Multiplier: 0\n\n"
                            "Make sure printer is on-line and ready."));
}

void tst_print::factsSheet_data()
{
    QTest::addColumn<int>("factor");
    QTest::newRow("0") << 0;
    QTest::newRow("7") << 7;
    QTest::newRow("12") << 12;
}

void tst_print::factsSheet()
{
    QFETCH(int, factor);
    RecordingPage page;
    drawFactsSheet(page.surface(), int16_t(factor));
    const QVector<Op> t = page.texts();
    QCOMPARE(t[0].text, QStringLiteral("Numbloom - free from Brightnook"));
    QCOMPARE(QPointF(t[0].x1, t[0].y1), QPointF(100, 100));
    QCOMPARE(t[1].text, QStringLiteral("Factor is ") + QString::number(factor));
    QCOMPARE(QPointF(t[1].x1, t[1].y1), QPointF(100, 120));
    QCOMPARE(page.fontFace, QStringLiteral("Arial"));
    QCOMPARE(page.fontPoints, 36.0);
    for (int k = 1; k <= 12; ++k) {
        const float X = float(100 + 217 * ((k - 1) % 3)), Y = float(200 + 200 * ((k - 1) / 3));
        QCOMPARE(readAt(page.ops, X, X + 217, Y + 32), QString::number(k));
        QCOMPARE(readAt(page.ops, X, X + 217, Y + 90), QStringLiteral("x") + QString::number(factor));
        QCOMPARE(readAt(page.ops, X, X + 217, Y + 162), QString::number(k * factor));
    }
    if (factor == 12) {
        // 144 in the last cell: its 4 on the units column of the 1-digit top numbers
        const float anchor = 100 + 2 * 217 + 0.65f * 217;
        QVector<Op> last;
        for (const Op &o : t)
            if (std::fabs(o.y1 + 10 - (800 + 162)) < 0.5f && o.x1 > 534)
                last << o;
        QCOMPARE(last.size(), 3);
        QCOMPARE(last[0].x1 + 5, anchor);
        QCOMPARE(last[2].x1 + 5, anchor - 20);
        for (const Op &o : t)
            if (o.text == QStringLiteral("3") && std::fabs(o.y1 + 10 - 232) < 0.5f)
                QCOMPARE(o.x1 + 5, anchor);
    }
}

void tst_print::factsSheetGrid()
{
    RecordingPage page;
    drawFactsSheet(page.surface(), 5);
    const QVector<Op> l = linesOf(page.ops);
    QCOMPARE(l.size(), 4 + 5 + 12);
    const float xs[4] = {100, 317, 534, 751};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(QVector<float>({l[i].x1, l[i].y1, l[i].x2, l[i].y2}), QVector<float>({xs[i], 200, xs[i], 1000}));
        QCOMPARE(l[i].width, 2);
    }
    for (int i = 0; i < 5; ++i) {
        const Op &h = l[4 + i];
        QCOMPARE(QVector<float>({h.x1, h.y1, h.x2, h.y2}), QVector<float>({100, float(200 + 200 * i), 750, float(200 + 200 * i)}));
        QCOMPARE(h.width, 2);
    }
    for (int k = 0; k < 12; ++k) {
        const Op &bar = l[9 + k];
        QCOMPARE(bar.width, 2);
        QCOMPARE(bar.colour, QColor(Qt::black));
        QCOMPARE(bar.x2 - bar.x1, 0.7f * 217);
    }
    QCOMPARE(page.drawWidth(), 1); // set back after each answer line
}

void tst_print::factsSheetsIdentical()
{
    RecordingPage a, b;
    drawFactsSheet(a.surface(), 9);
    drawFactsSheet(b.surface(), 9);
    QCOMPARE(a.ops.size(), b.ops.size());
    for (int i = 0; i < a.ops.size(); ++i) {
        QCOMPARE(a.ops[i].kind, b.ops[i].kind);
        QCOMPARE(a.ops[i].text, b.ops[i].text);
        QCOMPARE(QPointF(a.ops[i].x1, a.ops[i].y1), QPointF(b.ops[i].x1, b.ops[i].y1));
    }
}

void tst_print::buttons()
{
    StartedProgram s("1\r\n3,6\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n");
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    answerNextBox(this, QMessageBox::Ok, &title, &text, &icon);
    QString doneTitle, doneText;
    QTimer::singleShot(0, this, [&] { answerNextBox(this, QMessageBox::Ok, &doneTitle, &doneText); });
    QTest::mouseClick(ui(s.main).cmdPrint, Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Print Worksheet"));
    QCOMPARE(text, worksheetPrompt(-1, 12));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(s.prog->printer.documents, QStringList{QStringLiteral("Numbloom Worksheet")});
    QCOMPARE(s.prog->printer.finished.size(), 1);
    QCOMPARE(s.prog->random.drawn, 200);
    QVERIFY2(doneText.contains(QStringLiteral("/home/child/Documents/Numbloom Worksheet.pdf")), qPrintable(doneText));

    // The facts sheet prints at once, with no question first; it sets the
    // fact picture's factor.
    QTest::mouseClick(ui(s.main).optMode[0], Qt::LeftButton, {}, QPoint(8, 8));
    s.prog->module->PictureFactor = 0;
    s.prog->printer.pdf = false; // a real printer: nothing more to say
    QTest::mouseClick(ui(s.main).cmdPrintFacts, Qt::LeftButton);
    QCOMPARE(s.prog->printer.documents.last(), QStringLiteral("Numbloom Facts"));
    QCOMPARE(s.prog->printer.finished.size(), 2);
    QCOMPARE(s.prog->module->PictureFactor, int16_t(6));
}

void tst_print::cancelPrintsNothing()
{
    StartedProgram s("1\r\n3,6\r\n0,0,1,0,7\r\n0,4,1000\r\n3\r\n");
    QString title, text;
    answerNextBox(this, QMessageBox::Cancel, &title, &text);
    QTest::mouseClick(ui(s.main).cmdPrint, Qt::LeftButton);
    QCOMPARE(text, worksheetPrompt(7, 3));
    QVERIFY(s.prog->printer.documents.isEmpty());
    QCOMPARE(s.prog->random.drawn, 0);
}

void tst_print::failedJobIsReported()
{
    StartedProgram s("0\r\n3,6\r\n0,0,1,0,7\r\n0,4,1000\r\n3\r\n");
    for (bool refuse : {true, false}) {
        s.prog->printer.refuse = refuse;
        s.prog->printer.failAtEnd = !refuse;
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        answerNextBox(this, QMessageBox::Ok, &title, &text, &icon);
        QTest::mouseClick(ui(s.main).cmdPrintFacts, Qt::LeftButton);
        QVERIFY2(text.contains(QStringLiteral("not printed")), qPrintable(text));
        QVERIFY(text.contains(refuse ? QStringLiteral("offline") : QStringLiteral("paper jam")));
        QCOMPARE(icon, QMessageBox::Warning);
    }
}

void tst_print::pdfBoxSaysWhy_data()
{
    QTest::addColumn<bool>("noDefault");
    QTest::addColumn<QString>("why");
    QTest::newRow("no printer at all") << false << "No printer is installed";
    QTest::newRow("printers, none the default") << true << "No default printer is set";
}

void tst_print::pdfBoxSaysWhy()
{
    QFETCH(bool, noDefault);
    QFETCH(QString, why);
    StartedProgram s("0\r\n3,6\r\n0,0,1,0,7\r\n0,4,1000\r\n3\r\n");
    s.prog->printer.noDefault = noDefault;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    answerNextBox(this, QMessageBox::Ok, &title, &text, &icon);
    QTest::mouseClick(ui(s.main).cmdPrintFacts, Qt::LeftButton);
    QVERIFY2(text.startsWith(why), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("/home/child/Documents/Numbloom Facts.pdf")));
    QCOMPARE(icon, QMessageBox::Information);
}

void tst_print::jobProblems_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("accepting");
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("said"); // empty: the page is printing
    QTest::newRow("completed") << int(JobReport::Completed) << true << false << "" << "";
    QTest::newRow("on its way") << int(JobReport::Processing) << true << false << "" << "";
    QTest::newRow("behind other jobs") << int(JobReport::Pending) << true << false << "" << "";
    QTest::newRow("queue rejects jobs") << int(JobReport::Missing) << false << false << "" << "not accepting jobs";
    QTest::newRow("server refused") << int(JobReport::Missing) << true << false << "Too many jobs." << "Too many jobs.";
    QTest::newRow("no job, no reason") << int(JobReport::Missing) << true << false << "" << "did not take the job";
    QTest::newRow("aborted") << int(JobReport::Aborted) << true << false << "" << "failed";
    QTest::newRow("cancelled") << int(JobReport::Canceled) << true << false << "" << "cancelled";
    QTest::newRow("queue paused") << int(JobReport::Pending) << true << true << "" << "paused";
    QTest::newRow("held") << int(JobReport::Held) << true << false << "" << "held";
}

void tst_print::jobProblems()
{
    QFETCH(int, state);
    QFETCH(bool, accepting);
    QFETCH(bool, stopped);
    QFETCH(QString, server);
    QFETCH(QString, said);
    const QString why = jobProblem({JobReport::State(state), accepting, stopped, server}, QStringLiteral("Office"));
    QCOMPARE(why.isEmpty(), said.isEmpty());
    if (!said.isEmpty()) {
        QVERIFY2(why.contains(said), qPrintable(why));
        QVERIFY2(why.contains(QStringLiteral("Office")), qPrintable(why));
    }
}

void tst_print::nextFreePdfName_data()
{
    QTest::addColumn<QStringList>("taken"); // a trailing "/" makes a folder
    QTest::addColumn<QString>("next");      // empty: nothing can be written
    QTest::addColumn<QString>("document");
    const QString w = QStringLiteral("Numbloom Worksheet");
    QTest::newRow("none taken") << QStringList() << w + ".pdf" << w;
    QTest::newRow("first taken") << QStringList{w + ".pdf"} << w + " (2).pdf" << w;
    QTest::newRow("first and (2) taken") << QStringList{w + ".pdf", w + " (2).pdf"} << w + " (3).pdf" << w;
    QTest::newRow("a gap at (2)") << QStringList{w + ".pdf", w + " (3).pdf"} << w + " (2).pdf" << w;
    QTest::newRow("only (2) taken") << QStringList{w + " (2).pdf"} << w + ".pdf" << w;
    QTest::newRow("the other sheet") << QStringList{"Numbloom Facts.pdf"} << w + ".pdf" << w;
    QTest::newRow("a folder by that name") << QStringList{w + ".pdf/"} << w + " (2).pdf" << w;
    QTest::newRow("no such folder") << QStringList{"missing/"} << "" << w;
    // A child's name is part of the parent's page's name: it must not lead
    // out of the folder or hide the file.
    QTest::newRow("a slash in the name") << QStringList() << "Numbloom - My Facts of Mia_Leo.pdf"
                                         << "Numbloom - My Facts of Mia/Leo";
    QTest::newRow("a leading dot") << QStringList() << "Mia.pdf" << "..Mia";
}

void tst_print::nextFreePdfName()
{
    QFETCH(QStringList, taken);
    QFETCH(QString, next);
    QFETCH(QString, document);
    QTemporaryDir dir;
    QString folder = dir.path();
    for (const QString &name : taken) {
        if (name == QStringLiteral("missing/")) {
            folder = dir.filePath(QStringLiteral("missing"));
        } else if (name.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir(dir.path()).mkdir(name.chopped(1)));
        } else {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("an earlier sheet");
        }
    }
    std::unique_ptr<QFile> draft = SystemPrinter::draftPdf(folder);
    QString published;
    if (draft) {
        QVERIFY(draft->isOpen() && draft->write("%PDF whole") > 0 && draft->flush());
        QString error;
        published = SystemPrinter::publishPdf(draft->fileName(), folder, document, &error);
        QVERIFY2(!published.isEmpty(), qPrintable(error));
        draft.reset();
        QCOMPARE(QDir(folder).entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden), QStringList());
        QFile sheet(published);
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        QCOMPARE(sheet.readAll(), QByteArray("%PDF whole"));
    }
    QCOMPARE(QFileInfo(published).fileName(), next);
    QCOMPARE(QFileInfo(published).absolutePath(), published.isEmpty() ? QString() : QFileInfo(dir.path()).absoluteFilePath());
    for (const QString &name : taken) {
        QFile f(dir.filePath(name));
        if (!name.endsWith(QLatin1Char('/')) && f.open(QIODevice::ReadOnly))
            QCOMPARE(f.readAll(), QByteArray("an earlier sheet"));
    }
}

void tst_print::localePaper_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("paper");
    QTest::newRow("en_US") << "en_US" << int(QPageSize::Letter);
    QTest::newRow("es_US") << "es_US" << int(QPageSize::Letter);
    QTest::newRow("en_CA") << "en_CA" << int(QPageSize::Letter);
    QTest::newRow("fr_CA") << "fr_CA" << int(QPageSize::Letter);
    QTest::newRow("de_DE") << "de_DE" << int(QPageSize::A4);
    QTest::newRow("fr_FR") << "fr_FR" << int(QPageSize::A4);
    QTest::newRow("en_GB") << "en_GB" << int(QPageSize::A4);
    QTest::newRow("C") << "C" << int(QPageSize::A4);
}

void tst_print::localePaper()
{
    QFETCH(QString, locale);
    QFETCH(int, paper);
    QCOMPARE(int(SystemPrinter::localePaper(QLocale(locale))), paper);
}

void tst_print::paperFromEnvironment_data()
{
    QTest::addColumn<QStringList>("environment"); // LC_ALL, LC_PAPER, LANG, LANGUAGE
    QTest::addColumn<int>("paper");
    QTest::newRow("German reading English") << QStringList{"", "", "de_DE.UTF-8", "en"} << int(QPageSize::A4);
    QTest::newRow("American reading German") << QStringList{"", "", "en_US.UTF-8", "de"} << int(QPageSize::Letter);
    QTest::newRow("paper of its own") << QStringList{"", "en_US.UTF-8", "de_DE.UTF-8", ""} << int(QPageSize::Letter);
    QTest::newRow("LC_ALL over all") << QStringList{"de_DE@euro", "en_US", "en_US", ""} << int(QPageSize::A4);
}

void tst_print::paperFromEnvironment()
{
    QFETCH(QStringList, environment);
    QFETCH(int, paper);
    const char *names[] = {"LC_ALL", "LC_PAPER", "LANG", "LANGUAGE"};
    QList<QByteArray> old;
    for (int i = 0; i < 4; ++i) {
        old << qgetenv(names[i]);
        qputenv(names[i], environment[i].toLocal8Bit());
    }
    const int chosen = int(SystemPrinter::localePaper(SystemPrinter::paperLocale()));
    for (int i = 0; i < 4; ++i)
        qputenv(names[i], old[i]);
    QCOMPARE(chosen, paper);
}

void tst_print::answerPage_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<QString>("factorLine");
    QTest::newRow("7, no answers") << QByteArray("1\r\n3,6\r\n0,0,1,0,7\r\n0,4,1000\r\n12\r\n") << false
                                   << "Factor: 7, Maximum Multiplier: 12";
    QTest::newRow("Random with answers") << QByteArray("1\r\n3,6\r\n0,0,1,0,-1\r\n0,4,1000\r\n9\r\n") << true
                                         << "Factor: Random, Maximum Multiplier: 9";
    QTest::newRow("Tricky with answers") << QByteArray("1\r\n3,6\r\n0,0,1,0,-2\r\n0,4,1000\r\n12\r\n") << true
                                         << "Factor: Tricky (Mia), Maximum Multiplier: 12";
}

void tst_print::answerPage()
{
    // The answers, when asked for, are the second page of the same job: the
    // same problems in the same places, each with its product below.
    QFETCH(QByteArray, ini);
    QFETCH(bool, tick);
    QFETCH(QString, factorLine);
    QTemporaryDir dir;
    SqliteRecord record(dir.filePath(QStringLiteral("progress.sqlite")));
    QString error;
    QTRY_VERIFY(record.health() == ChildRecord::Health::Ready);
    QVERIFY(record.rename(record.current().id, QStringLiteral("Mia"), &error));
    QTRY_COMPARE(record.currentName(), QStringLiteral("Mia"));
    StartedProgram s(ini, &record);
    QString title, text;
    answerNextBox(this, QMessageBox::Ok, &title, &text, nullptr, tick);
    s.prog->printer.pdf = false;
    for (int i = 0; i < 300; ++i)
        s.prog->random.script << float((i * 37 + 11) % 100) / 100.0f;
    QTest::mouseClick(ui(s.main).cmdPrint, Qt::LeftButton);
    QVERIFY2(text.contains(factorLine), qPrintable(text));
    QCOMPARE(s.prog->printer.finished.size(), 1);
    const QVector<Op> &ops = s.prog->printer.finished.first();
    QCOMPARE(s.prog->printer.breaks.first().size(), tick ? 1 : 0);
    const int end = tick ? s.prog->printer.breaks.first().first() : int(ops.size());
    // Each page's numbers by cell, as drawn: the first number, the factor
    // and the product, each written digit by digit from the right.
    struct Cell { QString a, f, product; };
    const auto cells = [&ops](int from, int to, QStringList *header) {
        QVector<Cell> out(100);
        for (int i = from; i < to; ++i) {
            const Op &op = ops[i];
            if (op.kind != Op::Text)
                continue;
            if (op.y1 < 110) {
                *header << op.text;
                continue;
            }
            const int col = int((op.x1 - 50) / 75), row = int((op.y1 - 110) / 95);
            const float inCell = op.y1 - 110 - 95.0f * float(row);
            Cell &c = out[row * 10 + col];
            if (op.text == QLatin1String("x"))
                continue;
            QString &into = inCell < 20 ? c.a : inCell < 45 ? c.f : c.product;
            into.prepend(op.text);
        }
        return out;
    };
    QStringList sheetHeader, keyHeader;
    const QVector<Cell> sheet = cells(0, end, &sheetHeader);
    QCOMPARE(sheetHeader.value(1), factorLine);
    for (const Cell &c : sheet)
        QVERIFY(!c.a.isEmpty() && !c.f.isEmpty() && c.product.isEmpty());
    if (!tick)
        return;
    const QVector<Cell> key = cells(end, int(ops.size()), &keyHeader);
    // The heading on a place of its own, ending where the grid does.
    QCOMPARE(keyHeader, (QStringList{printNotice(), QStringLiteral("Answers"), factorLine}));
    const auto heading = std::find_if(ops.begin() + end, ops.end(),
                                      [](const Op &op) { return op.kind == Op::Text && op.text == QLatin1String("Answers"); });
    QCOMPARE(heading->x1 + 10.0f * 7, 800.0f); // the recording page's letters are 10 wide
    QCOMPARE(heading->y1, 50.0f);
    for (int n = 0; n < 100; ++n) {
        QCOMPARE(key[n].a, sheet[n].a);
        QCOMPARE(key[n].f, sheet[n].f);
        QCOMPARE(key[n].product, QString::number(sheet[n].a.toInt() * sheet[n].f.toInt()));
    }
}

void tst_print::trickyFactsSheet()
{
    // Study in Tricky: the sheet holds the child's trickiest facts under
    // their name, and the grid's cells open the picture of their own fact.
    QTemporaryDir dir;
    SqliteRecord record(dir.filePath(QStringLiteral("progress.sqlite")));
    QString error;
    QTRY_VERIFY(record.health() == ChildRecord::Health::Ready);
    QVERIFY(record.rename(record.current().id, QStringLiteral("Mia"), &error));
    const QDateTime at = QDateTime::currentDateTimeUtc();
    for (const auto &[o1, o2, ok] : {std::tuple{7, 8, false}, std::tuple{7, 8, false}, std::tuple{3, 4, false},
                                     std::tuple{2, 9, true}})
        record.answerJudged({at, o1, o2, ok ? o1 * o2 : 1, ok, 2000});
    record.flush();
    StartedProgram s("0\r\n3,-2\r\n0,0,1,0,7\r\n0,4,1000\r\n12\r\n", &record);
    QTRY_COMPARE(s.main->windowTitle(), QStringLiteral("Numbloom - Mia"));
    QVERIFY(ui(s.main).optFactor[size_t(TrickyOption)]->isChecked());
    PictureBox *box = ui(s.main).picFactor;
    for (const auto &[cell, operand1, factor] : {std::tuple{1, 3, 4}, std::tuple{2, 2, 9}}) {
        QTest::mousePress(box, Qt::LeftButton, {}, QPoint(box->width() * (2 * cell + 1) / 10, 10));
        QCOMPARE(int(s.prog->module->PictureMultiplier), operand1);
        QCOMPARE(int(s.prog->module->PictureFactor), factor);
    }
    QCOMPARE(s.factPictures, 2);
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(box->width() * 7 / 10, 10)); // cell 3: empty
    QCOMPARE(s.factPictures, 2);

    s.prog->printer.pdf = false;
    QTest::mouseClick(ui(s.main).cmdPrintFacts, Qt::LeftButton);
    QStringList texts;
    for (const Op &op : s.prog->printer.finished.first())
        if (op.kind == Op::Text)
            texts << op.text;
    QCOMPARE(texts[1], QStringLiteral("Tricky facts of Mia"));
    // Each cell: first number, factor, sign, the product from its right;
    // the most missed first.
    QCOMPARE(texts.mid(2), (QStringList{"7", "8", "x", "6", "5", "3", "4", "x", "2", "1", "2", "9", "x", "8", "1"}));
}

void tst_print::realPdfPages()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0.25, 0.25, 0.25, 0.25),
                             QPageLayout::Inch);
    for (int doc = 0; doc < 2; ++doc) {
        const QString path = dir.filePath(doc == 0 ? QStringLiteral("worksheet.pdf") : QStringLiteral("facts.pdf"));
        {
            QPdfWriter writer(path);
            writer.setResolution(300);
            writer.setPageLayout(letter);
            QString error;
            std::unique_ptr<PageSurface> page = makePainterPage(&writer, &error);
            QVERIFY2(page, qPrintable(error));
            MtRandom random;
            random.seed(4);
            if (doc == 0)
                drawWorksheet(*page, random, -1, 12);
            else
                drawFactsSheet(*page, 12);
            QVERIFY(page->endDocument(&error));
        }
        const QImage img = render(path);
        QVERIFY2(!img.isNull(), "pdftoppm failed");
        QCOMPARE(img.size(), QSize(850, 1100));
        img.save(QStringLiteral("/tmp/numbloom-%1.png").arg(doc == 0 ? "worksheet" : "facts"));
        int dark = 0;
        for (int y = 0; y < img.height(); y += 3)
            for (int x = 0; x < img.width(); x += 3)
                dark += qGray(img.pixel(x, y)) < 128;
        QVERIFY2(dark > 500, "the page is blank");
        if (doc == 0) {
            for (int i = 0; i <= 10; ++i) {
                QVERIFY2(darkNear(img, px(50 + 75 * i, 1000)), qPrintable(QStringLiteral("vertical line %1").arg(i)));
                QVERIFY2(darkNear(img, px(60, 110 + 95 * i)), qPrintable(QStringLiteral("horizontal line %1").arg(i)));
            }
            QVERIFY(!darkNear(img, px(35, 600)));  // left of the grid
            QVERIFY(!darkNear(img, px(825, 600))); // right of it
        } else {
            for (float x : {100.0f, 317.0f, 534.0f, 751.0f})
                QVERIFY(darkNear(img, px(x, 980)));
            for (int i = 0; i <= 4; ++i)
                QVERIFY(darkNear(img, px(200, float(200 + 200 * i))));
            QVERIFY(!darkNear(img, px(760, 400), 1)); // the horizontals end at 750
            QVERIFY(!darkNear(img, px(425, 1050)));   // nothing under the grid
        }
    }
}

void tst_print::noPrinterMeansPdfInDocuments()
{
    // This machine and CI have no printer: the page goes to Documents as PDF.
    // Where a printer is installed, nothing is sent to it from a test.
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a printer is installed here; the PDF fallback is not used");
    QTemporaryDir home;
    SystemPrinter printer;
    PrintTarget target;
    QString error;
    std::unique_ptr<PageSurface> page = factsPageIn(printer, home.path(), &target, &error);
    QVERIFY2(page, qPrintable(error));
    QCOMPARE(target.where, home.path() + QStringLiteral("/Documents/Numbloom Facts.pdf"));
    QCOMPARE(target.noDefault, !QPrinterInfo::availablePrinterNames().isEmpty());
    drawFactsSheet(*page, 3);
    // Until the page is whole nothing has the sheet's name: a program killed
    // now leaves no broken sheet to print.
    QVERIFY(!QFileInfo::exists(target.where));
    QVERIFY(page->endDocument(&error));
    page.reset();
    QFile first(target.where);
    QVERIFY(first.open(QIODevice::ReadOnly));
    const QByteArray firstBytes = first.readAll();
    QVERIFY(firstBytes.size() > 1000);
    // On the locale's paper, in points.
    const QSizeF paper = QPageSize(SystemPrinter::localePaper(SystemPrinter::paperLocale())).size(QPageSize::Point);
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(QString::fromLatin1(firstBytes));
    QVERIFY(box.hasMatch());
    QCOMPARE(QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble()), paper);

    // A second sheet gets the next name and leaves the first alone.
    page = factsPageIn(printer, home.path(), &target, &error);
    QVERIFY2(page, qPrintable(error));
    QCOMPARE(target.where, home.path() + QStringLiteral("/Documents/Numbloom Facts (2).pdf"));
    drawFactsSheet(*page, 4);
    QVERIFY(page->endDocument(&error));
    page.reset();
    QVERIFY(QFileInfo(target.where).size() > 1000);
    first.close();
    QVERIFY(first.open(QIODevice::ReadOnly));
    QCOMPARE(first.readAll(), firstBytes);
}

void tst_print::pdfOnFullDiskLeavesNothing_data()
{
    QTest::addColumn<int>("free");
    QTest::newRow("full") << 0;
    QTest::newRow("nearly full") << 8192; // the page is 11 KB: it stops part-way
}

void tst_print::pdfOnFullDiskLeavesNothing()
{
    // A broken PDF must not keep the name: the next good sheet would be
    // "(2)", and a parent might print the broken one.
    QFETCH(int, free);
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a printer is installed here; the PDF fallback is not used");
    SmallDisk disk(1024 * 1024);
    if (!disk.mounted())
        QSKIP(qPrintable(disk.why()));
    QVERIFY(QDir().mkpath(disk.path() + QStringLiteral("/Documents")));
    QVERIFY(disk.fill(free));
    SystemPrinter printer;
    PrintTarget target;
    QString error;
    std::unique_ptr<PageSurface> page = factsPageIn(printer, disk.path(), &target, &error);
    bool printed = false;
    if (page) {
        drawFactsSheet(*page, 7);
        printed = page->endDocument(&error);
        page.reset();
    }
    QVERIFY(!printed);
    QVERIFY2(error.contains(QStringLiteral("could not be written")), qPrintable(error));
    QCOMPARE(disk.files(), QStringList());
}

QTEST_MAIN(tst_print)
#include "tst_print.moc"
