#pragma once
// The options on the left of the main window: study or practice, the factor,
// and the largest multiplier a practice problem may use. They live in the
// settings; the window shows what the signals tell it.
#include <QObject>

class Module1;

class StudyOptions : public QObject
{
    Q_OBJECT
public:
    explicit StudyOptions(Module1 &module, QObject *parent = nullptr);

    // 0 study, 1 practice.
    void chooseMode(int mode);
    // Factor options are counted from 0: 0 is Random, k is the factor k - 1.
    // Each mode keeps its own factor.
    void chooseFactor(int option);
    // One arrow of the largest multiplier: by 1 or -1, within the settings' range.
    void stepMax(int by);

Q_SIGNALS:
    // factorOption: the option that holds the mode's own factor.
    void modeChosen(int mode, int factorOption);
    // The study grid shows another factor's facts.
    void factsChanged(int factor);
    void maxChanged(int maxMultiplier);

private:
    void showFacts();

    Module1 &m;
};
