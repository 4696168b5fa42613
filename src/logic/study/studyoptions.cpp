// SPDX-License-Identifier: GPL-3.0-or-later
#include "studyoptions.h"

#include "app/module1.h"
#include "app/spoken.h"

#include <algorithm>
#include "practice/trickychooser.h"
#include "render/studydisplay.h"

int factorOption(int16_t factor) { return factor == FactorTricky ? TrickyOption : factor + 1; }

int16_t optionFactor(int option) { return option == TrickyOption ? FactorTricky : int16_t(option - 1); }

StudyOptions::StudyOptions(Module1 &module, QObject *parent) : QObject(parent), m(module) {}

std::vector<FactPair> studyCells(const Module1 &m)
{
    const int16_t f = m.settings.StudyFactor;
    if (f != FactorTricky)
        return factorCells(f);
    // One grid of 13 cells, as a factor's.
    return currentTroubleFacts(m.svc.record, QDateTime::currentDateTimeUtc(), FactSide);
}

void StudyOptions::showFacts()
{
    m_cells = studyCells(m);
    m_cursor = std::clamp(m_cursor, 0, std::max(int(m_cells.size()) - 1, 0));
    // The fact picture draws the factor the grid shows.
    if (m.settings.StudyFactor != FactorTricky)
        m.PictureFactor = m.settings.StudyFactor;
    Q_EMIT factsChanged(m.settings.StudyFactor);
}

bool StudyOptions::moveCursor(int columns, int rows)
{
    const int column = m_cursor % 5 + columns, row = m_cursor / 5 + rows;
    const int cell = row * 5 + column;
    if (column < 0 || column > 4 || row < 0 || cell >= int(m_cells.size()))
        return false;
    m_cursor = cell;
    return true;
}

QString StudyOptions::cellText(int cell) const
{
    if (cell < 0 || cell >= int(m_cells.size()))
        return QString();
    return spokenFact(m_cells[size_t(cell)].operand1, m_cells[size_t(cell)].operand2);
}

void StudyOptions::refreshFacts()
{
    if (m.settings.Mode == 0 && m.settings.StudyFactor == FactorTricky)
        showFacts();
}

bool StudyOptions::choosePicture(int cell)
{
    m.PictureMultiplier = int16_t(cell);
    if (cell < 0 || cell >= int(m_cells.size()))
        return false;
    m.PictureMultiplier = int16_t(m_cells[size_t(cell)].operand1);
    m.PictureFactor = int16_t(m_cells[size_t(cell)].operand2);
    return true;
}

void StudyOptions::chooseMode(int mode)
{
    Settings &s = m.settings;
    s.Mode = int16_t(mode);
    Q_EMIT modeChosen(mode, factorOption(mode == 1 ? s.PracticeFactor : s.StudyFactor));
    if (mode != 1)
        showFacts();
}

void StudyOptions::chooseFactor(int option)
{
    if (m.settings.Mode != 0) {
        m.settings.PracticeFactor = optionFactor(option);
    } else {
        m.settings.StudyFactor = optionFactor(option);
        showFacts();
    }
}

void StudyOptions::stepMax(int by)
{
    const int max = m.settings.MaxMultiplier + by;
    if (!MaxMultiplierRange.contains(max))
        return;
    m.settings.MaxMultiplier = int16_t(max);
    Q_EMIT maxChanged(max);
}
