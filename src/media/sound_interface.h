#pragma once

// The move sound as the window sees it, so that a test can run silent or count what was played.
class SoundInterface {
public:
    virtual ~SoundInterface() = default;
    // Plays the sound once and returns when it has finished.
    virtual void playsound() = 0;
};
