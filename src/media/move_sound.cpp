#include "media/move_sound.h"

#include "media/audio_output.h"
#include "media/sdl_audio.h"
#include "kit/file_store.h"


#include <QApplication>

#include <utility>

namespace {

const SdlAudio::Functions& sdl() { return SdlAudio::api(); }

constexpr Uint32 kPollMs = 3;
// A device that stops consuming must not hang the game: give up well after the clip's length.
constexpr Uint32 kGraceMs = 2000;

Uint32 lengthMs(const Mix_Chunk* chunk, int frequency, Uint16 format, int channels)
{
    const Uint64 bytesPerSecond = Uint64(frequency) * Uint64(channels) * (SDL_AUDIO_BITSIZE(format) / 8);
    if (bytesPerSecond == 0)
        return 0;
    return Uint32(Uint64(chunk->alen) * 1000 / bytesPerSecond);
}

} // namespace

MoveSound::MoveSound(QString path, std::function<void()> fallback)
    : m_path(std::move(path))
    , m_fallback(std::move(fallback))
{
    if (!m_fallback)
        m_fallback = [] { QApplication::beep(); };
}

MoveSound::~MoveSound()
{
    if (m_chunk)
        sdl().Mix_FreeChunk(m_chunk);
}

void MoveSound::playsound()
{
    if (!AudioOutput::ensureOpen()) {
        m_fallback();
        return;
    }

    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    sdl().Mix_QuerySpec(&frequency, &format, &channels);
    if (frequency != m_loadedFrequency || format != m_loadedFormat || channels != m_loadedChannels) {
        // The chunk was converted for the device it was loaded on; a device reopened with other
        // settings would play it at the wrong speed.
        if (m_chunk)
            sdl().Mix_FreeChunk(m_chunk);
        // Read as every other file of the game: a regular file only, and not more than the cap.
        const auto bytes = FileStore::read(m_path);
        m_chunk = bytes ? sdl().Mix_LoadWAV_RW(sdl().SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size())), 1) : nullptr;
        m_loadedFrequency = frequency;
        m_loadedFormat = format;
        m_loadedChannels = channels;
    }
    if (!m_chunk) {
        m_fallback();
        return;
    }

    const int channel = sdl().Mix_PlayChannel(-1, m_chunk, 0);
    if (channel < 0) {
        m_fallback();
        return;
    }
    const Uint32 limit = lengthMs(m_chunk, frequency, format, channels) + kGraceMs;
    const Uint32 start = sdl().SDL_GetTicks();
    while (sdl().Mix_Playing(channel)) {
        if (sdl().SDL_GetTicks() - start > limit) {
            sdl().Mix_HaltChannel(channel);
            break;
        }
        sdl().SDL_Delay(kPollMs);
    }
}
