#include "media/sdl_audio.h"

namespace {
SdlAudio::Functions s_functions;
}

bool SdlAudio::load() { return openOnce(s_functions, "libSDL2-2.0.so.0", "SDL2"); }

const SdlAudio::Functions& SdlAudio::api() { return s_functions; }
