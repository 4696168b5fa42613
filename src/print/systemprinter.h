#pragma once
// The real printer, built as a module of its own that the program loads on
// first use (see lazymodules.h).
#include "printer.h"

#include <QPageSize>

class QLocale;

class SystemPrinter : public Printer
{
public:
    std::unique_ptr<PageSurface> startPage(const QString &documentName, PrintTarget *target, QString *error) override;
    // Where a document goes as PDF: the Documents folder, or home without one.
    static QString pdfPath(const QString &documentName);
    // The paper that shops sell where the locale is: Letter in the US and
    // Canada, A4 elsewhere.
    static QPageSize::PageSizeId localePaper(const QLocale &locale);
};

// A page over any paint device that prints (QPrinter, QPdfWriter). The device
// must outlive the page.
std::unique_ptr<PageSurface> makePainterPage(class QPagedPaintDevice *device, QString *error);
