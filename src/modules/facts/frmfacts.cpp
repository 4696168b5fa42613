// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmfacts.h"
#include "windows/helpwindow.h"

#include "app/module1.h"
#include "app/safesave.h"
#include "controls/announcer.h"
#include "platform/drawsurface.h"
#include "controls/focusmarks.h"
#include "pages/parentpage.h"
#include "windows/printjobs.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QPainter>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The arrows move a chosen cell over the map: it wears the focus mark, drawn
// over the cell's own colour, while the map has the focus.
class CellMark : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(p, option, index);
        if (option.state & QStyle::State_HasFocus) {
            // A chosen cell is painted in the selection's colour, not its own.
            const QColor face = option.state & QStyle::State_Selected
                                    ? option.palette.color(QPalette::Highlight)
                                    : index.data(Qt::BackgroundRole).value<QBrush>().color();
            FocusMarks::drawMark(*p, option.rect, face, face);
        }
    }
};

// A cell holds "12 x 12" over its mark; the window then fits a 1024 x 768 screen.
constexpr int CellWidth = 48, CellHeight = 32;

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return b;
}
} // namespace

frmFacts::frmFacts(Module1 &module, ChildRecord &record, QWidget *parent)
    : QDialog(parent), m(module), r(record), m_today(QDate::currentDate())
{
    setObjectName(QStringLiteral("frmFacts"));
    setWindowTitle(tr("My Facts"));
    buildControls();
    m_announcer = std::make_unique<Announcer>(this);
    showChildren();
    addHelpKey(this, m, [this] { return helpAnchor(); });
}

frmFacts::~frmFacts() = default;

void frmFacts::showModal(Module1 &module, QWidget *owner)
{
    if (!module.svc.record) {
        QMessageBox::information(owner, tr("My Facts"), tr("The record of answers is not open yet."));
        return;
    }
    frmFacts w(module, *module.svc.record, owner);
    w.setWindowModality(Qt::ApplicationModal);
    w.exec();
}

void frmFacts::buildControls()
{
    auto *top = new QVBoxLayout(this);
    lblHealth = new QLabel(this);
    lblHealth->setObjectName(QStringLiteral("lblHealth"));
    lblHealth->setWordWrap(true);
    lblHealth->setStyleSheet(QStringLiteral("color: #B00000;"));
    top->addWidget(lblHealth);
    top->addLayout(buildChildRow());
    // For a child who cannot read yet: Numbloom says each problem itself.
    chkReadAloud = new QCheckBox(tr("Rea&d aloud"), this);
    chkReadAloud->setObjectName(QStringLiteral("chkReadAloud"));
    top->addWidget(chkReadAloud);

    buildMap();
    lblStory = new QLabel(this);
    lblStory->setObjectName(QStringLiteral("lblStory"));
    // A label's text is what a screen reader says of it; a name would hide it.
    lblStory->setAccessibleDescription(tr("Chosen fact"));
    lblTotals = new QLabel(this);
    lblTotals->setObjectName(QStringLiteral("lblTotals"));
    lblTotals->setAccessibleDescription(tr("Totals"));

    auto *middle = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(grdFacts);
    left->addLayout(buildLegend());
    left->addWidget(lblStory);
    middle->addLayout(left);
    middle->addLayout(buildChart(), 1);
    top->addLayout(middle);
    top->addWidget(lblTotals);

    auto *bottom = new QHBoxLayout;
    cmdPrint = button(tr("&Print for the Parent"), "cmdPrint", this);
    cmdCsv = button(tr("Save as C&SV..."), "cmdCsv", this);
    cmdClose = button(tr("Close"), "cmdClose", this);
    bottom->addWidget(cmdPrint);
    bottom->addWidget(cmdCsv);
    bottom->addStretch();
    bottom->addWidget(cmdClose);
    top->addLayout(bottom);
    connectControls();
}

QLayout *frmFacts::buildChildRow()
{
    auto *who = new QHBoxLayout;
    auto *lblChild = new QLabel(tr("&Child:"), this);
    cboChild = new QComboBox(this);
    cboChild->setObjectName(QStringLiteral("cboChild"));
    // Orca says a combo box by its label and never its value: the label, as
    // it is heard, carries the value ("Child, Mia").
    cboChild->setMinimumContentsLength(16);
    lblChild->setBuddy(cboChild);
    cmdAdd = button(tr("&Add..."), "cmdAdd", this);
    cmdRename = button(tr("&Rename..."), "cmdRename", this);
    cmdRemove = button(tr("Re&move..."), "cmdRemove", this);
    auto *lblLimit = new QLabel(tr("&Known within:"), this);
    cboLimit = new QComboBox(this);
    cboLimit->setObjectName(QStringLiteral("cboLimit"));
    for (int ms : TimeLimitChoicesMs)
        cboLimit->addItem(ms ? tr("%n seconds", "a choice of Known within", ms / 1000) : tr("no time limit"), ms);
    lblLimit->setBuddy(cboLimit);
    connect(cboChild, &QComboBox::currentTextChanged, lblChild, [lblChild](const QString &name) {
        lblChild->setAccessibleName(tr("Child, %1", "the child box's label as a screen reader says it").arg(name));
    });
    const auto nameLimit = [lblLimit](const QString &limit) {
        lblLimit->setAccessibleName(tr("Known within, %1", "the time limit box's label as a screen reader says it").arg(limit));
    };
    connect(cboLimit, &QComboBox::currentTextChanged, lblLimit, nameLimit);
    nameLimit(cboLimit->currentText());
    for (QWidget *w : std::initializer_list<QWidget *>{lblChild, cboChild, cmdAdd, cmdRename, cmdRemove})
        who->addWidget(w);
    who->addStretch();
    who->addWidget(lblLimit);
    who->addWidget(cboLimit);
    return who;
}

void frmFacts::buildMap()
{
    grdFacts = new QTableWidget(FactSide, FactSide, this);
    grdFacts->setObjectName(QStringLiteral("grdFacts"));
    grdFacts->setAccessibleName(tr("Fact map"));
    grdFacts->setAccessibleDescription(tr("A row for each factor, a column for each first number"));
    grdFacts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdFacts->setSelectionMode(QAbstractItemView::SingleSelection);
    grdFacts->setTabKeyNavigation(false);
    grdFacts->setWordWrap(false);
    grdFacts->setItemDelegate(new CellMark(grdFacts));
    grdFacts->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdFacts->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdFacts->horizontalHeader()->setDefaultSectionSize(CellWidth);
    grdFacts->verticalHeader()->setDefaultSectionSize(CellHeight);
    QFont small = grdFacts->font();
    small.setPointSizeF(7.5);
    grdFacts->setFont(small);
    QStringList columns, rows;
    for (int i = 0; i < FactSide; ++i) {
        columns << QString::number(i);
        rows << QStringLiteral("x %1").arg(i);
    }
    grdFacts->setHorizontalHeaderLabels(columns);
    grdFacts->setVerticalHeaderLabels(rows);
    grdFacts->setFixedSize(grdFacts->verticalHeader()->sizeHint().width() + FactSide * CellWidth + 4,
                           grdFacts->horizontalHeader()->sizeHint().height() + FactSide * CellHeight + 4);
    grdFacts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdFacts->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int o2 = 0; o2 < FactSide; ++o2)
        for (int o1 = 0; o1 < FactSide; ++o1) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            grdFacts->setItem(o2, o1, item);
        }
}

QLayout *frmFacts::buildLegend()
{
    auto *column = new QVBoxLayout;
    auto *legend = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        const auto s = FactState(i);
        auto *l = new QLabel(QStringLiteral(" %1  %2 ").arg(factMark(s), MyFacts::stateName(s)), this);
        l->setObjectName(QStringLiteral("lblLegend_%1").arg(i));
        l->setStyleSheet(
            QStringLiteral("background: %1; border: 1px solid #808080;").arg(MyFacts::screenColour(s).name()));
        legend->addWidget(l);
    }
    legend->addStretch();
    auto *lblMeaning = new QLabel(MyFacts::legend(), this);
    lblMeaning->setObjectName(QStringLiteral("lblMeaning"));
    lblMeaning->setWordWrap(true);
    lblMeaning->setMaximumWidth(grdFacts->width());
    // The dialog does not grow for a label that wraps: where a language needs
    // one more line, the legend slid over the map's last row.
    lblMeaning->setMinimumHeight(lblMeaning->heightForWidth(grdFacts->width()));
    column->addLayout(legend);
    column->addWidget(lblMeaning);
    return column;
}

QLayout *frmFacts::buildChart()
{
    chtKnown = new QChartView(this);
    chtKnown->setObjectName(QStringLiteral("chtKnown"));
    chtKnown->setAccessibleName(tr("Facts known at the end of each day, the last 30 days"));
    chtKnown->setRenderHint(QPainter::Antialiasing);
    chtKnown->setMinimumSize(300, 300);
    // The chart's own title is cut short where a language needs more words
    // than the chart is wide; a label above it wraps instead.
    auto *lblChart = new QLabel(tr("Facts known at the end of each day"), this);
    lblChart->setObjectName(QStringLiteral("lblChart"));
    lblChart->setWordWrap(true);
    lblChart->setAlignment(Qt::AlignHCenter);
    auto *chartColumn = new QVBoxLayout;
    chartColumn->addWidget(lblChart);
    chartColumn->addWidget(chtKnown, 1);
    return chartColumn;
}

void frmFacts::connectControls()
{
    connect(cboChild, &QComboBox::activated, this, [this](int i) {
        r.choose(m_children.value(i).id);
        showChildren();
    });
    connect(cboLimit, &QComboBox::activated, this, &frmFacts::chooseTimeLimit);
    connect(chkReadAloud, &QCheckBox::clicked, this, &frmFacts::chooseReadAloud);
    connect(cmdAdd, &QPushButton::clicked, this, &frmFacts::addChild);
    connect(cmdRename, &QPushButton::clicked, this, &frmFacts::renameChild);
    connect(cmdRemove, &QPushButton::clicked, this, &frmFacts::removeChild);
    connect(cmdPrint, &QPushButton::clicked, this, &frmFacts::printPage);
    connect(cmdCsv, &QPushButton::clicked, this, &frmFacts::saveCsv);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(grdFacts, &QTableWidget::currentCellChanged, this, &frmFacts::showStory);
    connect(grdFacts, &QTableWidget::currentCellChanged, this, [this](int o2, int o1) {
        // Orca reads a table's whole row on Up and Down; the chosen cell and
        // its story, said at once, cut that short.
        if (grdFacts->hasFocus() && o1 >= 0 && o2 >= 0)
            m_announcer->say(m_map.cellSpoken(o1, o2) + QStringLiteral(". ") + m_map.spokenStory(o1, o2));
    });
}

qint64 frmFacts::childId() const { return m_children.value(cboChild->currentIndex()).id; }

int frmFacts::timeLimitMs() const { return m_children.value(cboChild->currentIndex()).timeLimitMs; }

void frmFacts::showChildren()
{
    const bool ready = r.health() == ChildRecord::Health::Ready;
    lblHealth->setText(r.healthText());
    lblHealth->setVisible(!ready);
    m_children = ready ? r.children() : QVector<Child>{};
    const qint64 current = ready ? r.current().id : 0;
    cboChild->clear();
    for (const Child &c : m_children) {
        cboChild->addItem(c.name);
        if (c.id == current)
            cboChild->setCurrentIndex(cboChild->count() - 1);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{cboChild, cmdAdd, cmdRename, cboLimit, chkReadAloud, cmdPrint,
                                                      cmdCsv, grdFacts})
        w->setEnabled(ready);
    // The last child stays: someone has to be practising.
    cmdRemove->setEnabled(ready && m_children.size() > 1);
    showChild();
}

void frmFacts::showChild()
{
    const qint64 id = childId();
    m_map = MyFacts(id ? r.summary(id, m_today, MyFacts::ChartDays) : ChildSummary{}, m_today);
    cboLimit->setCurrentIndex(std::max(0, cboLimit->findData(timeLimitMs())));
    chkReadAloud->setChecked(m_children.value(cboChild->currentIndex()).readAloud);
    for (int o2 = 0; o2 < FactSide; ++o2)
        for (int o1 = 0; o1 < FactSide; ++o1) {
            QTableWidgetItem *item = grdFacts->item(o2, o1);
            item->setText(m_map.cellText(o1, o2));
            item->setBackground(MyFacts::screenColour(m_map.state(o1, o2)));
            item->setForeground(Qt::black);
            item->setData(Qt::AccessibleTextRole, m_map.cellSpoken(o1, o2));
            item->setData(Qt::AccessibleDescriptionRole, m_map.spokenStory(o1, o2));
        }
    lblTotals->setText(m_map.totals());
    showChart();
    if (grdFacts->currentRow() < 0)
        grdFacts->setCurrentCell(7, 7);
    showStory();
}

void frmFacts::showChart()
{
    auto *series = new QLineSeries;
    series->append(m_map.knownByDay());
    auto *chart = new QChart;
    chart->legend()->hide();
    chart->addSeries(series);
    auto *x = new QDateTimeAxis;
    x->setFormat(MyFacts::axisDayFormat());
    x->setTickCount(4);
    auto *y = new QValueAxis;
    y->setRange(0, FactCount);
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    QChart *old = chtKnown->chart();
    chtKnown->setChart(chart);
    delete old;
}

QString frmFacts::factStory(int operand1, int operand2) const { return m_map.story(operand1, operand2); }

QString frmFacts::spokenStory(int operand1, int operand2) const { return m_map.spokenStory(operand1, operand2); }

void frmFacts::showStory()
{
    const int o2 = grdFacts->currentRow(), o1 = grdFacts->currentColumn();
    lblStory->setText(o1 >= 0 && o2 >= 0 ? factStory(o1, o2) : QString());
}

void frmFacts::addChild()
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Add a Child"), tr("Name:"), QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return;
    QString error;
    qint64 id = 0;
    if (!r.add(name, &error, &id)) {
        QMessageBox::warning(this, tr("Add a Child"), error);
        return;
    }
    r.choose(id);
    showChildren();
}

void frmFacts::renameChild()
{
    const Child c = m_children.value(cboChild->currentIndex());
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Rename"), tr("New name for %1:").arg(c.name),
                                               QLineEdit::Normal, c.name, &ok);
    if (!ok)
        return;
    QString error;
    if (!r.rename(c.id, name, &error))
        QMessageBox::warning(this, tr("Rename"), error);
    showChildren();
}

void frmFacts::removeChild()
{
    const Child c = m_children.value(cboChild->currentIndex());
    const int n = r.answerCount(c.id);
    // With no answers there is nothing to lose but the name.
    const QString question =
        n == 0 ? tr("Remove %1? No answers are kept for them yet.").arg(c.name)
               : tr("Remove %1 and the %n answers kept for them? This cannot be undone.", nullptr, n).arg(c.name);
    QMessageBox ask(QMessageBox::Warning, tr("Remove"), question, QMessageBox::Yes | QMessageBox::Cancel, this);
    ask.setObjectName(QStringLiteral("removeConfirm"));
    ask.setDefaultButton(QMessageBox::Cancel);
    if (ask.exec() != QMessageBox::Yes)
        return;
    QString error;
    if (!r.remove(c.id, &error))
        QMessageBox::warning(this, tr("Remove"), error);
    showChildren();
}

void frmFacts::chooseReadAloud(bool on)
{
    r.setReadAloud(childId(), on);
    m_children = r.children();
}

void frmFacts::chooseTimeLimit()
{
    r.setTimeLimit(childId(), cboLimit->currentData().toInt());
    m_children = r.children();
    showChild();
}

void frmFacts::printPage()
{
    const QString name = cboChild->currentText();
    const ParentPage page = m_map.parentPage(name);
    ::printPage(m, this, tr("Numbloom - My Facts of %1").arg(name), [&page](DrawSurface &p) { drawParentPage(p, page); });
}

void frmFacts::saveCsv()
{
    const QString name = cboChild->currentText();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(documents);
    QFileDialog dialog(this, tr("Save as CSV"), QDir(documents).filePath(fileNameFrom(tr("%1 answers.csv").arg(name))),
                       tr("CSV files (*.csv)"));
    dialog.setObjectName(QStringLiteral("csvDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString error;
    const QString path = dialog.selectedFiles().constFirst();
    const bool earlier = QFileInfo::exists(path);
    if (!r.exportCsv(childId(), path, &error))
        QMessageBox::warning(this, tr("Save as CSV"),
                             (earlier ? tr("%1 was not saved, and the file of that name that was there is left as it "
                                           "was.\n\n%2")
                                      : tr("%1 was not saved.\n\n%2"))
                                 .arg(QDir::toNativeSeparators(path), error));
}

QString frmFacts::helpAnchor() const
{
    // The part of the help about the control in use.
    const QWidget *f = focusWidget();
    if (f == grdFacts)
        return QStringLiteral("fact-map");
    if (f == cboLimit)
        return QStringLiteral("known-within");
    if (f == cboChild || f == cmdAdd || f == cmdRename || f == cmdRemove)
        return QStringLiteral("children");
    if (f == cmdPrint)
        return QStringLiteral("parent-page");
    if (f == cmdCsv)
        return QStringLiteral("csv");
    return QStringLiteral("my-facts");
}

extern "C" Q_DECL_EXPORT void numbloom_show_my_facts(Module1 &module, QWidget *owner)
{
    frmFacts::showModal(module, owner);
}
