#include "media/music_player.h"

#include "media/audio_output.h"
#include "media/sdl_audio.h"
#include "media/midi_check.h"
#include "kit/file_store.h"



#include <mutex>

namespace {

const SdlAudio::Functions& sdl() { return SdlAudio::api(); }

// SDL_mixer's end-of-music hook carries no user data, so the player whose piece is playing is
// kept here. The hook runs on the audio thread; the mutex keeps the player alive while it posts.
std::mutex s_liveMutex;
MusicPlayer* s_live = nullptr;

} // namespace

MusicPlayer::MusicPlayer(QObject* parent)
    : QObject(parent)
{
}

MusicPlayer::~MusicPlayer()
{
    {
        const std::lock_guard lock(s_liveMutex);
        if (s_live == this)
            s_live = nullptr;
    }
    if (m_music)
        sdl().Mix_FreeMusic(m_music);
}

void MusicPlayer::stop()
{
    ++m_generation;
    m_playing = false;
    if (m_music)
        sdl().Mix_HaltMusic();
}

void MusicPlayer::close()
{
    stop();
    if (m_music) {
        sdl().Mix_FreeMusic(m_music);
        m_music = nullptr;
    }
    m_bytes.clear();
}

bool MusicPlayer::open()
{
    // The file is read once, at most the cap of every file of the game, and played from memory: a
    // huge or special file never reaches the synthesiser.
    auto bytes = FileStore::read(m_fileName);
    if (m_music && bytes && *bytes == m_bytes && m_device == AudioOutput::device()) {
        // The same piece again, as at every loop: the synthesiser made for it, with its
        // soundfont, plays it again from its start.
        stop();
        return true;
    }
    close();
    if (!bytes || !MidiCheck::holdsNotes(*bytes) || !AudioOutput::ensureOpen())
        return false;
    m_bytes = std::move(*bytes);
    AudioOutput::chooseSoundFont(m_bytes);
    m_device = AudioOutput::device();
    m_music = sdl().Mix_LoadMUS_RW(sdl().SDL_RWFromConstMem(m_bytes.data(), static_cast<int>(m_bytes.size())), 1);
    return m_music != nullptr;
}

void MusicPlayer::play()
{
    if (!m_music)
        return;
    const unsigned generation = ++m_generation;
    // Anything still playing ends here, under the new generation, so its notice is dropped.
    sdl().Mix_HaltMusic();
    m_playingGeneration = generation;
    {
        const std::lock_guard lock(s_liveMutex);
        s_live = this;
    }
    sdl().Mix_HookMusicFinished(&MusicPlayer::musicFinished);
    m_playing = sdl().Mix_PlayMusic(m_music, 0) == 0;
}

bool MusicPlayer::isPlaying() const
{
    return m_music && m_playing && sdl().Mix_PlayingMusic();
}

void MusicPlayer::musicFinished()
{
    const std::lock_guard lock(s_liveMutex);
    if (s_live)
        s_live->finishedOnAudioThread();
}

void MusicPlayer::finishedOnAudioThread()
{
    QMetaObject::invokeMethod(this, "deliverDone", Qt::QueuedConnection,
                              Q_ARG(unsigned, m_playingGeneration.load()));
}

void MusicPlayer::deliverDone(unsigned generation)
{
    if (generation != m_generation || !m_playing)
        return;
    m_playing = false;
    emit done();
}
