#include "kit/library_functions.h"

#include <QtGlobal>

#include <dlfcn.h>

LibraryFunctions::LibraryFunctions(const char* fileName, const char* shownName, const char* purpose)
    : m_handle(dlopen(fileName, RTLD_NOW | RTLD_LOCAL))
    , m_shownName(shownName)
    , m_purpose(purpose)
    , m_complete(m_handle != nullptr)
{
    if (!m_handle)
        qWarning("%s: cannot open %s: %s", purpose, shownName, dlerror());
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
