#pragma once

#include "media/audio_source.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

// The game's own tune as the synthesiser played it when the game was built ("music.pcm" beside
// the program): a header saying what it was rendered from, then the frames, 16-bit little-endian
// stereo at 44.1 kHz. Played from there, the tune needs no synthesiser: the file is read a
// device buffer at a time, never held whole.
class RenderedMusic final : public AudioSource {
public:
    static constexpr const char* kFileName = "music.pcm";

    // Writes what `played` renders up to its end to `path`, as rendered from the MIDI file
    // `piece`; false, with the reason, when it cannot be written.
    static bool write(const QString& path, std::string_view piece, AudioSource& played, QString* error);
    // The file at `path` when it was rendered from exactly the bytes `piece`; none when it is
    // missing, no regular file, cut short, or rendered from something else.
    static std::unique_ptr<RenderedMusic> open(const QString& path, std::string_view piece);
    ~RenderedMusic() override;
    RenderedMusic(const RenderedMusic&) = delete;
    RenderedMusic& operator=(const RenderedMusic&) = delete;

    QString path() const { return m_path; }
    // Plays the tune once from its start.
    void start() { m_position = 0; }
    int render(std::int16_t* into, int frames) override;

private:
    RenderedMusic(QString path, int fd, std::uint64_t frames) : m_path(std::move(path)), m_fd(fd), m_frames(frames) {}

    QString m_path;
    int m_fd;
    std::uint64_t m_frames;
    std::uint64_t m_position = 0;
};
