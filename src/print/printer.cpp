#include "systemprinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

constexpr float PageW = 850, PageH = 1100;

class PainterPage : public PageSurface
{
public:
    // owned, when given, is the device itself: the page then keeps it alive.
    PainterPage(QPagedPaintDevice *device, std::unique_ptr<QPagedPaintDevice> owned,
                std::function<bool(QString *)> finish)
        : m_owned(std::move(owned)), m_device(device), m_finish(std::move(finish))
    {
    }

    bool begin(QString *error)
    {
        if (!m_painter.begin(m_device)) {
            if (error)
                *error = QStringLiteral("The print job could not be started.");
            return false;
        }
        // Drawing goes in device pixels, so that line widths are device pixels;
        // the page's own coordinates start at the printable area's corner.
        m_area = QRectF(QPointF(0, 0), m_device->pageLayout().paintRectPixels(m_device->logicalDpiX()).size());
        m_sx = float(m_area.width()) / PageW;
        m_sy = float(m_area.height()) / PageH;
        setFont(QStringLiteral("Courier New"), 12);
        return true;
    }

    float scaleWidth() const override { return PageW; }
    float scaleHeight() const override { return PageH; }
    float currentX() const override { return m_x; }
    float currentY() const override { return m_y; }
    void setCurrentX(float x) override { m_x = x; }
    void setCurrentY(float y) override { m_y = y; }

    void setFont(const QString &face, double points) override
    {
        m_font = QFont(face);
        m_font.setPixelSize(qMax(1, int(std::lrint(points * m_device->logicalDpiX() / 72.0))));
        m_painter.setFont(m_font);
    }
    float textWidth(const QString &t) const override
    {
        return float(QFontMetricsF(m_font, m_device).horizontalAdvance(t)) / m_sx;
    }
    float textHeight(const QString &) const override { return float(QFontMetricsF(m_font, m_device).height()) / m_sy; }
    QColor foreColor() const override { return m_fore; }
    void setForeColor(const QColor &c) override { m_fore = c; }
    int drawWidth() const override { return m_width; }
    void setDrawWidth(int px) override { m_width = px < 1 ? 1 : px; }
    void setFillColor(const QColor &c) override { m_fill = c; }

    void printText(const QString &t) override
    {
        const QFontMetricsF fm(m_font, m_device);
        m_painter.setPen(m_fore);
        m_painter.drawText(dev(m_x, m_y) + QPointF(0, fm.ascent()), t);
        m_x = 0;
        m_y += float(fm.height()) / m_sy;
    }
    void line(float x1, float y1, float x2, float y2, const QColor &c) override
    {
        m_painter.setPen(pen(c));
        m_painter.drawLine(dev(x1, y1), dev(x2, y2));
        m_x = x2;
        m_y = y2;
    }
    void filledBox(float x1, float y1, float x2, float y2, const QColor &c) override
    {
        m_painter.fillRect(QRectF(dev(x1, y1), dev(x2, y2)).normalized(), c);
    }
    void rectangle(float x1, float y1, float x2, float y2) override
    {
        m_painter.setPen(pen(m_fore));
        m_painter.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush());
        m_painter.drawRect(QRectF(dev(x1, y1), dev(x2, y2)).normalized());
    }
    void circle(float cx, float cy, float r) override
    {
        m_painter.setPen(pen(m_fore));
        m_painter.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush());
        m_painter.drawEllipse(dev(cx, cy), r * m_sx, r * m_sy);
    }
    void polygon(const QVector<QPointF> &corners) override
    {
        QPolygonF poly;
        for (const QPointF &p : corners)
            poly << dev(float(p.x()), float(p.y()));
        m_painter.setPen(pen(m_fore));
        m_painter.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush());
        m_painter.drawPolygon(poly);
    }
    void clear() override { m_x = m_y = 0; }

    bool endDocument(QString *error) override
    {
        const bool painted = m_painter.end();
        if (!painted) {
            if (error)
                *error = QStringLiteral("The page could not be finished.");
            return false;
        }
        return m_finish ? m_finish(error) : true;
    }

private:
    QPointF dev(float x, float y) const { return QPointF(x * m_sx, y * m_sy); }
    // One device pixel is the finest line the device draws: a cosmetic pen,
    // which a PDF viewer also shows as its own finest line at any zoom.
    QPen pen(const QColor &c) const { return QPen(c, m_width <= 1 ? 0 : m_width, Qt::SolidLine, Qt::FlatCap); }

    std::unique_ptr<QPagedPaintDevice> m_owned; // destroyed after the painter
    QPagedPaintDevice *m_device;
    std::function<bool(QString *)> m_finish;
    QPainter m_painter;
    QRectF m_area;
    float m_sx = 1, m_sy = 1;
    float m_x = 0, m_y = 0;
    QFont m_font;
    QColor m_fore = Qt::black, m_fill;
    int m_width = 1;
};

// A PDF writer over a file the printer opened itself: the file has to be open
// before the writer, and has to stay open until the writer is gone.
struct ClaimedFile
{
    std::unique_ptr<QFile> file;
};

class PdfOnFile : private ClaimedFile, public QPdfWriter
{
public:
    explicit PdfOnFile(std::unique_ptr<QFile> f) : ClaimedFile{std::move(f)}, QPdfWriter(file.get()) {}
    QFile &output() const { return *file; }
};

} // namespace

std::unique_ptr<PageSurface> makePainterPage(QPagedPaintDevice *device, QString *error)
{
    auto page = std::make_unique<PainterPage>(device, nullptr, nullptr);
    if (!page->begin(error))
        return nullptr;
    return page;
}

QString SystemPrinter::pdfFolder()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty())
        dir = QDir::homePath();
    return dir;
}

std::unique_ptr<QFile> SystemPrinter::claimPdf(const QString &folder, const QString &documentName)
{
    const QDir dir(folder);
    for (int n = 1; n < 10000; ++n) {
        auto file = std::make_unique<QFile>(dir.filePath(
            n == 1 ? documentName + QStringLiteral(".pdf") : QStringLiteral("%1 (%2).pdf").arg(documentName).arg(n)));
        if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file;
        // Taken, as a file or anything else: try the next number. Any other
        // failure would fail on every name alike.
        if (!QFileInfo::exists(file->fileName()) && !QFileInfo(file->fileName()).isSymLink())
            return nullptr;
    }
    return nullptr;
}

QPageSize::PageSizeId SystemPrinter::localePaper(const QLocale &locale)
{
    // Canada measures in metres yet buys Letter paper, so the country counts
    // as much as the measuring system. The C locale names no country: it gets
    // A4, the paper of nearly every country there is.
    if (locale.measurementSystem() == QLocale::ImperialUSSystem || locale.territory() == QLocale::UnitedStates
        || locale.territory() == QLocale::Canada)
        return QPageSize::Letter;
    return QPageSize::A4;
}

std::unique_ptr<PageSurface> SystemPrinter::startPage(const QString &documentName, PrintTarget *target, QString *error)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        printer->setDocName(documentName);
        // The printer's own paper and margins, which whoever set it up chose
        // for the paper in its tray; the page stretches to fit either way.
        const QPageSize paper = info.defaultPageSize().isValid() ? info.defaultPageSize()
                                                                 : QPageSize(localePaper(QLocale::system()));
        printer->setPageSize(paper);
        QPageLayout layout = printer->pageLayout();
        layout.setOrientation(QPageLayout::Portrait);
        layout.setMargins(layout.minimumMargins());
        printer->setPageLayout(layout);
        if (target)
            *target = {false, info.printerName()};
        QPrinter *p = printer.get();
        auto page = std::make_unique<PainterPage>(p, std::move(printer), [p](QString *e) {
            if (p->printerState() == QPrinter::Error || p->printerState() == QPrinter::Aborted) {
                if (e)
                    *e = QStringLiteral("The printer reported an error.");
                return false;
            }
            return true;
        });
        if (!page->begin(error))
            return nullptr;
        return page;
    }
    // No default printer: the page becomes a PDF the parent can print later,
    // on the paper sold where they live.
    const QString folder = pdfFolder();
    QDir().mkpath(folder);
    std::unique_ptr<QFile> file = claimPdf(folder, documentName);
    if (!file) {
        if (error)
            *error = QStringLiteral("No file could be written in %1.").arg(QDir::toNativeSeparators(folder));
        return nullptr;
    }
    const QString path = file->fileName();
    auto writer = std::make_unique<PdfOnFile>(std::move(file));
    writer->setTitle(documentName);
    writer->setCreator(QStringLiteral("Numbloom"));
    writer->setResolution(300);
    writer->setPageLayout(QPageLayout(QPageSize(localePaper(QLocale::system())), QPageLayout::Portrait,
                                      QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
    if (target)
        *target = {true, path, !QPrinterInfo::availablePrinterNames().isEmpty()};
    PdfOnFile *w = writer.get();
    auto page = std::make_unique<PainterPage>(w, std::move(writer), [w](QString *e) {
        // The page is written only once the whole file is on disk; an empty or
        // half-written file is a failure, never a printed page, and goes.
        QFile &f = w->output();
        const bool flushed = f.flush();
        if (flushed && f.error() == QFileDevice::NoError && f.size() > 0)
            return true;
        if (e)
            *e = QStringLiteral("The file %1 could not be written.").arg(QDir::toNativeSeparators(f.fileName()));
        f.remove();
        return false;
    });
    if (!page->begin(error)) {
        if (error)
            *error = QStringLiteral("The file %1 could not be written.").arg(QDir::toNativeSeparators(path));
        w->output().remove();
        return nullptr;
    }
    return page;
}

// The entry point the program looks up when it loads this module.
extern "C" Q_DECL_EXPORT Printer *numbloom_create_printer()
{
    return new SystemPrinter;
}
