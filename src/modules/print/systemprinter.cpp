// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemprinter.h"
#include "app/safesave.h"
#include "app/texts.h"

#include <QDir>
#include <QElapsedTimer>
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
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QThread>

#include <cups/cups.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <stdio.h>
#include <unistd.h>

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
                *error = Printing::tr("The print job could not be started.");
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

    bool newPage(QString *error) override
    {
        m_x = m_y = 0;
        if (m_device->newPage())
            return true;
        if (error)
            *error = Printing::tr("The next page could not be started.");
        return false;
    }

    bool endDocument(QString *error) override
    {
        const bool painted = m_painter.end();
        if (!painted) {
            if (error)
                *error = Printing::tr("The page could not be finished.");
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

// A draft that could not be written whole is removed; one that cannot be
// (the disk still full) is hidden, never took a sheet's name, and goes with
// the next sheet. QFile::remove() closes the file first and, when that
// close's flush fails again on the full disk, skips the unlink; closing apart
// and removing by name does not. Says what became of the sheet.
// why: the system's reason, when there is one.
QString unwrittenPdf(QFile &f, const QString &shownName, const QString &why = QString())
{
    const QString draft = f.fileName();
    f.close();
    QFile::remove(draft);
    QString said = Printing::tr("The file %1 could not be written.").arg(QDir::toNativeSeparators(shownName));
    if (!why.isEmpty())
        said += QStringLiteral("\n") + why;
    return said;
}

// Qt hands the job over with cupsPrintFile and looks no further, so what
// became of it is read back from the server here. Jobs are told apart by their
// number: ours is the newest of this user on the queue with the document's
// title, above the newest one from before the page started.
int newestJob(const QByteArray &queue, const QString *title, int after, ipp_jstate_t *state)
{
    cups_job_t *jobs = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.constData(), 1, CUPS_WHICHJOBS_ALL);
    int id = 0;
    for (int i = 0; i < n; ++i)
        if (jobs[i].id > qMax(id, after) && (!title || QString::fromUtf8(jobs[i].title) == *title)) {
            id = jobs[i].id;
            if (state)
                *state = jobs[i].state;
        }
    cupsFreeJobs(n, jobs);
    return id;
}

JobReport followJob(const QByteArray &queue, const QString &title, int after)
{
    // Read first: the next request of ours overwrites the answer Qt's job got.
    const bool refused = cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE;
    const QString answer = QString::fromUtf8(cupsLastErrorString());

    JobReport r;
    bool seen = false;
    QElapsedTimer clock;
    clock.start();
    for (int pause = 20;; pause = qMin(pause * 2, 100)) {
        ipp_jstate_t state = IPP_JSTATE_PENDING;
        if (newestJob(queue, &title, after, &state) == 0) {
            // Gone after it was seen: a server that keeps no history of done jobs.
            r.state = seen ? JobReport::Completed : JobReport::Missing;
            break;
        }
        seen = true;
        switch (state) {
        case IPP_JSTATE_HELD: r.state = JobReport::Held; break;
        case IPP_JSTATE_PROCESSING: r.state = JobReport::Processing; break;
        case IPP_JSTATE_CANCELED: r.state = JobReport::Canceled; break;
        case IPP_JSTATE_ABORTED: r.state = JobReport::Aborted; break;
        case IPP_JSTATE_COMPLETED: r.state = JobReport::Completed; break;
        default: r.state = JobReport::Pending; break; // pending, or stopped mid-way
        }
        // A job that fails does so within a second of starting, as the
        // filters set out; one still going then is on its way to the paper,
        // and waiting for the paper would hold up a healthy printer. A held
        // job stays held until someone releases it; a pending one still
        // waiting after three seconds is behind others or on a paused queue.
        const qint64 t = clock.elapsed();
        if (r.state >= JobReport::Canceled || r.state == JobReport::Held
            || (r.state == JobReport::Processing && t >= 1000) || t >= 3000)
            break;
        QThread::msleep(pause);
    }
    if (r.state != JobReport::Processing && r.state != JobReport::Completed) {
        if (cups_dest_t *d = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr)) {
            r.accepting = qstrcmp(cupsGetOption("printer-is-accepting-jobs", d->num_options, d->options), "false") != 0;
            r.stopped = qstrcmp(cupsGetOption("printer-state", d->num_options, d->options), "5") == 0;
            cupsFreeDests(1, d);
        }
        if (r.state == JobReport::Missing && refused)
            r.serverMessage = answer;
    }
    return r;
}

} // namespace

QString jobProblem(const JobReport &r, const QString &printer)
{
    switch (r.state) {
    case JobReport::Missing:
        if (!r.accepting)
            return Printing::tr("The printer %1 is not accepting jobs.").arg(printer);
        return r.serverMessage.isEmpty()
                   ? Printing::tr("The printer %1 did not take the job.").arg(printer)
                   : Printing::tr("The printer %1 did not take the job: %2").arg(printer, r.serverMessage);
    case JobReport::Aborted: return Printing::tr("The print job on %1 failed and was given up.").arg(printer);
    case JobReport::Canceled: return Printing::tr("The print job on %1 was cancelled.").arg(printer);
    case JobReport::Pending:
    case JobReport::Held:
        if (r.stopped)
            return Printing::tr("The printer %1 is paused; the page waits in its queue until the printer is "
                      "resumed.")
                .arg(printer);
        if (r.state == JobReport::Held)
            return Printing::tr("The page is held in the queue of %1 until it is released there.").arg(printer);
        return QString(); // behind other jobs on a working printer
    case JobReport::Processing:
    case JobReport::Completed: return QString();
    }
    return QString();
}

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

namespace {
const QRegularExpression DraftShape(QStringLiteral("^\\.numbloom-[A-Za-z0-9]{6}\\.pdf\\.part$"));
constexpr int DraftsOldAfterSeconds = 3600;
} // namespace

std::unique_ptr<QFile> SystemPrinter::draftPdf(const QString &folder)
{
    auto file = std::make_unique<QTemporaryFile>(QDir(folder).filePath(QStringLiteral(".numbloom-XXXXXX.pdf.part")));
    // Removed unless it took its real name.
    file->setAutoRemove(true);
    if (!file->open())
        return nullptr;
    return file;
}

QString SystemPrinter::publishPdf(const QString &draft, const QString &folder, const QString &documentName,
                                  QString *error)
{
    const QDir dir(folder);
    const QString base = fileNameFrom(documentName);
    const QByteArray from = QFile::encodeName(draft);
    for (int n = 1; n < 10000; ++n) {
        const QString name =
            dir.filePath(n == 1 ? base + QStringLiteral(".pdf") : QStringLiteral("%1 (%2).pdf").arg(base).arg(n));
        const QByteArray to = QFile::encodeName(name);
        // Renamed only if the name is free; where the file system cannot
        // promise that, a second name for the draft, which fails when taken.
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0
            || ((errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) && ::link(from.constData(), to.constData()) == 0)) {
            // A temporary file is the owner's alone; a sheet is shared as any
            // file the user makes.
            const mode_t mask = ::umask(0);
            ::umask(mask);
            ::chmod(to.constData(), 0666 & ~mask);
            return name;
        }
        if (errno == EEXIST)
            continue;
        if (error)
            *error = QString::fromLocal8Bit(strerror(errno));
        return {};
    }
    if (error)
        *error = QString::fromLocal8Bit(strerror(EEXIST));
    return {};
}

int SystemPrinter::removeStrayDrafts(const QString &folder)
{
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-DraftsOldAfterSeconds);
    int removed = 0;
    const QFileInfoList drafts =
        QDir(folder).entryInfoList({QStringLiteral(".numbloom-*.pdf.part")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &d : drafts)
        if (DraftShape.match(d.fileName()).hasMatch() && !d.isSymLink() && d.lastModified().toUTC() < before
            && QFile::remove(d.filePath()))
            ++removed;
    return removed;
}

QLocale SystemPrinter::paperLocale()
{
    for (const char *name : {"LC_ALL", "LC_PAPER", "LANG"}) {
        // "de_DE.UTF-8@euro" names the locale de_DE.
        const QString value = qEnvironmentVariable(name).section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        if (!value.isEmpty())
            return QLocale(value);
    }
    return QLocale::system();
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

namespace {
// The name a PDF will most likely take, for what the family is told before
// it is whole; publishPdf says which it took.
QString likelyPdfName(const QString &folder, const QString &documentName)
{
    QString shown;
    for (int n = 1; shown.isEmpty() || QFileInfo::exists(shown); ++n)
        shown = QDir(folder).filePath(n == 1 ? fileNameFrom(documentName) + QStringLiteral(".pdf")
                                             : QStringLiteral("%1 (%2).pdf").arg(fileNameFrom(documentName)).arg(n));
    return shown;
}
} // namespace

std::unique_ptr<PageSurface> SystemPrinter::startPage(const QString &documentName, PrintTarget *target, QString *error)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    return info.isNull() ? pdfPage(documentName, target, error) : printerPage(info, documentName, target, error);
}

std::unique_ptr<PageSurface> SystemPrinter::printerPage(const QPrinterInfo &info, const QString &documentName,
                                                        PrintTarget *target, QString *error)
{
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(documentName);
    // The printer's own paper and margins, which whoever set it up chose
    // for the paper in its tray; the page stretches to fit either way.
    const QPageSize paper = info.defaultPageSize().isValid() ? info.defaultPageSize()
                                                             : QPageSize(localePaper(paperLocale()));
    printer->setPageSize(paper);
    QPageLayout layout = printer->pageLayout();
    layout.setOrientation(QPageLayout::Portrait);
    layout.setMargins(layout.minimumMargins());
    printer->setPageLayout(layout);
    if (target)
        *target = {false, info.printerName()};
    const QByteArray queue = info.printerName().section(QLatin1Char('/'), 0, 0).toUtf8(); // less any instance
    const int before = newestJob(queue, nullptr, 0, nullptr);
    QPrinter *p = printer.get();
    auto page = std::make_unique<PainterPage>(p, std::move(printer), [p, queue, before, documentName](QString *e) {
        QString why;
        if (p->printerState() == QPrinter::Error || p->printerState() == QPrinter::Aborted)
            why = Printing::tr("The printer reported an error.");
        else
            why = jobProblem(followJob(queue, documentName, before), QString::fromUtf8(queue));
        if (e)
            *e = why;
        return why.isEmpty();
    });
    if (!page->begin(error))
        return nullptr;
    return page;
}

std::unique_ptr<PageSurface> SystemPrinter::pdfPage(const QString &documentName, PrintTarget *target, QString *error)
{
    // No default printer: the page becomes a PDF the parent can print later,
    // on the paper sold where they live. It is written under a hidden name
    // and takes its own once whole, so that a program stopped part-way never
    // leaves a broken sheet under a sheet's name.
    const QString folder = pdfFolder();
    QDir().mkpath(folder);
    removeStrayDrafts(folder);
    std::unique_ptr<QFile> file = draftPdf(folder);
    if (!file) {
        if (error)
            *error = Printing::tr("No file could be written in %1.").arg(QDir::toNativeSeparators(folder));
        return nullptr;
    }
    const QString shown = likelyPdfName(folder, documentName);
    auto writer = std::make_unique<PdfOnFile>(std::move(file));
    writer->setTitle(documentName);
    writer->setCreator(QStringLiteral("Numbloom"));
    writer->setResolution(300);
    writer->setPageLayout(QPageLayout(QPageSize(localePaper(paperLocale())), QPageLayout::Portrait,
                                      QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
    if (target)
        *target = {true, shown, !QPrinterInfo::availablePrinterNames().isEmpty()};
    PdfOnFile *w = writer.get();
    auto page = std::make_unique<PainterPage>(w, std::move(writer), [w, folder, documentName, shown, target](QString *e) {
        // The page is written only once the whole file is on disk; an empty or
        // half-written file is a failure, never a printed page, and goes.
        QFile &f = w->output();
        const bool flushed = f.flush();
        // Qt keeps no reason for a failed flush ("Unknown error"); the write
        // that failed left it in errno.
        const int failure = errno;
        if (flushed && f.error() == QFileDevice::NoError && f.size() > 0 && ::fsync(f.handle()) == 0) {
            QString why;
            const QString path = publishPdf(f.fileName(), folder, documentName, &why);
            if (!path.isEmpty()) {
                if (target)
                    target->where = path;
                return true;
            }
            if (e)
                *e = unwrittenPdf(f, shown, why);
            return false;
        }
        const QString said = unwrittenPdf(f, shown, flushed ? QString() : QString::fromLocal8Bit(strerror(failure)));
        if (e)
            *e = said;
        return false;
    });
    if (!page->begin(error)) {
        const QString said = unwrittenPdf(w->output(), shown);
        if (error)
            *error = said;
        return nullptr;
    }
    return page;
}

// The entry point the program looks up when it loads this module.
extern "C" Q_DECL_EXPORT Printer *numbloom_create_printer()
{
    return new SystemPrinter;
}
