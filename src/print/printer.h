#pragma once
// The printed page: a drawing surface on the logical 850 x 1100 scale over the
// printable area, and the printer behind it: the default printer, or a PDF in
// the Documents folder when no printer is installed.
#include "platform/drawsurface.h"

#include <QString>
#include <memory>

class PageSurface : public DrawSurface
{
public:
    // Finishes the page and sends the job; false with the reason when the
    // job failed.
    virtual bool endDocument(QString *error) = 0;
};

struct PrintTarget
{
    bool pdf = false;
    QString where; // the printer's name, or the PDF file's path
};

class Printer
{
public:
    virtual ~Printer() = default;
    // Starts a one-page job; null, with the reason in *error, when it cannot.
    virtual std::unique_ptr<PageSurface> startPage(const QString &documentName, PrintTarget *target,
                                                   QString *error) = 0;
};

