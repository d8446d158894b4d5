#pragma once

// The one SDL_mixer audio device of the program, opened on first use. When no real device opens
// the dummy driver stands in, so the game keeps its timing silently.
class AudioOutput {
public:
    // Opens the device if it is not open yet; false only when not even the dummy driver opens.
    static bool ensureOpen();
    // Closes the device and SDL's audio subsystem (at the end of the program, or in tests).
    static void shutdown();
};
