#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

// The program's printer for the moves. Qt's print support is not linked into the program: it
// comes with the print module (libdorv-print.so), loaded the first time the player opens the
// moves window, where the moves are printed, so that no start pays for it.
class MovesPrinter {
public:
    // How a print ended. ForFile: the document was made whole for a file the player chose to
    // print to (a PDF file), which the caller writes as the game writes its own files, so that a
    // full disk is told and leaves no partial file behind.
    enum class Result { Printed, NotStarted, NotWhole, ForFile };
    struct Printout {
        Result result = Result::Printed;
        // For ForFile: the file, and the whole document to write to it.
        QString file;
        QByteArray document;
    };

    virtual ~MovesPrinter() = default;
    // The print dialog over `parent` (titled `title`, or as Qt titles it), over the printers there
    // are now and with the setup chosen before; false when cancelled.
    virtual bool choose(QWidget* parent, const QString& title) = 0;
    // Prints `lines` in the face `family` at 10 points, a page after another, as one document.
    virtual Printout print(const QStringList& lines, const QString& family) = 0;

    // A printer from the print module, beside the program in a build or in
    // ../lib/<architecture>/the-dorv/ once installed; none, with a warning, when the module is
    // missing or will not load.
    static std::unique_ptr<MovesPrinter> load();
};
