#include "media/music_player.h"

#include "kit/file_store.h"
#include "kit/program_folder.h"
#include "media/audio_environment.h"
#include "media/audio_output.h"
#include "media/audio_source.h"
#include "media/fluid_synth.h"
#include "media/midi_check.h"
#include "media/rendered_music.h"

#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>

#include <atomic>
#include <sys/eventfd.h>
#include <unistd.h>

// The open piece as the device plays it. Its end is told on the audio thread by a write to an
// eventfd, which the UI thread watches: no allocation and no lock there.
class MusicPlayer::Feed final : public AudioSource {
public:
    explicit Feed(int endNotice) : m_endNotice(endNotice) {}

    AudioSource* piece = nullptr;
    // The generation under which the piece was started, and the one that last came to its end.
    std::atomic<unsigned> startedGeneration{0};
    std::atomic<unsigned> endedGeneration{0};

    int render(std::int16_t* into, int frames) override { return piece->render(into, frames); }
    void ended() override
    {
        endedGeneration = startedGeneration.load();
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_endNotice, &one, sizeof one);
    }

private:
    int m_endNotice;
};

MusicPlayer::MusicPlayer(QObject* parent)
    : QObject(parent)
    , m_endNotice(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    m_feed = std::make_unique<Feed>(m_endNotice);
    if (m_endNotice >= 0) {
        m_endNotifier = new QSocketNotifier(qintptr(m_endNotice), QSocketNotifier::Read, this);
        connect(m_endNotifier, &QSocketNotifier::activated, this, &MusicPlayer::deliverDone);
    }
}

MusicPlayer::~MusicPlayer()
{
    AudioOutput::stop(m_feed.get());
    delete m_endNotifier;
    if (m_endNotice >= 0)
        ::close(m_endNotice);
}

void MusicPlayer::stop()
{
    ++m_generation;
    m_playing = false;
    AudioOutput::stop(m_feed.get());
}

void MusicPlayer::close()
{
    stop();
    m_feed->piece = nullptr;
    m_rendered.reset();
    m_synth.reset();
    m_bytes.clear();
}

bool MusicPlayer::open()
{
    // The file is read once, at most the cap of every file of the game, and played from memory: a
    // huge or special file never reaches the synthesiser.
    auto bytes = FileStore::read(m_fileName);
    if (m_feed->piece && bytes && *bytes == m_bytes) {
        // The same piece again, as at every loop: the synthesiser made for it, with its
        // soundfont, plays it again from its start.
        stop();
        return true;
    }
    close();
    if (!bytes || !MidiCheck::holdsNotes(*bytes))
        return false;
    // A piece of millions of events would take hundreds of megabytes in the synthesiser and hold
    // the audio thread for seconds at a tick: it is refused, once for each time it is chosen.
    if (!MidiCheck::withinBounds(*bytes)) {
        qWarning("Audio: %s holds more than %zu events, or more than %zu at one tick; the music is not played",
                 qPrintable(QDir::toNativeSeparators(m_fileName)), MidiCheck::kMaxEvents, MidiCheck::kMaxEventsAtOneTick);
        return false;
    }
    if (!AudioOutput::ensureOpen())
        return false;
    m_bytes = std::move(*bytes);
    // The tune rendered when the game was built lies beside it; soundfonts the player names in
    // the environment are only heard on the synthesiser.
    if (AudioEnvironment::soundFonts().isEmpty()) {
        const QString beside = QFileInfo(m_fileName).dir().filePath(QString::fromLatin1(RenderedMusic::kFileName));
        m_rendered = RenderedMusic::open(beside, m_bytes);
        if (!m_rendered)
            if (const QString installed = AudioOutput::besideProgram(QString::fromLatin1(RenderedMusic::kFileName));
                !installed.isEmpty() && installed != beside)
                m_rendered = RenderedMusic::open(installed, m_bytes);
        if (m_rendered)
            qCDebug(lcProgramFiles, "%s: %s", RenderedMusic::kFileName, qPrintable(m_rendered->path()));
    }
    if (!m_rendered)
        m_synth = SynthMusic::make(m_bytes, AudioOutput::soundFonts(m_bytes));
    m_feed->piece = m_rendered ? static_cast<AudioSource*>(m_rendered.get()) : m_synth.get();
    if (!m_feed->piece)
        m_bytes.clear();
    return m_feed->piece != nullptr;
}

void MusicPlayer::play()
{
    if (!m_feed->piece)
        return;
    // Anything still playing ends here, under a new generation, so a notice of its end is dropped.
    stop();
    const unsigned generation = m_generation;
    if (m_rendered)
        m_rendered->start();
    else
        m_synth->start();
    m_feed->startedGeneration = generation;
    m_playing = AudioOutput::play(AudioOutput::Slot::Music, m_feed.get());
}

bool MusicPlayer::isPlaying() const
{
    return m_feed->piece && m_playing && AudioOutput::isPlaying(m_feed.get());
}

void MusicPlayer::deliverDone()
{
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t read = ::read(m_endNotice, &count, sizeof count);
    if (m_feed->endedGeneration != m_generation || !m_playing)
        return;
    m_playing = false;
    emit done();
}
