#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// Whether a file's bytes are music the synthesiser can play: the synthesiser takes any file and
// "plays" what it cannot read, or what holds no note, by ending at once, and the game's restart on
// the end would then spin.
struct MidiCheck {
    // True for a Standard MIDI File: an "MThd" header of at least six bytes with a nonzero track
    // count and division, every chunk after it whole within the bytes, and at least one "MTrk"
    // track with a note-on of nonzero velocity.
    static bool holdsNotes(std::string_view bytes);
    // The most events (channel, meta and system-exclusive) a piece may hold in all its tracks, and
    // at one tick: the synthesiser keeps every event in memory, and plays all those of a tick in
    // one go on the audio thread. A piece within them costs a few megabytes and a block of work.
    static constexpr std::size_t kMaxEvents = 200000;
    static constexpr std::size_t kMaxEventsAtOneTick = 2048;
    // True when the Standard MIDI File stays within both bounds. Counts events, never time, and
    // stops counting at the first bound passed.
    static bool withinBounds(std::string_view bytes);
    // True for a Standard MIDI File that needs no instrument of the General MIDI set but the
    // `programs` of the first bank (every channel starts on program 0) and the standard drum kit:
    // no other program change, no bank select, no system-exclusive message.
    static bool usesOnlyPrograms(std::string_view bytes, std::span<const int> programs);
};
