#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// A RIFF/WAVE file's samples in the output's frames: interleaved stereo 16-bit at 44.1 kHz.
// Reads integer PCM of 8, 16, 24 and 32 bits and floating-point samples of 32 and 64 bits, plain or
// in the extensible header, at any rate from 1 kHz to 384 kHz and with any number of channels: one
// channel plays on both sides, of more the first two are kept. A data chunk that claims more than
// the file holds plays what is there; of a longer sound, the first minute.
struct WaveFile {
    static constexpr int kMostSeconds = 60;
    // The frames; none when the bytes are no wave of those kinds or hold no whole frame.
    static std::optional<std::vector<std::int16_t>> outputFrames(std::string_view bytes);
};
