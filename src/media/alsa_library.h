#pragma once

#include "kit/library_functions.h"

#include <alsa/asoundlib.h>

// ALSA's library, opened the first time the game makes a sound instead of when the program starts:
// a game that starts with the music off never loads it, and one with the music on shows its window
// first. Through ALSA's default device the sound reaches whatever the desktop plays through (its
// sound server, or the card itself). Only the functions the game calls are looked up; they keep
// ALSA's names.
#define DORV_ALSA_FUNCTIONS(X) \
    X(snd_pcm_open) X(snd_pcm_set_params) X(snd_pcm_writei) X(snd_pcm_wait) X(snd_pcm_recover) X(snd_pcm_drop)      \
    X(snd_pcm_close) X(snd_strerror) X(snd_lib_error_set_local)

namespace AlsaLibrary {

struct Functions {
    DORV_ALSA_FUNCTIONS(DORV_FUNCTION_POINTER)
    void lookUpIn(LibraryFunctions& library) { DORV_ALSA_FUNCTIONS(DORV_FUNCTION_LOOKUP) }
};

// Opens the library on the first call; false, with a warning once, when it is missing.
bool load();
// The functions, once load() has succeeded.
const Functions& api();

} // namespace AlsaLibrary
