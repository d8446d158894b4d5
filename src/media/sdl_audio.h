#pragma once

#include "media/library_functions.h"

#include <SDL.h>

// SDL2, opened the first time the game makes a sound instead of when the program starts: a game
// that starts with the music off never loads it, and one with the music on shows its window
// first. Only the functions the game calls are looked up; they keep SDL's names.
#define DORV_SDL_AUDIO_FUNCTIONS(X)                                                                              \
    X(SDL_BuildAudioCVT) X(SDL_CloseAudioDevice) X(SDL_ConvertAudio) X(SDL_Delay) X(SDL_FreeWAV)                \
    X(SDL_GetError) X(SDL_GetTicks) X(SDL_InitSubSystem) X(SDL_LoadWAV_RW) X(SDL_LockAudioDevice)              \
    X(SDL_OpenAudioDevice) X(SDL_PauseAudioDevice) X(SDL_QuitSubSystem) X(SDL_ResetHint)                        \
    X(SDL_RWFromConstMem) X(SDL_SetHint) X(SDL_SetHintWithPriority) X(SDL_UnlockAudioDevice)

namespace SdlAudio {

struct Functions {
    DORV_SDL_AUDIO_FUNCTIONS(DORV_FUNCTION_POINTER)
    void lookUpIn(LibraryFunctions& library) { DORV_SDL_AUDIO_FUNCTIONS(DORV_FUNCTION_LOOKUP) }
};

// Opens the library on the first call; false, with a warning once, when it is missing.
bool load();
// The functions, once load() has succeeded.
const Functions& api();

} // namespace SdlAudio
