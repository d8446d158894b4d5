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

// The open piece as the device plays it, and its owner. The piece is set, and the one it replaces
// destroyed, only once the feed is off the device, so the audio thread never sees it change or go.
// Its end is told on the audio thread by a write to an eventfd, which the UI thread watches: no
// allocation and no lock there.
class MusicPlayer::Feed final : public AudioSource {
public:
    explicit Feed(int endNotice) : m_endNotice(endNotice) {}

    // The generation under which the piece was started, and the one that last came to its end.
    std::atomic<unsigned> startedGeneration{0};
    std::atomic<unsigned> endedGeneration{0};

    bool holdsPiece() const { return m_piece != nullptr; }
    // On the UI thread: plays `piece` from now on, none when null.
    void setPiece(std::unique_ptr<AudioSource> piece)
    {
        AudioOutput::stop(this);
        m_piece = std::move(piece);
    }
    void start() override { m_piece->start(); }
    int render(std::int16_t* into, int frames) override { return m_piece->render(into, frames); }
    void ended() override
    {
        endedGeneration = startedGeneration.load();
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_endNotice, &one, sizeof one);
    }

private:
    int m_endNotice;
    std::unique_ptr<AudioSource> m_piece;
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
    m_feed->setPiece(nullptr);
    m_bytes.clear();
}

bool MusicPlayer::open()
{
    // The file is read once, at most the cap of every file of the game, and played from memory: a
    // huge or special file never reaches the synthesiser.
    auto bytes = FileStore::read(m_fileName);
    if (m_feed->holdsPiece() && bytes && *bytes == m_bytes) {
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
    std::unique_ptr<AudioSource> piece;
    if (AudioEnvironment::soundFonts().isEmpty()) {
        const QString beside = QFileInfo(m_fileName).dir().filePath(QString::fromLatin1(RenderedMusic::kFileName));
        auto rendered = RenderedMusic::open(beside, m_bytes);
        if (!rendered)
            if (const QString installed = AudioOutput::besideProgram(QString::fromLatin1(RenderedMusic::kFileName));
                !installed.isEmpty() && installed != beside)
                rendered = RenderedMusic::open(installed, m_bytes);
        if (rendered)
            qCDebug(lcProgramFiles, "%s: %s", RenderedMusic::kFileName, qPrintable(rendered->path()));
        piece = std::move(rendered);
    }
    if (!piece)
        piece = SynthMusic::make(m_bytes, AudioOutput::soundFonts(m_bytes));
    m_feed->setPiece(std::move(piece));
    if (!m_feed->holdsPiece())
        m_bytes.clear();
    return m_feed->holdsPiece();
}

void MusicPlayer::play()
{
    if (!m_feed->holdsPiece())
        return;
    // Anything still playing ends here, under a new generation, so a notice of its end is dropped.
    stop();
    const unsigned generation = m_generation;
    m_feed->start();
    m_feed->startedGeneration = generation;
    m_playing = AudioOutput::play(AudioOutput::Slot::Music, m_feed.get());
}

bool MusicPlayer::isPlaying() const
{
    return m_feed->holdsPiece() && m_playing && AudioOutput::isPlaying(m_feed.get());
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
