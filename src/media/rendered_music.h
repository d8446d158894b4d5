#pragma once

#include "media/audio_source.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class SynthMusic;

// The game's own tune as the synthesiser played it when the game was built ("music.pcm" beside
// the program): a header saying what it was rendered from, then the frames, 16-bit little-endian
// stereo at 44.1 kHz. Played from there, the tune needs no synthesiser: the file is read a
// device buffer at a time, never held whole.
class RenderedMusic final : public AudioSource {
public:
    static constexpr const char* kFileName = "music.pcm";

    // Writes the MIDI file `piece` as `synth` (made for it) plays it once, from its start to its
    // end, to `path`; false, with the reason, when it cannot be written.
    static bool write(const QString& path, const std::string& piece, SynthMusic& synth, QString* error);
    // The file at `path` when it was rendered from exactly the bytes `piece`; none when it is
    // missing, no regular file, cut short, or rendered from something else.
    static std::unique_ptr<RenderedMusic> open(const QString& path, std::string_view piece);
    ~RenderedMusic() override;
    RenderedMusic(const RenderedMusic&) = delete;
    RenderedMusic& operator=(const RenderedMusic&) = delete;

    // Plays the tune once from its start.
    void start() { m_position = 0; }
    int render(std::int16_t* into, int frames) override;

private:
    RenderedMusic(int fd, std::uint64_t frames) : m_fd(fd), m_frames(frames) {}

    int m_fd;
    std::uint64_t m_frames;
    std::uint64_t m_position = 0;
};
