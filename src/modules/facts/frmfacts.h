// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// My Facts: the children, and for the one chosen the map of all 169 facts, a
// chosen fact's story, the totals and the chart of the last 30 days, the time
// limit for "known", the parent's page and the CSV file. It is a module of
// its own (numbloom-facts.so) with the chart library, loaded when first
// opened. The record keeps the rules and MyFacts says what they mean; this
// window shows them.
#include "myfacts/myfacts.h"

#include <QDialog>
#include <memory>

class Announcer;
class QCheckBox;
class Module1;
class QChartView;
class QComboBox;
class QLabel;
class QLayout;
class QPushButton;
class QTableWidget;

class frmFacts : public QDialog
{
    Q_OBJECT
public:
    frmFacts(Module1 &module, ChildRecord &record, QWidget *parent);
    ~frmFacts() override;

    // Modal over the main window, like the fact picture.
    static void showModal(Module1 &module, QWidget *owner);

    // The story of one fact: "7 x 8 = 56: 9 tries, 6 right, last on 3 December in 2.4 s".
    QString factStory(int operand1, int operand2) const;
    // The part of the help F1 opens, by the control that has the focus.
    QString helpAnchor() const;
    // The same in words, as a screen reader says it: "7 times 8 is 56. 9 tries, ...".
    QString spokenStory(int operand1, int operand2) const;

private:
    void buildControls();
    QLayout *buildChildRow();
    void buildMap();
    QLayout *buildLegend();
    QLayout *buildChart();
    void connectControls();
    void showChart();
    void showChildren();
    void showChild();
    void showStory();
    void addChild();
    void renameChild();
    void removeChild();
    void chooseTimeLimit();
    void chooseReadAloud(bool on);
    void printPage();
    void saveCsv();
    qint64 childId() const;
    int timeLimitMs() const;

    Module1 &m;
    ChildRecord &r;
    QVector<Child> m_children;
    MyFacts m_map; // the child chosen, under their time limit
    QDate m_today;

    QLabel *lblHealth = nullptr, *lblTotals = nullptr, *lblStory = nullptr;
    QComboBox *cboChild = nullptr, *cboLimit = nullptr;
    QCheckBox *chkReadAloud = nullptr;
    std::unique_ptr<Announcer> m_announcer;
    QPushButton *cmdAdd = nullptr, *cmdRename = nullptr, *cmdRemove = nullptr, *cmdPrint = nullptr,
                *cmdCsv = nullptr, *cmdClose = nullptr;
    QTableWidget *grdFacts = nullptr;
    QChartView *chtKnown = nullptr;
};
