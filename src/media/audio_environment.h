#pragma once

#include <QString>

// What the player's environment asks of the audio. Each request has the game's own name, and
// also answers to the name an earlier sound layer gave it, which players and scripts may still
// set; when both are set, the game's own name decides.
struct AudioEnvironment {
    // DORV_AUDIO=silent plays silently at the same pace, without looking for a sound device; any
    // other value plays on the device. Unset or empty, SDL_AUDIODRIVER=dummy asks the same.
    static bool silent();
    // The soundfonts for the synthesiser, separated by colons, that the player names in
    // DORV_SOUNDFONTS, else in SDL_SOUNDFONTS; empty when neither names any.
    static QString soundFonts();
};
