#pragma once

#include <QLibrary>

// A shared library opened by name or path at run time through QLibrary, and the functions looked
// up in it, typed as their headers declare them. It stays loaded to the end of the program: an
// audio thread, or an object it made, may still run its code. A library named by a path is opened
// only when that path is a regular file.
class LibraryFunctions {
public:
    // Opens the library; `shownName` names it in the warnings, which begin with `purpose`.
    LibraryFunctions(const char* fileName, const char* shownName, const char* purpose);

    // Sets `function` to the library's function `name`, or to null with a warning.
    template <typename Function>
    void find(Function& function, const char* name)
    {
        function = reinterpret_cast<Function>(lookUp(name));
    }
    // True when the library opened and every function looked up was found.
    bool complete() const { return m_complete; }

private:
    QFunctionPointer lookUp(const char* name);

    QLibrary m_library;
    const char* m_shownName;
    const char* m_purpose;
    bool m_complete = false;
};

// For a list of functions X(name) X(name)…: a pointer typed as the header declares the function,
// and its look-up by the same name in a LibraryFunctions called `library`.
#define DORV_FUNCTION_POINTER(name) decltype(&::name) name = nullptr;
#define DORV_FUNCTION_LOOKUP(name) library.find(name, #name);

// Opens the library the first time and fills `functions` (whose lookUpIn(LibraryFunctions&) finds
// each of its functions); false, with a warning once, when the library or a function is missing.
template <typename Functions>
bool openOnce(Functions& functions, const char* fileName, const char* shownName, const char* purpose)
{
    static const bool opened = [&] {
        LibraryFunctions library(fileName, shownName, purpose);
        functions.lookUpIn(library);
        return library.complete();
    }();
    return opened;
}
