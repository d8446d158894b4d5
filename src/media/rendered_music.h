#pragma once

#include "media/audio_source.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

class VorbisDecoder;

// The game's own tune as the synthesiser played it when the game was built ("music.tune" beside
// the program): a header saying what it was rendered from, then the frames, 16-bit stereo at
// 44.1 kHz, as an Ogg Vorbis stream. Played from there, the tune needs no synthesiser: the file
// is read and decoded a device buffer at a time, never held whole.
class RenderedMusic final : public AudioSource {
public:
    static constexpr const char* kFileName = "music.tune";

    // Writes the Ogg Vorbis stream `vorbis` of `frames` frames (VorbisEncoder's) to `path`, as
    // rendered from the MIDI file `piece`; false, with the reason, when it cannot be written.
    static bool write(const QString& path, std::string_view piece, std::string_view vorbis, std::uint64_t frames,
                      QString* error);
    // The file at `path` when it was rendered from exactly the bytes `piece`; none when it is
    // missing, no regular file, cut short, rendered from something else, or cannot be decoded
    // (libvorbisfile missing).
    static std::unique_ptr<RenderedMusic> open(const QString& path, std::string_view piece);
    ~RenderedMusic() override;
    RenderedMusic(const RenderedMusic&) = delete;
    RenderedMusic& operator=(const RenderedMusic&) = delete;

    QString path() const { return m_path; }
    // Plays the tune once from its start.
    void start() override;
    int render(std::int16_t* into, int frames) override;

private:
    RenderedMusic(QString path, int fd, std::uint64_t frames);

    QString m_path;
    int m_fd;
    std::unique_ptr<VorbisDecoder> m_decoder;
    std::uint64_t m_frames;
    std::uint64_t m_position = 0;
};
