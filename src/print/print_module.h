#pragma once

#include "kit/moves_printer_factory.h"

#include <QObject>

// The print module's plugin object: the program loads the module the first time the moves
// window opens, and asks this for printers that print with Qt's print support.
class PrintModule final : public QObject, public MovesPrinterFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID DORV_MOVES_PRINTER_FACTORY_IID)
    Q_INTERFACES(MovesPrinterFactory)

public:
    std::unique_ptr<MovesPrinter> makePrinter() override;
};
