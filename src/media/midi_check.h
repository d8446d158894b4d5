#pragma once

#include <string_view>

// Whether a file's bytes are music the synthesiser can play: SDL_mixer takes any file and "plays"
// what it cannot read, or what holds no note, by ending at once, and the game's restart on the end
// would then spin.
struct MidiCheck {
    // True for a Standard MIDI File: an "MThd" header of at least six bytes with a nonzero track
    // count and division, every chunk after it whole within the bytes, and at least one "MTrk"
    // track with a note-on of nonzero velocity.
    static bool holdsNotes(std::string_view bytes);
};
