#include "media/alsa_library.h"

namespace {
AlsaLibrary::Functions s_functions;
}

bool AlsaLibrary::load() { return openOnce(s_functions, "libasound.so.2", "ALSA", "Audio"); }

const AlsaLibrary::Functions& AlsaLibrary::api() { return s_functions; }
