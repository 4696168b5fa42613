#include "studyoptions.h"

#include "app/module1.h"

StudyOptions::StudyOptions(Module1 &module, QObject *parent) : QObject(parent), m(module) {}

void StudyOptions::showFacts()
{
    // The fact picture draws the factor the grid shows.
    m.PictureFactor = m.settings.StudyFactor;
    Q_EMIT factsChanged(m.settings.StudyFactor);
}

void StudyOptions::chooseMode(int mode)
{
    Settings &s = m.settings;
    s.Mode = int16_t(mode);
    Q_EMIT modeChosen(mode, (mode == 1 ? s.PracticeFactor : s.StudyFactor) + 1);
    if (mode != 1)
        showFacts();
}

void StudyOptions::chooseFactor(int option)
{
    if (m.settings.Mode != 0) {
        m.settings.PracticeFactor = int16_t(option - 1);
    } else {
        m.settings.StudyFactor = int16_t(option - 1);
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
