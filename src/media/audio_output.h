#pragma once

#include <string_view>

// The one SDL_mixer audio device of the program, opened on first use. When no real device opens
// the dummy driver stands in, so the game keeps its timing silently.
class AudioOutput {
public:
    // Opens the device if it is not open yet; false only when not even the dummy driver opens.
    static bool ensureOpen();
    // The open device, numbered from 1 in the order opened; 0 while none is open.
    static unsigned device();
    // Chooses the soundfont for the MIDI piece `piece`: the game's own small one when the piece
    // needs none of the other instruments, else the whole General MIDI soundfont.
    static void chooseSoundFont(std::string_view piece);
    // Closes the device and SDL's audio subsystem (at the end of the program, or in tests).
    static void shutdown();
};
