#include "kit/moves_printer.h"

#include "kit/library_functions.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

std::unique_ptr<MovesPrinter> MovesPrinter::load()
{
    static const MakeMovesPrinter make = []() -> MakeMovesPrinter {
        const QString folder = QCoreApplication::applicationDirPath();
        for (const QString& path : {folder + QStringLiteral("/libdorv-print.so"),
                                    folder + QStringLiteral("/" DORV_INSTALLED_MODULE_DIR "/libdorv-print.so")}) {
            // Anything there but a regular file (a FIFO the loader would wait on for ever, a
            // folder) is no module.
            if (!QFileInfo(path).isFile())
                continue;
            const QByteArray file = QFile::encodeName(path);
            LibraryFunctions module(file.constData(), "the print module", "Printing");
            MakeMovesPrinter found = nullptr;
            module.find(found, kMakeMovesPrinter);
            return found;
        }
        qWarning("Printing: the print module libdorv-print.so is missing or not a regular file");
        return nullptr;
    }();
    return std::unique_ptr<MovesPrinter>(make ? make() : nullptr);
}
