#include "media/library_functions.h"

#include <QtGlobal>

#include <dlfcn.h>

LibraryFunctions::LibraryFunctions(const char* fileName, const char* shownName)
    : m_handle(dlopen(fileName, RTLD_NOW | RTLD_LOCAL))
    , m_shownName(shownName)
    , m_complete(m_handle != nullptr)
{
    if (!m_handle)
        qWarning("Audio: cannot open %s: %s", shownName, dlerror());
}

void* LibraryFunctions::lookUp(const char* name)
{
    if (!m_handle)
        return nullptr;
    void* function = dlsym(m_handle, name);
    if (!function) {
        qWarning("Audio: %s has no %s", m_shownName, name);
        m_complete = false;
    }
    return function;
}
