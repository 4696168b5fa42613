#pragma once
// The fact picture window: rows of shapes drawn one at a time with sounds.
#include <QWidget>

class Module1;

class frmHMath : public QWidget
{
    Q_OBJECT
public:
    // Creates a fresh window for PictureMultiplier x PictureFactor, shows it
    // modally and returns when its OK has closed it.
    static void showFact(Module1 &module, QWidget *owner);
};
