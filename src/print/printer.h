#pragma once
// The default printer, or a PDF in the Documents folder when there is none.
#include "platform/services.h"

class Printer
{
public:
    virtual ~Printer() = default;
};

class SystemPrinter : public Printer
{
};
