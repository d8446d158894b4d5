#include "media/audio_output.h"
#include "media/audio_source.h"
#include "media/move_sound.h"
#include "media/wave_file.h"
#include "support/freeze_watch.h"
#include <QtTest> // with QtCore
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Only safety nets: a source of two seconds ends far sooner, and a call that answers returns in
// moments; one that never returns is a frozen game.
constexpr int kEndTimeoutMs = 60000;
constexpr int kFrozenMs = 90000;

constexpr int kClipMs = 200;
// RIFF/WAVE, PCM mono 22050 Hz 16-bit, 8820 bytes (kClipMs) of silence.
const QByteArray kWave = QByteArray::fromHex("52494646 98220000 57415645 666d7420 10000000 0100 0100 22560000"
                                             "44ac0000 0200 1000 64617461 74220000") + QByteArray(8820, '\0');

// A wave file of `code` (1 integer, 3 floating point, 0xfffe either in the extensible header), with
// the samples' bytes as its data chunk; `claimed` is the data chunk's size when not its length.
QByteArray wave(int code, int channels, int rate, int bits, const QByteArray& samples, int claimed = -1)
{
    const auto le = [](quint32 value, int count) {
        QByteArray bytes;
        for (int i = 0; i < count; ++i)
            bytes += char(value >> (8 * i) & 0xff);
        return bytes;
    };
    const int frameBytes = channels * bits / 8;
    QByteArray format = le(quint32(code), 2) + le(quint32(channels), 2) + le(quint32(rate), 4)
        + le(quint32(rate * frameBytes), 4) + le(quint32(frameBytes), 2) + le(quint32(bits), 2);
    if (code == 0xfffe)
        format += le(22, 2) + le(quint32(bits), 2) + le(3, 4) + le(3, 2) + QByteArray(14, '\x01');
    const QByteArray chunks = "fmt " + le(quint32(format.size()), 4) + format + "LIST" + le(3, 4) + QByteArray("abc", 4) + "data"
        + le(quint32(claimed < 0 ? samples.size() : claimed), 4) + samples;
    return "RIFF" + le(quint32(chunks.size() + 4), 4) + "WAVE" + chunks;
}

// Frames of silence that end after a given count.
class Quiet final : public AudioSource {
public:
    explicit Quiet(int frames) : m_left(frames) {}
    int render(std::int16_t* into, int frames) override
    {
        const int count = std::min(frames, m_left);
        std::fill(into, into + count * kChannels, std::int16_t(0));
        m_left -= count;
        return count;
    }

private:
    int m_left;
};

// Frames counting up from 1, the same on both channels: a frame repeated, skipped or moved shows.
class Count final : public AudioSource {
public:
    explicit Count(int frames) : m_frames(frames) {}
    static std::int16_t sample(int frame) { return std::int16_t(1 + frame); }
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

// The move sound on the silent output, which takes the frames in real time, and the wave files it
// reads.

class TestMoveSound : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { AudioOutput::shutdown(); }

    void playsound_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("fallbacksPerPlay");
        QTest::newRow("wave") << kWave << 0;
        QTest::newRow("missing") << QByteArray() << 1;
        QTest::newRow("junk") << QByteArray("this is no sound at all\n").repeated(100) << 1;
    }

    // A wave plays to its end before playsound() returns; anything else gives exactly one fallback
    // per play. Play 1 opens a sound device that does not exist, which must give way to the silent
    // output; play 2 uses the kept clip; play 3 uses it on an output closed and opened again on
    // ALSA's null device.
    void playsound()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, fallbacksPerPlay);
        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QFile file(path);
        QVERIFY(contents.isEmpty()
                || (file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() && file.flush()));
        int fallbacks = 0;
        MoveSound sound(path, [&fallbacks] { ++fallbacks; });
        const QByteArray driver = qgetenv("DORV_AUDIO");
        qputenv("DORV_AUDIO", "device");
        qputenv("AUDIODEV", "no-such-device");
        // The device is looked for on a thread of its own, which a wave waits for before it plays;
        // a file that is no wave plays nothing and the warning may come after the test.
        if (fallbacksPerPlay == 0)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no sound device")));
        for (int play = 1; play <= 3; ++play) {
            if (play == 3) {
                // Through ALSA's writing to its null device, which takes whatever it is given.
                AudioOutput::shutdown();
                qputenv("DORV_AUDIO", "device");
                qputenv("AUDIODEV", "null");
            }
            QElapsedTimer timer;
            timer.start();
            sound.playsound();
            const qint64 elapsed = timer.elapsed();
            qputenv("DORV_AUDIO", driver);
            qunsetenv("AUDIODEV");
            QCOMPARE(fallbacks, play * fallbacksPerPlay);
            // The output takes the frames no faster than they play, so a call that returns
            // at the clip's end has lasted nearly its length, however busy the machine is.
            if (fallbacksPerPlay == 0)
                QVERIFY2(elapsed >= kClipMs * 8 / 10, qPrintable(QString::number(elapsed)));
        }
    }

    // A device that takes the frames at a card's pace, a third of a period at a time (the tests'
    // own ALSA plugin), so that writes to it come back short or must wait: every frame of a sound
    // reaches it once and in order, none repeated, skipped or moved, with only silence around.
    void partialWritesReachTheDeviceInOrder()
    {
        constexpr int kFrames = 30000;
        const QString config = m_dir.filePath(QStringLiteral("asound.conf"));
        const QString received = m_dir.filePath(QStringLiteral("received.raw"));
        QFile file(config);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("pcm_type.dorvfake { lib \"" DORV_FAKE_SOUND_DEVICE "\" }\n");
        file.write("pcm.fake { type dorvfake file \"" + QFile::encodeName(received) + "\" }\n");
        file.close();
        const QByteArray driver = qgetenv("DORV_AUDIO");
        const QByteArray alsaConfig = qgetenv("ALSA_CONFIG_PATH");
        qputenv("DORV_AUDIO", "device");
        qputenv("AUDIODEV", "fake");
        qputenv("ALSA_CONFIG_PATH", QFile::encodeName(config));
        Count count(kFrames);
        QVERIFY(AudioOutput::ensureOpen());
        QVERIFY(AudioOutput::play(AudioOutput::Slot::Music, &count));
        QTRY_VERIFY_WITH_TIMEOUT(!AudioOutput::isPlaying(&count), kEndTimeoutMs);
        // The last frame is written a moment after it was mixed.
        const auto frames = [&] {
            QFile in(received);
            const QByteArray bytes = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
            return QList<std::int16_t>(reinterpret_cast<const std::int16_t*>(bytes.constData()),
                                       reinterpret_cast<const std::int16_t*>(bytes.constData()) + bytes.size() / 2);
        };
        QTRY_VERIFY_WITH_TIMEOUT(frames().contains(Count::sample(kFrames - 1)), kEndTimeoutMs);
        AudioOutput::shutdown();
        qputenv("DORV_AUDIO", driver);
        qunsetenv("AUDIODEV");
        if (alsaConfig.isNull())
            qunsetenv("ALSA_CONFIG_PATH");
        else
            qputenv("ALSA_CONFIG_PATH", alsaConfig);
        const QList<std::int16_t> samples = frames();
        const qsizetype first = samples.indexOf(Count::sample(0));
        QVERIFY(first >= 0 && first % 2 == 0);
        for (qsizetype i = 0; i < first; ++i)
            QCOMPARE(samples[i], std::int16_t(0));
        for (int frame = 0; frame < kFrames; ++frame) {
            const qsizetype at = first + 2 * qsizetype(frame);
            QVERIFY2(at + 1 < samples.size() && samples[at] == Count::sample(frame) && samples[at + 1] == Count::sample(frame),
                     qPrintable(QStringLiteral("frame %1").arg(frame)));
        }
        for (qsizetype i = first + 2 * qsizetype(kFrames); i < samples.size(); ++i)
            QCOMPARE(samples[i], std::int16_t(0));
    }

    // A sound device that blocks: ALSA's file device writing to a FIFO. With nobody reading it,
    // setting the device up waits for a reader for ever; with a reader that never reads, writing
    // waits for room once the pipe is full, while a sound plays. Either way the game goes on: the
    // calls return, the sounds play silently at their pace (a source of two seconds comes to its
    // end, the move sound too, with no fallback), and the output shuts down at once, leaving the
    // thread stuck in the device to itself.
    void stalledDeviceNeverHoldsTheGame_data()
    {
        QTest::addColumn<bool>("reader");
        QTest::newRow("nobody reads: the set-up blocks") << false;
        QTest::newRow("a reader that never reads: the writes block") << true;
    }
    void stalledDeviceNeverHoldsTheGame()
    {
        QFETCH(bool, reader);
        const QString fifo = m_dir.filePath(QStringLiteral("device-") + QString::number(reader));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        // Kept open to the end of the program: a stuck write would end the program with SIGPIPE
        // once its reader went.
        if (reader)
            QVERIFY(::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC) >= 0);
        const QString path = m_dir.filePath(QStringLiteral("stalled.wav"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kWave) == kWave.size() && file.flush());
        int fallbacks = 0;
        MoveSound sound(path, [&fallbacks] { ++fallbacks; });
        Quiet twoSeconds(2 * AudioSource::kRate);
        const QByteArray driver = qgetenv("DORV_AUDIO");
        qputenv("DORV_AUDIO", "device");
        qputenv("AUDIODEV", "file:FILE=" + QFile::encodeName(fifo) + ",FORMAT=raw");
        {
            const FreezeWatch watch(kFrozenMs, "the window's thread waited for the sound device");
            QVERIFY(AudioOutput::ensureOpen());
            QVERIFY(AudioOutput::play(AudioOutput::Slot::Music, &twoSeconds));
            QTRY_VERIFY_WITH_TIMEOUT(!AudioOutput::isPlaying(&twoSeconds), kEndTimeoutMs);
            for (int play = 0; play < 3; ++play)
                sound.playsound();
            AudioOutput::shutdown();
        }
        qputenv("DORV_AUDIO", driver);
        qunsetenv("AUDIODEV");
        QCOMPARE(fallbacks, 0);
    }

    // Opening the audio must leave SIGINT alone, or Ctrl+C would no longer end the game. Only a
    // signal without a handler could be taken over, so Qt Test's handler is set aside meanwhile.
    void openingAudioLeavesSignalsAlone()
    {
        struct sigaction byDefault {}, saved {}, after {};
        byDefault.sa_handler = SIG_DFL;
        sigaction(SIGINT, &byDefault, &saved);
        const bool opened = AudioOutput::ensureOpen();
        sigaction(SIGINT, &saved, &after);
        QVERIFY(opened);
        QVERIFY(after.sa_handler == SIG_DFL);
    }

    // Every kind of sample the reader takes comes out as stereo 16-bit frames at 44.1 kHz: one
    // channel on both sides, of more the first two, other rates by straight lines between frames;
    // a data chunk that claims more than the file holds plays what it holds.
    void waveKinds_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("frames"); // empty: not played
        const auto le16 = [](std::initializer_list<int> values) {
            QByteArray bytes;
            for (int value : values)
                bytes += char(value & 0xff) + QByteArray(1, char(value >> 8 & 0xff));
            return bytes;
        };
        QTest::newRow("16-bit mono") << wave(1, 1, 44100, 16, le16({0, 1000, -32768, 32767}))
                                     << QList<int>{0, 0, 1000, 1000, -32768, -32768, 32767, 32767};
        QTest::newRow("8-bit stereo at half the rate")
            << wave(1, 2, 22050, 8, QByteArray::fromHex("80ff0080")) << QList<int>{0, 32512, -16384, 16256, -32768, 0};
        QTest::newRow("24-bit mono") << wave(1, 1, 44100, 24, QByteArray::fromHex("000040 0000c0"))
                                     << QList<int>{16384, 16384, -16384, -16384};
        float samples[] = {0.25f, -2.0f, 0.5f, 0.0f};
        QTest::newRow("extensible float, three channels")
            << wave(0xfffe, 3, 44100, 32, QByteArray(reinterpret_cast<const char*>(samples), 12))
            << QList<int>{8192, -32768};
        QTest::newRow("data claims more than there is")
            << wave(1, 1, 44100, 16, le16({5, 6, 7}) + "x", 1000) << QList<int>{5, 5, 6, 6, 7, 7};
        QTest::newRow("compressed samples") << wave(2, 1, 44100, 4, QByteArray(16, '\x11')) << QList<int>{};
        QTest::newRow("no whole frame") << wave(1, 2, 44100, 16, "abc") << QList<int>{};
        QTest::newRow("no wave") << QByteArray("RIFF\4\0\0\0AVI ", 12) << QList<int>{};
    }
    void waveKinds()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, frames);
        const auto read = WaveFile::outputFrames(std::string_view(file.constData(), std::size_t(file.size())));
        QCOMPARE(read.has_value(), !frames.isEmpty());
        if (read)
            QCOMPARE(QList<int>(read->begin(), read->end()), frames);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestMoveSound)
#include "test_move_sound.moc"
