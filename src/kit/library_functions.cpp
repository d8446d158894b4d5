#include "kit/library_functions.h"

#include "kit/file_store.h"

#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <cstring>
#include <unistd.h>

namespace {
// The library opened with every symbol bound at once and kept to itself (QLibrary's default), and
// never unloaded, not even by Qt's clean-up when the program ends, while a thread may run it. A
// path (a name with a slash) is opened only when it names a regular file, since the loader would
// wait for ever on a FIFO for a writer, and has no use for a device or a folder; it is made
// absolute, so the loader tries that file and no other. A name is tried as it is given: the
// version a soname ends with (".so.2") is given to QLibrary too, so that it adds no suffix of its own.
bool openLibrary(QLibrary& library, const char* fileName, const char* shownName, const char* purpose)
{
    QString name = QFile::decodeName(fileName);
    QString version;
    if (std::strchr(fileName, '/')) {
        QString reason;
        const int fd = FileStore::openRegular(name, &reason);
        if (fd < 0) {
            qWarning("%s: cannot open %s: %s: %s", purpose, shownName, fileName, qPrintable(reason));
            return false;
        }
        ::close(fd);
        name = QFileInfo(name).absoluteFilePath();
    } else if (const qsizetype so = name.lastIndexOf(QLatin1String(".so.")); so >= 0) {
        version = name.mid(so + 4);
    }
    library.setFileNameAndVersion(name, version);
    library.setLoadHints(QLibrary::ResolveAllSymbolsHint | QLibrary::PreventUnloadHint);
    if (!library.load()) {
        qWarning("%s: cannot open %s: %s", purpose, shownName, qPrintable(library.errorString()));
        return false;
    }
    return true;
}
}

LibraryFunctions::LibraryFunctions(const char* fileName, const char* shownName, const char* purpose)
    : m_shownName(shownName)
    , m_purpose(purpose)
    , m_complete(openLibrary(m_library, fileName, shownName, purpose))
{
}

QFunctionPointer LibraryFunctions::lookUp(const char* name)
{
    if (!m_library.isLoaded())
        return nullptr;
    const QFunctionPointer function = m_library.resolve(name);
    if (!function) {
        qWarning("%s: %s has no %s", m_purpose, m_shownName, name);
        m_complete = false;
    }
    return function;
}
