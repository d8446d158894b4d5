#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

// SDL2 and SDL_mixer (with the synthesiser under it), opened the first time the game makes a
// sound instead of when the program starts: a game that starts with the music off never loads
// them, and one with the music on shows its window first. Only the functions the game calls are
// looked up; they keep SDL's names.
#define DORV_SDL_AUDIO_FUNCTIONS(X)                                                                              \
    X(SDL_Delay) X(SDL_GetError) X(SDL_GetTicks) X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_ResetHint)      \
    X(SDL_RWFromConstMem) X(SDL_SetHint) X(SDL_SetHintWithPriority)                                              \
    X(Mix_CloseAudio) X(Mix_FreeChunk) X(Mix_FreeMusic) X(Mix_HaltChannel) X(Mix_HaltMusic)                      \
    X(Mix_HookMusicFinished) X(Mix_Init) X(Mix_LoadMUS_RW) X(Mix_LoadWAV_RW) X(Mix_OpenAudio)                    \
    X(Mix_PlayChannel) X(Mix_PlayMusic) X(Mix_Playing) X(Mix_PlayingMusic) X(Mix_QuerySpec) X(Mix_Quit)     \
    X(Mix_SetSoundFonts)

namespace SdlAudio {

struct Functions {
#define DORV_SDL_AUDIO_MEMBER(name) decltype(&::name) name = nullptr;
    DORV_SDL_AUDIO_FUNCTIONS(DORV_SDL_AUDIO_MEMBER)
#undef DORV_SDL_AUDIO_MEMBER
};

// Opens the libraries on the first call; false, with a warning once, when they are missing.
bool load();
// The functions, once load() has succeeded.
const Functions& api();

} // namespace SdlAudio
