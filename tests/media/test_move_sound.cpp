#include "media/audio_output.h"
#include "media/move_sound.h"
#include <QtTest> // with QtCore
#include <csignal>

constexpr int kClipMs = 200;
// RIFF/WAVE, PCM mono 22050 Hz 16-bit, 8820 bytes (kClipMs) of silence.
const QByteArray kWave = QByteArray::fromHex("52494646 98220000 57415645 666d7420 10000000 0100 0100 22560000"
                                             "44ac0000 0200 1000 64617461 74220000") + QByteArray(8820, '\0');

// The move sound on SDL's dummy driver, which consumes audio in real time.
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
    // per play. Play 1 opens with an unusable driver, which must give way to the dummy one (the
    // environment's driver beats a plain hint); play 2 uses the kept chunk; play 3 uses it on a
    // device closed and reopened in between.
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
        const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no sound device")));
        for (int play = 1; play <= 3; ++play) {
            if (play == 3)
                AudioOutput::shutdown();
            QElapsedTimer timer;
            timer.start();
            sound.playsound();
            const qint64 elapsed = timer.elapsed();
            qputenv("SDL_AUDIODRIVER", driver); // only the first open sees the unusable driver
            QCOMPARE(fallbacks, play * fallbacksPerPlay);
            // The dummy driver takes the frames no faster than they play, so a call that returns
            // at the clip's end has lasted nearly its length, however busy the machine is.
            if (fallbacksPerPlay == 0)
                QVERIFY2(elapsed >= kClipMs * 8 / 10, qPrintable(QString::number(elapsed)));
        }
    }

    // SDL's own SIGINT handler would keep Ctrl+C from ending the game. SDL only takes over a
    // signal without a handler, so Qt Test's handler is set aside meanwhile.
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

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestMoveSound)
#include "test_move_sound.moc"
