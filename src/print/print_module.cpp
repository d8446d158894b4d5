#include "print/qt_moves_printer.h"

#include <QPrinter>

extern "C" Q_DECL_EXPORT MovesPrinter* dorvMakeMovesPrinter()
{
    return new QtMovesPrinter(std::make_unique<QPrinter>());
}
