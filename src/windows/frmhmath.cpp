#include "frmhmath.h"

void frmHMath::showFact(Module1 &, QWidget *) {}
