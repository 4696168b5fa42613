#include "frmhmath.h"
#include "helpwindow.h"

#include "app/format.h"
#include "app/module1.h"
#include "app/spoken.h"
#include "platform/announcer.h"
#include "platform/picturebox.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "study/factpicture.h"
#include "study/studyoptions.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QWindow>

#include <cmath>

namespace {

const QColor PaleYellow(0xFF, 0xFF, 0xC0);

// The grid and the bar under the written fact: lines that stay when the
// drawing is cleared, as line controls do.
class Lines : public QWidget
{
public:
    using QWidget::QWidget;
    QVector<QLine> lines;
    int width = 1;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap));
        p.drawLines(lines);
    }
};

QLabel *label(QWidget *parent, const QString &text, const QRect &geo, double points, const QColor &back,
              const QColor &fore, Qt::Alignment align)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(geo);
    l->setFont(layoutFont(QStringLiteral("Arial"), points));
    l->setAlignment(align);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::WindowText, fore);
    l->setPalette(p);
    l->setAutoFillBackground(true);
    return l;
}

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
    setWindowTitle(QStringLiteral("%1 x %2").arg(FactPicture::onGrid(m.PictureMultiplier))
                       .arg(FactPicture::onGrid(m.PictureFactor)));
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

    auto *grid = new Lines(this);
    grid->setAttribute(Qt::WA_TransparentForMouseEvents);
    grid->setGeometry(rect());
    for (int k = 0; k <= 12; ++k) {
        grid->lines << QLine(FactPicture::columnLineX(k), FactPicture::rowLineY(0), FactPicture::columnLineX(k),
                             FactPicture::rowLineY(12));
        grid->lines << QLine(FactPicture::columnLineX(0), FactPicture::rowLineY(k), FactPicture::columnLineX(12),
                             FactPicture::rowLineY(k));
    }

    Frame1 = new Frame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipsRect(240, 240, 1815, 3615));
    Frame1->setColors(PaleYellow, Qt::black);
    const int tops[3] = {360, 1320, 2520};
    for (int i = 0; i < 3; ++i) {
        lbltutor[size_t(i)] = label(Frame1, QString(), twipsRect(120, tops[i], 1515, 975), 36,
                                    PaleYellow, Qt::red, Qt::AlignRight | Qt::AlignVCenter);
        lbltutor[size_t(i)]->setObjectName(QStringLiteral("lbltutor_%1").arg(i));
    }
    auto *bar = new Lines(Frame1);
    bar->width = 3;
    bar->setGeometry(Frame1->rect());
    bar->setAttribute(Qt::WA_TransparentForMouseEvents);
    bar->lines << QLine(toPixels(120), toPixels(2400), toPixels(1680), toPixels(2400));
    bar->setObjectName(QStringLiteral("Line1"));

    Command1 = new QPushButton(tr("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(780, 4020, 675, 435));
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &frmHMath::Command1_Click);
    // The fact the picture shows, in the words the study grid reads it with:
    // heard as the window opens, and with OK when the focus comes to it.
    const int a = FactPicture::onGrid(m.PictureMultiplier), b = FactPicture::onGrid(m.PictureFactor);
    m_fact = spokenFact(a, b);
    setAccessibleName(m_fact);
    canvas->setAccessibleName(m_fact);
    Command1->setAccessibleDescription(m_fact);
    m_announcer = std::make_unique<Announcer>(this);
    // The design's 45 px button holds "OK" but not every language's word for
    // it ("Aceptar"): a caption that needs more widens it about its centre.
    const int wanted = int(std::ceil(QFontMetricsF(Command1->font()).horizontalAdvance(Command1->text()))) + 12;
    if (wanted > Command1->width()) {
        const QRect g = Command1->geometry();
        Command1->setGeometry(g.center().x() - wanted / 2, g.y(), wanted, g.height());
    }

    for (int r = 0; r < 12; ++r) {
        lblFact[size_t(r)] = label(this, QString::number(r + 1), twipsRect(1920, 480 + 360 * r, 615, 375), 14.25,
                                   Qt::white, Qt::black, Qt::AlignRight | Qt::AlignVCenter);
        lblFact[size_t(r)]->setObjectName(QStringLiteral("lblFact_%1").arg(r));
        lblFact[size_t(r)]->hide();
    }
    lblFact99 = label(this, QStringLiteral("0"), twipsRect(2280, 120, 375, 375), 14.25, Qt::white, Qt::black,
                      Qt::AlignCenter);
    lblFact99->setObjectName(QStringLiteral("lblFact_99"));
    lblFact1[0] = nullptr;
    for (int c = 1; c <= 12; ++c) {
        lblFact1[size_t(c)] = label(this, QString::number(c), twipsRect(2640 + 360 * (c - 1), 120, 375, 375), 14.25,
                                    Qt::white, Qt::black, Qt::AlignCenter);
        lblFact1[size_t(c)]->setObjectName(QStringLiteral("lblFact1_%1").arg(c));
        lblFact1[size_t(c)]->hide();
    }
    // The labels overlap their neighbours by a few pixels: the grid's top line
    // and the frame's right edge. Lines and the frame stay in front, as line
    // controls and containers do, so a label that comes up never cuts them.
    grid->raise();
    Frame1->raise();
    Command1->raise();
}

frmHMath::~frmHMath() = default;

void frmHMath::showFact(Module1 &module, QWidget *owner)
{
    frmHMath w(module, owner);
    w.Form_Load();
    w.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(&w, &frmHMath::closed, &loop, &QEventLoop::quit);
    w.show();
    w.raise();
    w.activateWindow();
    // The animation draws straight to the screen, so wait until the window
    // is really there (a moment on X11; at once offscreen).
    QElapsedTimer waited;
    waited.start();
    while (w.windowHandle() && !w.windowHandle()->isExposed() && waited.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    w.Form_Activate();
    if (w.isVisible())
        loop.exec();
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
    Q_EMIT closed();
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
