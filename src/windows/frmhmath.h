#pragma once
// The fact picture window: a row of as many shapes as the multiplier, in as
// many rows as the factor, drawn one shape and one row at a time with sounds,
// beside the fact written out. A fresh window for every showing.
#include <QWidget>
#include <array>
#include <cstdint>

class Module1;
class Frame;
class PictureBox;
class QLabel;
class QPushButton;

class frmHMath : public QWidget
{
    Q_OBJECT
public:
    explicit frmHMath(Module1 &module, QWidget *owner = nullptr);
    ~frmHMath() override;

    // Creates a fresh window for PictureMultiplier x PictureFactor, shows it
    // modally and returns when its OK has closed it.
    static void showFact(Module1 &module, QWidget *owner);

    void Form_Load();
    void Form_Activate();
    void Form_Paint();
    void Command1_Click();
    void ShowFact();
    void DrawRow(int16_t row, int16_t soundFlag);
    void DrawShape(int16_t x, int16_t y);

    // The grid lines' places in pixels, as the window reads them.
    int line3X(int k) const;
    int line2Y(int k) const;

    int16_t Shown = 0;
    QString SingleSound, BoingSound;
    std::array<int16_t, 5> ShapeColours{}; // elements 1..4
    int16_t ShapeKind = 0;
    int16_t ShapeColour = 0;
    int16_t Multiplier = 0, Factor = 0, Product = 0;
    int16_t CellWidth = 0, CellHeight = 0;

    PictureBox *canvas;
    Frame *Frame1;
    std::array<QLabel *, 3> lbltutor;
    QWidget *Line1;
    QPushButton *Command1;
    std::array<QLabel *, 12> lblFact;  // row labels, item r reads r + 1
    QLabel *lblFact99;                 // the corner label
    std::array<QLabel *, 13> lblFact1; // column labels 1..12; 0 unused

Q_SIGNALS:
    void closed();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    Module1 &m;
    QWidget *m_owner;
    bool m_animating = false;
};
