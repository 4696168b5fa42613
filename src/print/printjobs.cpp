#include "printjobs.h"
#include "app/texts.h"

#include "app/module1.h"
#include "pages.h"
#include "platform/services.h"

#include <QDir>
#include <QMessageBox>

// Runs one page through the printer and tells the user what became of it:
// where the PDF went and why it is a PDF, or why nothing was printed.
void printPage(Module1 &m, QWidget *owner, const QString &documentName, const std::function<void(DrawSurface &)> &draw)
{
    QString error;
    PrintTarget target;
    std::unique_ptr<PageSurface> page = m.svc.printer ? m.svc.printer->startPage(documentName, &target, &error) : nullptr;
    if (page) {
        draw(*page);
        if (page->endDocument(&error)) {
            if (target.pdf)
                QMessageBox::information(
                    owner, documentName,
                    (target.noDefault ? Printing::tr("No default printer is set, so the page was saved as a PDF file "
                                           "you can print later:\n\n%1\n\nTo print straight away next "
                                           "time, choose a default printer in the printer settings.")
                                      : Printing::tr("No printer is installed, so the page was saved as a PDF file "
                                           "you can print later:\n\n%1"))
                        .arg(QDir::toNativeSeparators(target.where)));
            return;
        }
    } else if (error.isEmpty()) {
        error = Printing::tr("No printer is available.");
    }
    QMessageBox::warning(owner, documentName, Printing::tr("The page was not printed.\n\n%1").arg(error));
}

void printWorksheetJob(Module1 &m, QWidget *owner)
{
    const int16_t factor = m.settings.PracticeFactor, max = m.settings.MaxMultiplier;
    QMessageBox ask(QMessageBox::Information, Printing::tr("Print Worksheet"), worksheetPrompt(factor, max),
                    QMessageBox::Ok | QMessageBox::Cancel, owner);
    ask.setObjectName(QStringLiteral("printConfirm"));
    if (ask.exec() != QMessageBox::Ok)
        return;
    printPage(m, owner, Printing::tr("Numbloom Worksheet"),
           [&m, factor, max](DrawSurface &page) { drawWorksheet(page, *m.svc.random, factor, max); });
}

void printFactsJob(Module1 &m, QWidget *owner)
{
    const int16_t factor = m.settings.StudyFactor;
    m.PictureFactor = factor;
    printPage(m, owner, Printing::tr("Numbloom Facts"), [factor](DrawSurface &page) { drawFactsSheet(page, factor); });
}
