// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real printer, built as a module of its own that the program loads on
// first use (see lazymodules.h).
#include "platform/services.h"

#include <QPageSize>

class QFile;
class QLocale;

class SystemPrinter : public Printer
{
public:
    std::unique_ptr<PageSurface> startPage(const QString &documentName, PrintTarget *target, QString *error) override;
    // Where PDFs go: the Documents folder, or home without one.
    static QString pdfFolder();
    // A hidden file in folder that a PDF is written to before it is whole;
    // null when nothing can be created there.
    static std::unique_ptr<QFile> draftPdf(const QString &folder);
    // Gives the whole draft the first free name in folder: "NAME.pdf", then
    // "NAME (2).pdf", "NAME (3).pdf"...; the path it took, or empty with the
    // reason. Taking a name fails when anything has it, so an earlier sheet is
    // never written over, not even by a second copy of the program.
    static QString publishPdf(const QString &draft, const QString &folder, const QString &documentName,
                              QString *error);
    // Drafts left by a program stopped while writing, once they are old.
    static int removeStrayDrafts(const QString &folder);
    // The paper that shops sell where the locale is: Letter in the US and
    // Canada, A4 elsewhere.
    static QPageSize::PageSizeId localePaper(const QLocale &locale);
    // The locale whose paper the user has: LC_ALL, LC_PAPER, then LANG. Not
    // Qt's system locale, which takes LANGUAGE first: a German who reads
    // English (LANGUAGE=en) still buys A4.
    static QLocale paperLocale();

private:
    // The page on the default printer, followed in its queue to its end.
    static std::unique_ptr<PageSurface> printerPage(const class QPrinterInfo &info, const QString &documentName,
                                                    PrintTarget *target, QString *error);
    // No printer: a PDF written under a hidden name that takes its own once whole.
    static std::unique_ptr<PageSurface> pdfPage(const QString &documentName, PrintTarget *target, QString *error);
};

// What the print server made of a job, read back after it was handed over.
struct JobReport
{
    enum State { Missing, Pending, Held, Processing, Canceled, Aborted, Completed };
    State state = Missing;
    bool accepting = true; // the queue takes new jobs
    bool stopped = false;  // the queue is paused
    QString serverMessage; // the server's own words when it turned the job down
};
// Empty when the page printed or is on its way; otherwise why it is not.
QString jobProblem(const JobReport &report, const QString &printer);

// A page over any paint device that prints (QPrinter, QPdfWriter). The device
// must outlive the page.
std::unique_ptr<PageSurface> makePainterPage(class QPagedPaintDevice *device, QString *error);
