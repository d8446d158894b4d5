#include "print/qt_moves_printer.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

QtMovesPrinter::QtMovesPrinter(std::unique_ptr<QPrinter> printer)
    : m_printer(std::move(printer))
{
}

QtMovesPrinter::~QtMovesPrinter() = default;

bool QtMovesPrinter::choose(QWidget* parent, const QString& title)
{
    // A new dialog each time lists the printers as they are now, a printer added while the game
    // runs included; the setup chosen before is offered again.
    QPrintDialog dialog(m_printer.get(), parent);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

MovesPrinter::Result QtMovesPrinter::print(const QStringList& lines, const QString& family)
{
    QPainter painter;
    if (!painter.begin(m_printer.get()))
        return Result::NotStarted;
    painter.setFont(QFont(family, 10));
    const QFontMetrics metrics = painter.fontMetrics();
    const int pageHeight = painter.viewport().height();
    int y = metrics.ascent();
    for (const QString& line : lines) {
        if (y > pageHeight) {
            if (!m_printer->newPage())
                break;
            y = metrics.ascent();
        }
        painter.drawText(0, y, line);
        y += metrics.lineSpacing();
    }
    const bool ended = painter.end();
    return ended && m_printer->printerState() != QPrinter::Error ? Result::Printed : Result::NotWhole;
}
