#include "print/print_module.h"

#include "print/qt_moves_printer.h"

#include <QPrinter>

std::unique_ptr<MovesPrinter> PrintModule::makePrinter()
{
    return std::make_unique<QtMovesPrinter>(std::make_unique<QPrinter>());
}
