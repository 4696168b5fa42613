// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options on the left of the main window: study or practice, the factor,
// and the largest multiplier a practice problem may use. They live in the
// settings; the window shows what the signals tell it.
#include <QObject>

#include "progress/factstanding.h"

#include <cstdint>
#include <vector>

class Module1;

// The factor options: 0 Random, 1 to 13 the factors 0 to 12, 14 Tricky.
constexpr int FactorOptionCount = 15;
constexpr int TrickyOption = 14;
int factorOption(int16_t factor);
int16_t optionFactor(int option);

// The facts the study grid shows for the study factor, cell by cell: the
// thirteen of a factor, or with Tricky the child's trickiest, up to 13.
std::vector<FactPair> studyCells(const Module1 &m);

class StudyOptions : public QObject
{
    Q_OBJECT
public:
    explicit StudyOptions(Module1 &module, QObject *parent = nullptr);

    // 0 study, 1 practice.
    void chooseMode(int mode);
    // One of the factor options above. Each mode keeps its own factor.
    void chooseFactor(int option);
    // One arrow of the largest multiplier: by 1 or -1, within the settings' range.
    void stepMax(int by);
    // The grid again, when the child or their record has changed.
    void refreshFacts();
    // Readies the fact picture for a cell of the grid; false for an empty one.
    bool choosePicture(int cell);
    const std::vector<FactPair> &cells() const { return m_cells; }
    // The keyboard's cell: the arrows move it over the grid's five columns
    // and three rows, never past its last fact. False when it cannot move.
    int cursor() const { return m_cursor; }
    bool moveCursor(int columns, int rows);
    // A cell's fact in words, "3 times 7 is 21"; empty for an empty cell.
    QString cellText(int cell) const;

Q_SIGNALS:
    // factorOption: the option that holds the mode's own factor.
    void modeChosen(int mode, int factorOption);
    // The study grid shows another factor's facts.
    void factsChanged(int factor);
    void maxChanged(int maxMultiplier);

private:
    void showFacts();

    Module1 &m;
    std::vector<FactPair> m_cells;
    int m_cursor = 0;
};
