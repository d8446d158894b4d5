#include "media/move_sound.h"

#include "kit/file_store.h"
#include "media/audio_output.h"
#include "media/audio_source.h"
#include "media/wave_file.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <utility>
#include <vector>

// The wave's frames in the device's format, played from the start to the end.
class SoundClip final : public AudioSource {
public:
    explicit SoundClip(std::vector<std::int16_t> samples) : m_samples(std::move(samples)) {}

    void start() override { m_position = 0; }
    std::size_t frames() const { return m_samples.size() / kChannels; }
    int render(std::int16_t* into, int frames) override
    {
        const int count = int(std::min<std::size_t>(std::size_t(frames), this->frames() - m_position));
        std::memcpy(into, m_samples.data() + m_position * kChannels, sizeof(std::int16_t) * count * kChannels);
        m_position += std::size_t(count);
        return count;
    }

private:
    std::vector<std::int16_t> m_samples;
    std::size_t m_position = 0;
};

namespace {

// A device that stops consuming must not hang the game: give up well after the clip's length.
constexpr auto kGrace = std::chrono::seconds(2);

} // namespace

MoveSound::MoveSound(QString path, std::function<void()> fallback)
    : m_path(std::move(path))
    , m_fallback(std::move(fallback))
{
    if (!m_fallback)
        m_fallback = [] { QApplication::beep(); };
}

MoveSound::~MoveSound() { AudioOutput::stop(m_clip.get()); }

void MoveSound::playsound()
{
    if (!AudioOutput::ensureOpen()) {
        m_fallback();
        return;
    }
    if (!m_loaded) {
        // Read as every other file of the game: a regular file only, and not more than the cap.
        const auto bytes = FileStore::read(m_path);
        if (auto frames = bytes ? WaveFile::outputFrames(*bytes) : std::nullopt)
            m_clip = std::make_unique<SoundClip>(std::move(*frames));
        m_loaded = true;
    }
    if (!m_clip) {
        m_fallback();
        return;
    }

    AudioOutput::stop(m_clip.get());
    m_clip->start();
    if (!AudioOutput::play(AudioOutput::Slot::Sound, m_clip.get())) {
        m_fallback();
        return;
    }
    // The audio thread wakes the wait when the clip comes to its end.
    const auto limit = std::chrono::steady_clock::now()
        + std::chrono::milliseconds(m_clip->frames() * 1000 / AudioSource::kRate) + kGrace;
    if (!AudioOutput::waitWhilePlaying(m_clip.get(), limit))
        AudioOutput::stop(m_clip.get());
}
