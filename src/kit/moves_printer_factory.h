#pragma once

#include "kit/moves_printer.h"

#include <QtPlugin>

#include <memory>

// What the print module (libdorv-print.so) gives the program: new printers for the moves. The
// module is a Qt plugin whose one object implements this; the program finds it by the interface's
// name below, and the plugin loader refuses a module built against another Qt.
class MovesPrinterFactory {
public:
    virtual ~MovesPrinterFactory() = default;
    // A new printer, which the caller owns.
    virtual std::unique_ptr<MovesPrinter> makePrinter() = 0;
};

#define DORV_MOVES_PRINTER_FACTORY_IID "io.github.thedorv.TheDorv.MovesPrinterFactory/1.0"
Q_DECLARE_INTERFACE(MovesPrinterFactory, DORV_MOVES_PRINTER_FACTORY_IID)
