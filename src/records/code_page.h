#pragma once

#include <string>
#include <string_view>

// The files are bytes in the Windows-1252 code page; the program's texts are UTF-8.
struct CodePage {
    // UTF-8 to Windows-1252; a character the code page lacks (or broken UTF-8) becomes '?'.
    static std::string fromUtf8(std::string_view utf8);
    // Windows-1252 to UTF-8; the five bytes the code page leaves unused map to the same code points.
    static std::string toUtf8(std::string_view bytes);
};
