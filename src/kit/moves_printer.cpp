#include "kit/moves_printer.h"

#include "kit/file_store.h"
#include "kit/moves_printer_factory.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QPluginLoader>

#include <unistd.h>

namespace {
// The print module at `path`, a regular file: its printer maker, or none with a warning when the
// file is no plugin, was built against another Qt or makes no printers.
MovesPrinterFactory* loadModule(const QString& path)
{
    // Opened without waiting first: a FIFO put there since it was looked at is still no module.
    QString reason;
    const int fd = FileStore::openRegular(path, &reason);
    if (fd < 0) {
        qWarning("Printing: cannot open the print module: %s: %s", qPrintable(path), qPrintable(reason));
        return nullptr;
    }
    ::close(fd);
    // Every symbol bound at once, and the module kept to the end of the program (the loader's
    // default), since the printers it made run its code.
    QPluginLoader module(path);
    module.setLoadHints(module.loadHints() | QLibrary::ResolveAllSymbolsHint);
    // The plugin's data names what it implements: a plugin of anything else is not even loaded.
    const QString iid = module.metaData().value(QLatin1String("IID")).toString();
    if (!iid.isEmpty() && iid != QLatin1String(DORV_MOVES_PRINTER_FACTORY_IID)) {
        qWarning("Printing: the print module has no %s", DORV_MOVES_PRINTER_FACTORY_IID);
        return nullptr;
    }
    QObject* const instance = module.instance();
    if (!instance) {
        qWarning("Printing: cannot open the print module: %s", qPrintable(module.errorString()));
        return nullptr;
    }
    auto* const factory = qobject_cast<MovesPrinterFactory*>(instance);
    if (!factory)
        qWarning("Printing: the print module has no %s", DORV_MOVES_PRINTER_FACTORY_IID);
    return factory;
}
}

std::unique_ptr<MovesPrinter> MovesPrinter::load()
{
    static MovesPrinterFactory* const factory = []() -> MovesPrinterFactory* {
        const QString folder = QCoreApplication::applicationDirPath();
        for (const QString& path : {folder + QStringLiteral("/libdorv-print.so"),
                                    folder + QStringLiteral("/" DORV_INSTALLED_MODULE_DIR "/libdorv-print.so")}) {
            // Anything there but a regular file (a FIFO the loader would wait on for ever, a
            // folder) is no module.
            if (QFileInfo(path).isFile())
                return loadModule(path);
        }
        qWarning("Printing: the print module libdorv-print.so is missing or not a regular file");
        return nullptr;
    }();
    return factory ? factory->makePrinter() : nullptr;
}
