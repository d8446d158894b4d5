#include "kit/moves_printer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

std::unique_ptr<MovesPrinter> MovesPrinter::load()
{
    static const MakeMovesPrinter make = []() -> MakeMovesPrinter {
        const QString folder = QCoreApplication::applicationDirPath();
        for (const QString& path : {folder + QStringLiteral("/libdorv-print.so"),
                                    folder + QStringLiteral("/" DORV_INSTALLED_MODULE_DIR "/libdorv-print.so")}) {
            if (!QFileInfo::exists(path))
                continue;
            // Kept loaded to the end: the printers it makes run its code.
            void* module = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
            if (const auto found = module ? reinterpret_cast<MakeMovesPrinter>(dlsym(module, kMakeMovesPrinter)) : nullptr)
                return found;
            qWarning("Printing: cannot load %s: %s", qPrintable(path), dlerror());
            return nullptr;
        }
        qWarning("Printing: the print module libdorv-print.so is missing");
        return nullptr;
    }();
    return std::unique_ptr<MovesPrinter>(make ? make() : nullptr);
}
