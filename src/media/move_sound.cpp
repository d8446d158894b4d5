#include "media/move_sound.h"

#include "kit/file_store.h"
#include "media/audio_output.h"
#include "media/audio_source.h"
#include "media/sdl_audio.h"

#include <QApplication>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

// The wave's frames in the device's format, played from the start to the end.
class SoundClip final : public AudioSource {
public:
    explicit SoundClip(std::vector<std::int16_t> samples) : m_samples(std::move(samples)) {}

    void start() { m_position = 0; }
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

const SdlAudio::Functions& sdl() { return SdlAudio::api(); }

constexpr Uint32 kPollMs = 3;
// A device that stops consuming must not hang the game: give up well after the clip's length.
constexpr Uint32 kGraceMs = 2000;

// The wave file's bytes converted to the device's frames; none when SDL cannot read them.
std::unique_ptr<SoundClip> loadClip(const std::string& bytes)
{
    SDL_AudioSpec format{};
    Uint8* wave = nullptr;
    Uint32 length = 0;
    if (!sdl().SDL_LoadWAV_RW(sdl().SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1, &format, &wave, &length))
        return nullptr;
    SDL_AudioCVT cvt{};
    const int needed = sdl().SDL_BuildAudioCVT(&cvt, format.format, format.channels, format.freq, AUDIO_S16SYS,
                                               AudioSource::kChannels, AudioSource::kRate);
    std::vector<Uint8> converted;
    if (needed >= 0) {
        converted.resize(std::size_t(length) * std::size_t(std::max(cvt.len_mult, 1)));
        std::memcpy(converted.data(), wave, length);
        cvt.buf = converted.data();
        cvt.len = int(length);
        if (needed == 0)
            cvt.len_cvt = int(length);
        else if (sdl().SDL_ConvertAudio(&cvt) != 0)
            converted.clear();
        converted.resize(converted.empty() ? 0 : std::size_t(cvt.len_cvt));
    }
    sdl().SDL_FreeWAV(wave);
    if (converted.empty())
        return nullptr;
    std::vector<std::int16_t> samples(converted.size() / sizeof(std::int16_t));
    std::memcpy(samples.data(), converted.data(), samples.size() * sizeof(std::int16_t));
    return std::make_unique<SoundClip>(std::move(samples));
}

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
        if (bytes)
            m_clip = loadClip(*bytes);
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
    const Uint32 limit = Uint32(m_clip->frames() * 1000 / AudioSource::kRate) + kGraceMs;
    const Uint32 start = sdl().SDL_GetTicks();
    while (AudioOutput::isPlaying(m_clip.get())) {
        if (sdl().SDL_GetTicks() - start > limit) {
            AudioOutput::stop(m_clip.get());
            break;
        }
        sdl().SDL_Delay(kPollMs);
    }
}
