#include "media/sdl_audio.h"

#include "media/library_functions.h"

namespace {

SdlAudio::Functions s_functions;

bool open()
{
    LibraryFunctions library("libSDL2-2.0.so.0", "SDL2");
#define DORV_SDL_AUDIO_LOOKUP(name) library.find(s_functions.name, #name);
    DORV_SDL_AUDIO_FUNCTIONS(DORV_SDL_AUDIO_LOOKUP)
#undef DORV_SDL_AUDIO_LOOKUP
    return library.complete();
}

} // namespace

bool SdlAudio::load()
{
    static const bool loaded = open();
    return loaded;
}

const SdlAudio::Functions& SdlAudio::api() { return s_functions; }
