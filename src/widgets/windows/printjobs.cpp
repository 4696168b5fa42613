// SPDX-License-Identifier: GPL-3.0-or-later
#include "printjobs.h"
#include "app/logging.h"
#include "app/texts.h"

#include "app/module1.h"
#include "pages/pages.h"
#include "platform/services.h"

#include "practice/trickychooser.h"
#include "progress/childrecord.h"
#include "study/studyoptions.h"
#include "helpwindow.h"

#include <QCheckBox>
#include <QDir>
#include <QMessageBox>

// Runs one page through the printer and tells the user what became of it:
// where the PDF went and why it is a PDF, or why nothing was printed.
void printPage(Module1 &m, QWidget *owner, const QString &documentName, const std::function<void(PageSurface &)> &draw)
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
    qCWarning(lcPrint) << documentName << "not printed:" << error;
    QMessageBox::warning(owner, documentName, Printing::tr("The page was not printed.\n\n%1").arg(error));
}

void printWorksheetJob(Module1 &m, QWidget *owner)
{
    const int16_t factor = m.settings.PracticeFactor, max = m.settings.MaxMultiplier;
    const bool tricky = factor == FactorTricky;
    const QString line = worksheetFactorLine(factor, max, tricky && m.svc.record ? m.svc.record->currentName() : QString());
    QMessageBox ask(QMessageBox::Information, Printing::tr("Print Worksheet"), worksheetPrompt(line),
                    QMessageBox::Ok | QMessageBox::Cancel, owner);
    ask.setObjectName(QStringLiteral("printConfirm"));
    auto *withAnswers = new QCheckBox(Printing::tr("Also print the &answers"));
    withAnswers->setObjectName(QStringLiteral("chkAnswers"));
    ask.setCheckBox(withAnswers);
    addHelpKey(&ask, m, [] { return QStringLiteral("answer-key"); });
    if (ask.exec() != QMessageBox::Ok)
        return;
    const bool answers = withAnswers->isChecked();
    printPage(m, owner, Printing::tr("Numbloom Worksheet"), [&](PageSurface &page) {
        // Drawn once the job has started, as the sheet has always been.
        std::vector<FactPair> problems;
        if (tricky) {
            problems = trickyChooserFor(m.svc.record, QDateTime::currentDateTimeUtc()).worksheet(*m.svc.random, max);
        } else {
            problems = worksheetProblems(*m.svc.random, factor, max);
        }
        drawWorksheet(page, line, problems, false);
        // A page that cannot follow shows as the job's failure at its end.
        if (answers && page.newPage(nullptr))
            drawWorksheet(page, line, problems, true);
    });
}

void printFactsJob(Module1 &m, QWidget *owner)
{
    const int16_t factor = m.settings.StudyFactor;
    if (factor == FactorTricky) {
        const QString heading = trickyFactsHeading(m.svc.record ? m.svc.record->currentName() : QString());
        const std::vector<FactPair> facts = studyCells(m);
        printPage(m, owner, Printing::tr("Numbloom Facts"),
                  [&heading, &facts](DrawSurface &page) { drawFactsSheet(page, heading, facts); });
        return;
    }
    m.PictureFactor = factor;
    printPage(m, owner, Printing::tr("Numbloom Facts"), [factor](DrawSurface &page) { drawFactsSheet(page, factor); });
}
