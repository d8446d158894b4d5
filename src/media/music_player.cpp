#include "media/music_player.h"

#include "media/audio_output.h"
#include "kit/file_store.h"

#include <SDL_mixer.h>

#include <QFile>

#include <mutex>

namespace {

// SDL_mixer's end-of-music hook carries no user data, so the player whose piece is playing is
// kept here. The hook runs on the audio thread; the mutex keeps the player alive while it posts.
std::mutex s_liveMutex;
MusicPlayer* s_live = nullptr;

quint32 bigEndian(const QByteArray& bytes, qsizetype at, int width)
{
    quint32 value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

// A MIDI variable-length number; false when it runs past the end.
bool readVariable(const QByteArray& bytes, qsizetype& at, qsizetype end, quint32& value)
{
    value = 0;
    for (int i = 0; i < 4 && at < end; ++i) {
        const quint8 byte = quint8(bytes[at++]);
        value = (value << 7) | (byte & 0x7f);
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

bool trackSoundsANote(const QByteArray& bytes, qsizetype at, qsizetype end)
{
    quint8 status = 0;
    quint32 length = 0;
    while (at < end) {
        if (!readVariable(bytes, at, end, length) || at >= end)
            return false;
        if (quint8(bytes[at]) & 0x80)
            status = quint8(bytes[at++]);
        else if (status == 0 || status >= 0xf0)
            return false;
        if (status == 0xff) {
            if (at >= end)
                return false;
            ++at;
            status = 0;
        } else if (status == 0xf0 || status == 0xf7) {
            status = 0;
        } else {
            const int dataBytes = (status & 0xe0) == 0xc0 ? 1 : 2;
            if (at + dataBytes > end)
                return false;
            if ((status & 0xf0) == 0x90 && quint8(bytes[at + 1]) != 0)
                return true;
            at += dataBytes;
            continue;
        }
        if (!readVariable(bytes, at, end, length))
            return false;
        at += length;
    }
    return false;
}

// SDL_mixer takes any file and "plays" what it cannot read, or what holds no note, by ending at
// once; the game's restart on the end would then spin. Only a Standard MIDI File with at least
// one sounding note passes.
bool holdsMidiNotes(const QString& path)
{
    const auto read = FileStore::read(path);
    if (!read)
        return false;
    const QByteArray bytes = QByteArray::fromStdString(*read);
    if (bytes.size() < 14 || !bytes.startsWith("MThd"))
        return false;
    const quint32 headerLength = bigEndian(bytes, 4, 4);
    if (headerLength < 6 || bigEndian(bytes, 10, 2) == 0 || bigEndian(bytes, 12, 2) == 0)
        return false;
    qsizetype at = 8 + qsizetype(headerLength);
    while (at + 8 <= bytes.size()) {
        const qsizetype end = qMin(bytes.size(), at + 8 + qsizetype(bigEndian(bytes, at + 4, 4)));
        if (bytes.mid(at, 4) == "MTrk" && trackSoundsANote(bytes, at + 8, end))
            return true;
        at = end;
    }
    return false;
}

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
        Mix_FreeMusic(m_music);
}

void MusicPlayer::stop()
{
    ++m_generation;
    m_playing = false;
    if (m_music)
        Mix_HaltMusic();
}

void MusicPlayer::close()
{
    stop();
    if (m_music) {
        Mix_FreeMusic(m_music);
        m_music = nullptr;
    }
}

bool MusicPlayer::open()
{
    close();
    if (!holdsMidiNotes(m_fileName) || !AudioOutput::ensureOpen())
        return false;
    m_music = Mix_LoadMUS(QFile::encodeName(m_fileName).constData());
    return m_music != nullptr;
}

void MusicPlayer::play()
{
    if (!m_music)
        return;
    const unsigned generation = ++m_generation;
    // Anything still playing ends here, under the new generation, so its notice is dropped.
    Mix_HaltMusic();
    m_playingGeneration = generation;
    {
        const std::lock_guard lock(s_liveMutex);
        s_live = this;
    }
    Mix_HookMusicFinished(&MusicPlayer::musicFinished);
    m_playing = Mix_PlayMusic(m_music, 0) == 0;
}

bool MusicPlayer::isPlaying() const
{
    return m_music && m_playing && Mix_PlayingMusic();
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
