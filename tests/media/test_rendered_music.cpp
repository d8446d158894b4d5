#include "kit/program_folder.h"
#include "media/audio_output.h"
#include "media/audio_source.h"
#include "media/music_player.h"
#include "media/rendered_music.h"
#include <QtTest> // with QtCore

#include <sys/stat.h>

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

    // The build's Music.dat and the music.pcm rendered from it beside the program.
    void gameTunePlaysWithoutTheSynthesiser()
    {
        MusicPlayer player;
        player.setFileName(ProgramFolder::media(QStringLiteral("Music.dat")));
        QVERIFY(player.open());
        player.play();
        QVERIFY(player.isPlaying());
        QVERIFY(s_reports.contains(QStringLiteral("music.pcm: ") + ProgramFolder::file(QStringLiteral("music.pcm"))));
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
        QVERIFY(RenderedMusic::write(dir.filePath(QStringLiteral("music.pcm")), kPiece.toStdString(), ramp, nullptr));
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
        QVERIFY(s_reports.contains(QStringLiteral("music.pcm: ") + dir.filePath(QStringLiteral("music.pcm"))));
        QVERIFY(!synthesiserLoaded());
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
        QTest::newRow("soundfont named") << kPiece << QStringLiteral("soundfont named");
    }

    void pieceTheFileDoesNotFitGoesToTheSynthesiser()
    {
        QFETCH(QByteArray, played);
        QFETCH(QString, fault);
        QTemporaryDir dir;
        const QString piece = dir.filePath(QStringLiteral("Music.dat"));
        const QString rendered = dir.filePath(QStringLiteral("music.pcm"));
        QVERIFY(writeFile(piece, played));
        Ramp minute(AudioSource::kRate * 60);
        QVERIFY(RenderedMusic::write(rendered, kPiece.toStdString(), minute, nullptr));
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
        const QByteArray soundFonts = qgetenv("SDL_SOUNDFONTS");
        if (fault == QStringLiteral("soundfont named"))
            qputenv("SDL_SOUNDFONTS", QFile::encodeName(ProgramFolder::file(QStringLiteral("music.sf2"))));
        MusicPlayer player;
        player.setFileName(piece);
        const bool opened = player.open();
        qputenv("SDL_SOUNDFONTS", soundFonts);
        QVERIFY(opened);
        player.play();
        QVERIFY(player.isPlaying());
        QVERIFY(s_reports.filter(QStringLiteral("music.pcm")).isEmpty());
        QVERIFY(synthesiserLoaded());
    }
};

QTEST_GUILESS_MAIN(TestRenderedMusic)
#include "test_rendered_music.moc"
