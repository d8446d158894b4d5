#include "print/qt_moves_printer.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
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

MovesPrinter::Printout QtMovesPrinter::print(const QStringList& lines, const QString& family)
{
    const QString file = m_printer->outputFileName();
    if (m_printer->outputFormat() != QPrinter::PdfFormat || file.isEmpty()) {
        Result result = draw(*m_printer, lines, family);
        if (result == Result::Printed && m_printer->printerState() == QPrinter::Error)
            result = Result::NotWhole;
        return {result, {}, {}};
    }
    // A PDF file: Qt's printer writes it as it goes and never says that a write failed, so a full
    // disk would leave a partial file and pass for printed. The document is made in memory, with
    // the printer's page, resolution and names, and the caller writes it whole.
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    QPdfWriter writer(&document);
    writer.setPdfVersion(m_printer->pdfVersion());
    writer.setPageLayout(m_printer->pageLayout());
    writer.setResolution(m_printer->resolution());
    writer.setCreator(m_printer->creator());
    writer.setTitle(m_printer->docName());
    const Result result = draw(writer, lines, family);
    if (result != Result::Printed)
        return {result, {}, {}};
    return {Result::ForFile, file, document.data()};
}

MovesPrinter::Result QtMovesPrinter::draw(QPagedPaintDevice& device, const QStringList& lines, const QString& family)
{
    QPainter painter;
    if (!painter.begin(&device))
        return Result::NotStarted;
    painter.setFont(QFont(family, 10));
    const QFontMetrics metrics = painter.fontMetrics();
    const int pageHeight = painter.viewport().height();
    int y = metrics.ascent();
    bool whole = true;
    for (const QString& line : lines) {
        if (y > pageHeight) {
            // A page the printer will not start ends the document short: not printed.
            if (!device.newPage()) {
                whole = false;
                break;
            }
            y = metrics.ascent();
        }
        painter.drawText(0, y, line);
        y += metrics.lineSpacing();
    }
    return painter.end() && whole ? Result::Printed : Result::NotWhole;
}
