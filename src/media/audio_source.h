#pragma once

#include <cstdint>

// What the output device plays: interleaved stereo 16-bit frames at 44.1 kHz. The device mixes
// its sources on the audio thread; they must neither allocate nor wait there.
class AudioSource {
public:
    static constexpr int kRate = 44100;
    static constexpr int kChannels = 2;

    virtual ~AudioSource() = default;
    // Plays the source again from its start; only while the device does not play it.
    virtual void start() {}
    // On the audio thread: writes up to `frames` frames to `into` and returns how many it wrote;
    // fewer than asked means the source has come to its end.
    virtual int render(std::int16_t* into, int frames) = 0;
    // On the audio thread, once after render() came short: the source played to its end and the
    // device has let go of it.
    virtual void ended() {}
};
