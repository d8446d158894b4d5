#pragma once

#include <cstdint>
#include <optional>
#include <string>

class AudioSource;

// Encodes what a source plays up to its end as an Ogg Vorbis stream, when the game is built (the
// game itself only decodes). The stream's last page holds the exact number of frames, so a
// decoder gives back as many as were played, not a frame more.
class VorbisEncoder {
public:
    // Vorbis quality from -0.1 to 1: 0.4 is about 128 kbit/s for 44.1 kHz stereo, where Vorbis is
    // transparent: a listener cannot tell it from the synthesiser's own output.
    static constexpr float kQuality = 0.4f;

    struct Stream {
        std::string bytes;
        std::uint64_t frames = 0;
    };

    // The stream of everything `played` renders, or none when the encoder refuses its settings.
    static std::optional<Stream> encode(AudioSource& played, float quality = kQuality);
};
