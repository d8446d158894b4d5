#pragma once

#include "kit/moves_printer.h"

#include <memory>

class QPagedPaintDevice;
class QPrinter;

// The moves printed with Qt's print support, to the printer it is given and keeps.
class QtMovesPrinter final : public MovesPrinter {
public:
    explicit QtMovesPrinter(std::unique_ptr<QPrinter> printer);
    ~QtMovesPrinter() override;

    bool choose(QWidget* parent, const QString& title) override;
    Printout print(const QStringList& lines, const QString& family) override;

    QPrinter& printer() { return *m_printer; }

private:
    // Draws the lines on `device`, a page after another: Printed when every line is on a page.
    static Result draw(QPagedPaintDevice& device, const QStringList& lines, const QString& family);

    std::unique_ptr<QPrinter> m_printer;
};
