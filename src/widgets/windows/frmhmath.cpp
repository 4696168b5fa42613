// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmhmath.h"
#include "helpwindow.h"

#include "app/format.h"
#include "app/module1.h"
#include "app/spoken.h"
#include "controls/announcer.h"
#include "controls/picturebox.h"
#include "platform/twips.h"
#include "controls/widgets.h"
#include "study/factpicture.h"
#include "study/studyoptions.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {
const QColor PaleYellow(0xFF, 0xFF, 0xC0);
constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;
} // namespace

// The owner's window is the parent, so that the compositor is told the
// picture belongs to it (a transient window) and keeps it above: a click on
// the main window must never bury the modal picture. A top-level child takes
// neither font nor palette from its parent, so nothing of its look changes.
frmHMath::frmHMath(Module1 &module, QWidget *owner)
    : QWidget(owner ? owner->window() : nullptr, Qt::Dialog | Qt::FramelessWindowHint), m(module), m_owner(owner)
{
    setObjectName(QStringLiteral("frmHMath"));
    // No title bar at all; the title is for task switchers, which would list
    // a second "Numbloom" otherwise.
    const int a = FactPicture::onGrid(m.PictureMultiplier), b = FactPicture::onGrid(m.PictureFactor);
    setWindowTitle(QStringLiteral("%1 x %2").arg(a).arg(b));
    setFixedSize(toPixels(7125), toPixels(4965));
    addHelpKey(this, m, [] { return QStringLiteral("fact-picture"); });
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    canvas = new PictureBox(this, 1.0f, false);
    canvas->setObjectName(QStringLiteral("canvas"));
    canvas->setGeometry(rect());
    canvas->setBackColor(Qt::white);
    m_picture = new FactPicture(m, *canvas, this);
    auto *grid = buildGrid();
    buildTutor();
    buildOk();
    buildCounts();
    // The labels overlap their neighbours by a few pixels: the grid's top line
    // and the frame's right edge. Lines and the frame stay in front, as line
    // controls and containers do, so a label that comes up never cuts them.
    grid->raise();
    Frame1->raise();
    Command1->raise();
    // The fact the picture shows, in the words the study grid reads it with:
    // heard as the window opens, and with OK when the focus comes to it.
    m_fact = spokenFact(a, b);
    setAccessibleName(m_fact);
    canvas->setAccessibleName(m_fact);
    Command1->setAccessibleDescription(m_fact);
    m_announcer = std::make_unique<Announcer>(this);
    followPicture();
}

QWidget *frmHMath::buildGrid()
{
    auto *grid = new LineLayer(this, 1);
    for (int k = 0; k <= 12; ++k) {
        grid->lines << QLine(FactPicture::columnLineX(k), FactPicture::rowLineY(0), FactPicture::columnLineX(k),
                             FactPicture::rowLineY(12));
        grid->lines << QLine(FactPicture::columnLineX(0), FactPicture::rowLineY(k), FactPicture::columnLineX(12),
                             FactPicture::rowLineY(k));
    }
    return grid;
}

void frmHMath::buildTutor()
{
    Frame1 = new Frame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipsRect(240, 240, 1815, 3615));
    Frame1->setColors(PaleYellow, Qt::black);
    const int tops[3] = {360, 1320, 2520};
    for (int i = 0; i < 3; ++i) {
        lbltutor[size_t(i)] = colouredLabel(Frame1, QString(), twipsRect(120, tops[i], 1515, 975), 36, PaleYellow,
                                            Qt::red, Right);
        lbltutor[size_t(i)]->setObjectName(QStringLiteral("lbltutor_%1").arg(i));
    }
    auto *bar = new LineLayer(Frame1, 3);
    bar->lines << QLine(toPixels(120), toPixels(2400), toPixels(1680), toPixels(2400));
    bar->setObjectName(QStringLiteral("Line1"));
}

void frmHMath::buildOk()
{
    Command1 = new QPushButton(tr("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(780, 4020, 675, 435));
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &frmHMath::Command1_Click);
    widenToCaption(Command1);
}

void frmHMath::buildCounts()
{
    // Hidden until the picture reaches their row or column.
    auto count = [this](int n, const QRect &place, Qt::Alignment align, const QString &name) {
        QLabel *l = colouredLabel(this, QString::number(n), place, 14.25, Qt::white, Qt::black, align);
        l->setObjectName(name);
        l->hide();
        return l;
    };
    for (int r = 0; r < 12; ++r)
        lblFact[size_t(r)] = count(r + 1, twipsRect(1920, 480 + 360 * r, 615, 375), Right, QStringLiteral("lblFact_%1").arg(r));
    // Made in this order, each overlapping the one before by a pixel.
    lblFact99 = count(0, twipsRect(2280, 120, 375, 375), Qt::AlignCenter, QStringLiteral("lblFact_99"));
    lblFact99->show();
    lblFact1[0] = nullptr;
    for (int c = 1; c <= 12; ++c)
        lblFact1[size_t(c)] = count(c, twipsRect(2640 + 360 * (c - 1), 120, 375, 375), Qt::AlignCenter,
                                    QStringLiteral("lblFact1_%1").arg(c));
}

void frmHMath::followPicture()
{
    connect(m_picture, &FactPicture::cleared, this, &frmHMath::clearFact);
    connect(m_picture, &FactPicture::columnShown, this, [this](int c) { showLabel(lblFact1[size_t(c)]); });
    connect(m_picture, &FactPicture::rowShown, this, [this](int r) { showLabel(lblFact[size_t(r)]); });
    connect(m_picture, &FactPicture::multiplierWritten, this, [this](int multiplier) {
        lbltutor[0]->setText(QString::number(multiplier));
        lbltutor[0]->repaint();
    });
    connect(m_picture, &FactPicture::factWritten, this, [this](int factor, int product) {
        lbltutor[1]->setText(QStringLiteral("x ") + QString::number(factor));
        lbltutor[1]->repaint();
        lbltutor[2]->setText(QString::number(product));
        lbltutor[2]->repaint();
        // Written out, and said: to a screen reader and by Read aloud.
        m_announcer->say(m_fact);
        m.Say(m_fact);
    });
    connect(m_picture, &FactPicture::finished, this, [this] {
        setFocus();
        Command1->setFocus();
    });
}

frmHMath::~frmHMath() = default;

void frmHMath::showFact(Module1 &module, QWidget *owner)
{
    frmHMath w(module, owner);
    w.Form_Load();
    runModal(w, [&w] { w.Form_Activate(); });
}

void frmHMath::Form_Load()
{
    m_picture->load();
    centreOnScreen(this);
}

void frmHMath::Form_Activate() { m_picture->ShowFact(); }

void frmHMath::clearFact()
{
    repaint();
    for (QLabel *l : lbltutor) {
        l->clear();
        l->repaint();
    }
}

void frmHMath::showLabel(QLabel *label)
{
    label->show();
    label->repaint();
}

void frmHMath::Form_Paint() { m_picture->redraw(); }

void frmHMath::changeEvent(QEvent *e)
{
    // Uncovered or brought back: draw the rows again with the same shape.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !m_picture->animating() && m_picture->Shown())
        Form_Paint();
    QWidget::changeEvent(e);
}

void frmHMath::Command1_Click()
{
    hide();
    if (m_owner) {
        m_owner->show();
        m_owner->raise();
        m_owner->activateWindow();
    }
}

void frmHMath::keyPressEvent(QKeyEvent *e)
{
    // With no title bar, Enter and Esc are the keyboard's way out.
    if (!m_picture->animating() && (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        Command1_Click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void frmHMath::closeEvent(QCloseEvent *e)
{
    e->ignore();
    if (!m_picture->animating())
        Command1_Click();
}
