#include "kit/library_functions.h"

#include "kit/file_store.h"

#include <QFile>
#include <QtGlobal>

#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

namespace {
// The library opened; a path (a name with a slash) only when it names a regular file, since the
// loader would wait for ever on a FIFO for a writer, and has no use for a device or a folder.
void* openLibrary(const char* fileName, const char* shownName, const char* purpose)
{
    if (std::strchr(fileName, '/')) {
        QString reason;
        const int fd = FileStore::openRegular(QFile::decodeName(fileName), &reason);
        if (fd < 0) {
            qWarning("%s: cannot open %s: %s: %s", purpose, shownName, fileName, qPrintable(reason));
            return nullptr;
        }
        ::close(fd);
    }
    void* handle = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        qWarning("%s: cannot open %s: %s", purpose, shownName, dlerror());
    return handle;
}
}

LibraryFunctions::LibraryFunctions(const char* fileName, const char* shownName, const char* purpose)
    : m_handle(openLibrary(fileName, shownName, purpose))
    , m_shownName(shownName)
    , m_purpose(purpose)
    , m_complete(m_handle != nullptr)
{
}

void* LibraryFunctions::lookUp(const char* name)
{
    if (!m_handle)
        return nullptr;
    void* function = dlsym(m_handle, name);
    if (!function) {
        qWarning("%s: %s has no %s", m_purpose, m_shownName, name);
        m_complete = false;
    }
    return function;
}
