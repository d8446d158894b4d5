#include "media/audio_output.h"
#include "media/move_sound.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtMath>
#include <QtTest>

#include <csignal>

namespace {

constexpr int kSampleRate = 22050;
constexpr int kClipMs = 200;

// A mono 16-bit PCM wave file holding a tone of the given length.
bool writeWave(const QString& path, int milliseconds)
{
    const quint32 frames = quint32(kSampleRate * milliseconds / 1000);
    const quint32 dataBytes = frames * 2;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(kSampleRate) << quint32(kSampleRate * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    for (quint32 i = 0; i < frames; ++i)
        out << qint16(8000 * qSin(2 * M_PI * 440 * i / kSampleRate));
    return out.status() == QDataStream::Ok;
}

bool writeText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

// The move sound on SDL_mixer's dummy driver, which consumes audio in real time.
class TestMoveSound : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { AudioOutput::shutdown(); }

    void playsWaveAndWaitsForItsEnd()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sound.dat"));
        QVERIFY(writeWave(path, kClipMs));
        int fallbacks = 0;
        MoveSound sound(path, [&fallbacks] { ++fallbacks; });

        // Twice: the second play uses the chunk kept from the first and must wait just as long.
        for (int round = 0; round < 2; ++round) {
            QElapsedTimer timer;
            timer.start();
            sound.playsound();
            const qint64 elapsed = timer.elapsed();
            QVERIFY2(elapsed >= kClipMs * 8 / 10, qPrintable(QString::number(elapsed)));
            QVERIFY2(elapsed <= kClipMs * 3, qPrintable(QString::number(elapsed)));
        }
        QCOMPARE(fallbacks, 0);
    }

    void missingFileGivesFallbackOncePerPlay()
    {
        QTemporaryDir dir;
        int fallbacks = 0;
        MoveSound sound(dir.filePath(QStringLiteral("sound.dat")), [&fallbacks] { ++fallbacks; });
        sound.playsound();
        QCOMPARE(fallbacks, 1);
        sound.playsound();
        QCOMPARE(fallbacks, 2);
    }

    void junkFileGivesFallbackOncePerPlay()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sound.dat"));
        QVERIFY(writeText(path, QByteArrayLiteral("this is no sound at all\n").repeated(100)));
        int fallbacks = 0;
        MoveSound sound(path, [&fallbacks] { ++fallbacks; });
        sound.playsound();
        QCOMPARE(fallbacks, 1);
        sound.playsound();
        QCOMPARE(fallbacks, 2);
    }

    // Without a usable driver the game must still keep its timing, on the dummy driver.
    void unusableDriverFallsBackToDummy()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sound.dat"));
        QVERIFY(writeWave(path, kClipMs));
        const QByteArray saved = qgetenv("SDL_AUDIODRIVER");
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no sound device")));
        const bool opened = AudioOutput::ensureOpen();
        qputenv("SDL_AUDIODRIVER", saved);
        QVERIFY(opened);

        int fallbacks = 0;
        MoveSound sound(path, [&fallbacks] { ++fallbacks; });
        QElapsedTimer timer;
        timer.start();
        sound.playsound();
        const qint64 elapsed = timer.elapsed();
        QCOMPARE(fallbacks, 0);
        QVERIFY2(elapsed >= kClipMs * 8 / 10, qPrintable(QString::number(elapsed)));
    }

    // A sound loaded before the device was closed must play again once it is reopened.
    void playsAgainAfterShutdown()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sound.dat"));
        QVERIFY(writeWave(path, kClipMs));
        int fallbacks = 0;
        MoveSound sound(path, [&fallbacks] { ++fallbacks; });
        sound.playsound();
        AudioOutput::shutdown();

        QElapsedTimer timer;
        timer.start();
        sound.playsound();
        const qint64 elapsed = timer.elapsed();
        QCOMPARE(fallbacks, 0);
        QVERIFY2(elapsed >= kClipMs * 8 / 10, qPrintable(QString::number(elapsed)));
        QVERIFY2(elapsed <= kClipMs * 3, qPrintable(QString::number(elapsed)));
    }

    // SDL's own signal handlers would keep Ctrl+C and kill from ending the program. SDL only
    // takes over signals that have no handler, and Qt Test has handlers of its own, so those are
    // set aside while the device opens.
    void openingAudioLeavesSignalsAlone()
    {
        AudioOutput::shutdown();
        const int signalNumbers[] = {SIGINT, SIGTERM};
        struct sigaction testHandlers[2] {};
        struct sigaction defaultAction {};
        defaultAction.sa_handler = SIG_DFL;
        for (int i = 0; i < 2; ++i)
            QCOMPARE(sigaction(signalNumbers[i], &defaultAction, &testHandlers[i]), 0);
        const bool opened = AudioOutput::ensureOpen();
        struct sigaction after[2] {};
        for (int i = 0; i < 2; ++i)
            sigaction(signalNumbers[i], &testHandlers[i], &after[i]);
        QVERIFY(opened);
        for (int i = 0; i < 2; ++i)
            QVERIFY(after[i].sa_handler == SIG_DFL);
    }
};

QTEST_MAIN(TestMoveSound)
#include "test_move_sound.moc"
