// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed pages as the windows' buttons start them.
#include <QString>
#include <functional>

class DrawSurface;
class PageSurface;
class Module1;
class QWidget;

// One page drawn by draw, on the printer or as a PDF, and a message about it.
// A draw that takes a PageSurface may go on to further pages of the job.
void printPage(Module1 &m, QWidget *owner, const QString &documentName, const std::function<void(PageSurface &)> &draw);

// Asks first, then prints 100 problems of the practice factor and maximum.
void printWorksheetJob(Module1 &m, QWidget *owner);
// Prints the twelve facts of the study factor at once.
void printFactsJob(Module1 &m, QWidget *owner);
