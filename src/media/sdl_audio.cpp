#include "media/sdl_audio.h"

#include <QtGlobal>

#include <dlfcn.h>

namespace {

SdlAudio::Functions s_functions;

bool open()
{
    // SDL_mixer brings SDL2 and the synthesiser with it; their functions are found through it.
    void* library = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        qWarning("Audio: cannot open SDL_mixer: %s", dlerror());
        return false;
    }
    bool found = true;
#define DORV_SDL_AUDIO_LOOKUP(name)                                                                                    \
    s_functions.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name));                                 \
    if (!s_functions.name) {                                                                                          \
        qWarning("Audio: SDL_mixer has no %s", #name);                                                                \
        found = false;                                                                                                \
    }
    DORV_SDL_AUDIO_FUNCTIONS(DORV_SDL_AUDIO_LOOKUP)
#undef DORV_SDL_AUDIO_LOOKUP
    // The library stays loaded to the end of the program: its audio thread may still run.
    return found;
}

} // namespace

bool SdlAudio::load()
{
    static const bool loaded = open();
    return loaded;
}

const SdlAudio::Functions& SdlAudio::api() { return s_functions; }
