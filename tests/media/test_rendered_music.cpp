#include "kit/program_folder.h"
#include "media/audio_output.h"
#include "media/audio_source.h"
#include "media/music_player.h"
#include "media/rendered_music.h"
#include "media/vorbis_encoder.h"
#include <QtTest> // with QtCore

#include <cmath>
#include <numbers>
#include <sys/stat.h>
#include <vector>

// Only a safety net: far more than three loops of the fifth of a second take, on a loaded machine.
constexpr int kEndTimeoutMs = 60000;

// MThd header: format 0, one track, 96 ticks a quarter note.
const QByteArray kHeader = QByteArray::fromHex("4d546864 00000006 0000 0001 0060");
// A closed hi-hat on the drum channel, over at once.
const QByteArray kPiece = kHeader + QByteArray::fromHex("4d54726b 0000000c 00992a64 01892a40 00ff2f00");

// Frames as a rendered tune holds them: a ramp, so nothing is silence by chance.
class Ramp final : public AudioSource {
public:
    explicit Ramp(int frames) : m_left(frames) {}
    int render(std::int16_t* into, int frames) override
    {
        const int count = std::min(frames, m_left);
        for (int i = 0; i < count * kChannels; ++i)
            into[i] = std::int16_t(m_sample++);
        m_left -= count;
        return count;
    }

private:
    int m_left;
    int m_sample = 0;
};

// A 441 Hz tone at a third of full scale on both channels: a frame early or late at either end
// changes the samples there by several hundred.
class Tone final : public AudioSource {
public:
    explicit Tone(int frames) : m_frames(frames) {}
    static std::int16_t sample(int frame)
    {
        return std::int16_t(std::lround(10000 * std::sin(2 * std::numbers::pi * 441 * frame / kRate)));
    }
    int render(std::int16_t* into, int frames) override
    {
        const int count = std::min(frames, m_frames - m_at);
        for (int i = 0; i < count; ++i)
            into[2 * i] = into[2 * i + 1] = sample(m_at + i);
        m_at += count;
        return count;
    }

private:
    int m_frames;
    int m_at = 0;
};

// The rendered file of what `played` plays, as the build writes it.
static bool writeTune(const QString& path, const QByteArray& piece, AudioSource& played)
{
    const auto tune = VorbisEncoder::encode(played);
    return tune && RenderedMusic::write(path, piece.toStdString(), tune->bytes, tune->frames, nullptr);
}

static bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

static bool synthesiserLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libfluidsynth");
}

static const QString kTuneFile = QString::fromLatin1(RenderedMusic::kFileName);

// Whether the last open played from a rendered file, as the program reports it.
static QStringList s_reports;
static void keepReports(QtMsgType, const QMessageLogContext& context, const QString& message)
{
    if (QByteArrayView(context.category) == "dorv.files")
        s_reports << message;
}

// The game's own tune plays from the file rendered when the game was built, without loading the
// synthesiser; a piece the file was not rendered from goes to the synthesiser. The functions that
// look at the synthesiser's absence run first: once loaded it stays.
class TestRenderedMusic : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("dorv.files.debug=true"));
        qInstallMessageHandler(keepReports);
    }
    void cleanupTestCase() { AudioOutput::shutdown(); }
    void init() { s_reports.clear(); }

    // The build's Music.dat and the tune rendered from it beside the program.
    void gameTunePlaysWithoutTheSynthesiser()
    {
        MusicPlayer player;
        player.setFileName(ProgramFolder::media(QStringLiteral("Music.dat")));
        QVERIFY(player.open());
        player.play();
        QVERIFY(player.isPlaying());
        QVERIFY(s_reports.contains(kTuneFile + QStringLiteral(": ") + ProgramFolder::file(kTuneFile)));
        QVERIFY(!synthesiserLoaded());
    }

    // A rendered tune of a fifth of a second: each end raises done() once, the game's restart from
    // done() plays it again, and it ends again.
    void renderedTuneLoopsAndEndsOncePerLoop()
    {
        QTemporaryDir dir;
        const QString piece = dir.filePath(QStringLiteral("Music.dat"));
        QVERIFY(writeFile(piece, kPiece));
        Ramp ramp(AudioSource::kRate / 5);
        QVERIFY(writeTune(dir.filePath(kTuneFile), kPiece, ramp));
        MusicPlayer player;
        player.setFileName(piece);
        int ends = 0;
        connect(&player, &MusicPlayer::done, this, [&] {
            if (++ends < 3) {
                player.stop();
                QVERIFY(player.open());
                player.play();
            }
        });
        QVERIFY(player.open());
        player.play();
        QTRY_COMPARE_WITH_TIMEOUT(ends, 3, kEndTimeoutMs);
        QVERIFY(!player.isPlaying());
        // The device tells an end before it lets go of the piece: anything more is already waiting.
        QCoreApplication::processEvents();
        QCOMPARE(ends, 3);
        QVERIFY(s_reports.contains(kTuneFile + QStringLiteral(": ") + dir.filePath(kTuneFile)));
        QVERIFY(!synthesiserLoaded());
    }

    // The tune decodes to exactly the frames rendered, whatever blocks the encoder cut them into:
    // none added at the end, none lost or moved at the start, so the loop starts and ends on its
    // frame; and each start plays the same frames again.
    void renderedTuneDecodesToItsFrames()
    {
        constexpr int kFrames = AudioSource::kRate / 2 + 77;
        constexpr int kEnds = 1024;
        QTemporaryDir dir;
        Tone tone(kFrames);
        QVERIFY(writeTune(dir.filePath(kTuneFile), kPiece, tone));
        const auto music = RenderedMusic::open(dir.filePath(kTuneFile), kPiece.toStdString());
        QVERIFY(music);
        const auto decode = [&](int frames) {
            std::vector<std::int16_t> out(std::size_t(frames + kEnds) * AudioSource::kChannels);
            int done = 0;
            for (int got = kEnds; got == kEnds && done < frames + kEnds; done += got)
                got = music->render(out.data() + std::size_t(done) * AudioSource::kChannels, kEnds);
            out.resize(std::size_t(done) * AudioSource::kChannels);
            return out;
        };
        music->start();
        const std::vector<std::int16_t> played = decode(kFrames);
        QCOMPARE(played.size(), std::size_t(kFrames) * AudioSource::kChannels);
        // Lossy, so near the tone rather than equal to it: far nearer than a frame's shift.
        const auto error = [&](int first) {
            double sum = 0;
            for (int frame = first; frame < first + kEnds; ++frame)
                for (int channel = 0; channel < AudioSource::kChannels; ++channel) {
                    const double off = played[std::size_t(frame * AudioSource::kChannels + channel)] - Tone::sample(frame);
                    sum += off * off;
                }
            return std::sqrt(sum / (kEnds * AudioSource::kChannels));
        };
        QCOMPARE_LT(error(0), 150.0);
        QCOMPARE_LT(error(kFrames - kEnds), 150.0);
        music->start();
        const std::vector<std::int16_t> again = decode(kFrames);
        QVERIFY(again == played);
    }

    // Music.dat replaced while the game runs: at the next start (the loop's) the new piece is played,
    // from the rendering made of it, and never the rendering beside the file, made of the piece
    // that was there before.
    void replacedPieceIsPlayedAsTheNewPiece()
    {
        QTemporaryDir dir;
        const QString piece = dir.filePath(QStringLiteral("Music.dat"));
        QVERIFY(writeFile(piece, kPiece));
        Ramp second(AudioSource::kRate);
        QVERIFY(writeTune(dir.filePath(kTuneFile), kPiece, second));
        MusicPlayer player;
        player.setFileName(piece);
        QVERIFY(player.open());
        player.play();
        QVERIFY(s_reports.contains(kTuneFile + QStringLiteral(": ") + dir.filePath(kTuneFile)));

        // The game's own tune in its place: rendered when the game was built, beside the program.
        s_reports.clear();
        QFile gameTune(ProgramFolder::media(QStringLiteral("Music.dat")));
        QVERIFY(gameTune.open(QIODevice::ReadOnly));
        QVERIFY(writeFile(piece, gameTune.readAll()));
        player.stop();
        QVERIFY(player.open());
        player.play();
        QVERIFY(player.isPlaying());
        QCOMPARE(s_reports.filter(kTuneFile), QStringList{kTuneFile + QStringLiteral(": ") + ProgramFolder::file(kTuneFile)});
    }

    // A rendered file that does not fit the piece is passed over, never played and never waited
    // on: the synthesiser plays the piece instead of the minute of the rendered file. (Its end
    // notice on the synthesiser is the music player's own test.)
    void pieceTheFileDoesNotFitGoesToTheSynthesiser_data()
    {
        QTest::addColumn<QByteArray>("played");
        QTest::addColumn<QString>("fault");
        QByteArray louder = kPiece;
        louder[louder.indexOf(QByteArray::fromHex("992a64")) + 2] = 0x65;
        const QByteArray another = kHeader + QByteArray::fromHex("4d54726b 0000000c 00992c64 01892c40 00ff2f00");
        QTest::newRow("one byte different") << louder << QString();
        QTest::newRow("another tune") << another << QString();
        QTest::newRow("missing") << kPiece << QStringLiteral("missing");
        QTest::newRow("cut short") << kPiece << QStringLiteral("cut short");
        QTest::newRow("FIFO") << kPiece << QStringLiteral("FIFO");
        QTest::newRow("other rate") << kPiece << QStringLiteral("other rate");
        QTest::newRow("no Vorbis stream") << kPiece << QStringLiteral("no Vorbis stream");
        QTest::newRow("soundfont named") << kPiece << QStringLiteral("soundfont named");
    }

    void pieceTheFileDoesNotFitGoesToTheSynthesiser()
    {
        QFETCH(QByteArray, played);
        QFETCH(QString, fault);
        QTemporaryDir dir;
        const QString piece = dir.filePath(QStringLiteral("Music.dat"));
        const QString rendered = dir.filePath(kTuneFile);
        QVERIFY(writeFile(piece, played));
        Ramp minute(AudioSource::kRate * 60);
        QVERIFY(writeTune(rendered, kPiece, minute));
        if (fault == QStringLiteral("missing") || fault == QStringLiteral("FIFO"))
            QVERIFY(QFile::remove(rendered));
        if (fault == QStringLiteral("FIFO"))
            QCOMPARE(::mkfifo(QFile::encodeName(rendered).constData(), 0600), 0);
        if (fault == QStringLiteral("cut short"))
            QVERIFY(QFile::resize(rendered, QFileInfo(rendered).size() - 2));
        if (fault == QStringLiteral("other rate")) {
            QFile file(rendered);
            // The rate is the little-endian word after the magic and the version.
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(12) && file.write(QByteArray::fromHex("80bb0000")) == 4);
        }
        if (fault == QStringLiteral("no Vorbis stream")) {
            QFile file(rendered);
            // The stream's first page starts right after the header of 80 bytes.
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(80) && file.write("OggX", 4) == 4);
        }
        const QByteArray soundFonts = qgetenv("DORV_SOUNDFONTS");
        if (fault == QStringLiteral("soundfont named"))
            qputenv("DORV_SOUNDFONTS", QFile::encodeName(ProgramFolder::file(QStringLiteral("music.sf2"))));
        MusicPlayer player;
        player.setFileName(piece);
        const bool opened = player.open();
        qputenv("DORV_SOUNDFONTS", soundFonts);
        QVERIFY(opened);
        player.play();
        QVERIFY(player.isPlaying());
        QVERIFY(s_reports.filter(kTuneFile).isEmpty());
        QVERIFY(synthesiserLoaded());
    }
};

QTEST_GUILESS_MAIN(TestRenderedMusic)
#include "test_rendered_music.moc"
