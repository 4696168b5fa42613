#pragma once
// The two printed pages as the main window's buttons start them.
class Module1;
class QWidget;

// Asks first, then prints 100 problems of the practice factor and maximum.
void printWorksheetJob(Module1 &m, QWidget *owner);
// Prints the twelve facts of the study factor at once.
void printFactsJob(Module1 &m, QWidget *owner);
