#pragma once
// The printed page: a drawing surface on the logical 850 x 1100 scale over the
// printable area, and the printer behind it: the default printer on its own
// paper, or a PDF in the Documents folder on the locale's paper when there is
// no default printer.
#include "platform/drawsurface.h"

#include <QString>
#include <memory>

class PageSurface : public DrawSurface
{
public:
    // Finishes the page and sends the job; false with the reason when the
    // job failed, or when the print server did not take it or gave it up.
    virtual bool endDocument(QString *error) = 0;
};

struct PrintTarget
{
    bool pdf = false;
    QString where; // the printer's name, or the PDF file's path
    // A PDF although printers are installed: none of them is the default, and
    // guessing which one the parent meant could waste a page on the wrong one.
    bool noDefault = false;
};

class Printer
{
public:
    virtual ~Printer() = default;
    // Starts a one-page job; null, with the reason in *error, when it cannot.
    virtual std::unique_ptr<PageSurface> startPage(const QString &documentName, PrintTarget *target,
                                                   QString *error) = 0;
};

