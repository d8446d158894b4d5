#include "media/audio_output.h"
#include "media/music_player.h"

#include <QDataStream>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

// The synthesiser reports the end about three seconds after the last note.
constexpr int kEndTimeoutMs = 15000;
// Longer than the piece below takes from play() to its reported end.
constexpr int kPastNaturalEndMs = 4000;
// Long enough for a notice posted from the audio thread to reach the UI thread.
constexpr int kSettleMs = 1500;

QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes;
    QDataStream(&bytes, QIODevice::WriteOnly) << value;
    return bytes;
}

// A Standard MIDI File of format 0 with one short note.
QByteArray shortPiece()
{
    const QByteArray track = QByteArray::fromHex(
        "00 c0 00"          // piano
        "00 90 3c 64"       // note on, middle C
        "30 80 3c 40"       // note off 48 ticks (a quarter of a second) later
        "00 ff 2f 00");     // end of track
    QByteArray file = QByteArray::fromHex("4d546864 00000006 0000 0001 0060");
    file += "MTrk" + bigEndian32(quint32(track.size())) + track;
    return file;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestMusicPlayer : public QObject {
    Q_OBJECT
private slots:
    void cleanupTestCase() { AudioOutput::shutdown(); }

    void init()
    {
        QVERIFY(m_dir.isValid());
        m_piece = m_dir.filePath(QStringLiteral("Music.dat"));
        QVERIFY(writeFile(m_piece, shortPiece()));
    }

    void naturalEndRaisesDoneOnce()
    {
        MusicPlayer player;
        player.setFileName(m_piece);
        QSignalSpy spy(&player, &MusicPlayer::done);
        bool onUiThread = false;
        connect(&player, &MusicPlayer::done, this,
                [&onUiThread] { onUiThread = QThread::currentThread() == QCoreApplication::instance()->thread(); });
        QVERIFY(player.open());
        player.play();
        QVERIFY(player.isPlaying());

        QVERIFY(spy.wait(kEndTimeoutMs));
        QVERIFY(onUiThread);
        QVERIFY(!player.isPlaying());
        QTest::qWait(kSettleMs);
        QCOMPARE(spy.count(), 1);
    }

    // Mix_HaltMusic calls the end hook as well; that must not count as the end of the piece.
    void stopCloseOrOpenWhilePlayingRaiseNoDone_data()
    {
        QTest::addColumn<int>("action");
        QTest::newRow("stop") << 0;
        QTest::newRow("close") << 1;
        QTest::newRow("open") << 2;
    }

    void stopCloseOrOpenWhilePlayingRaiseNoDone()
    {
        QFETCH(int, action);
        MusicPlayer player;
        player.setFileName(m_piece);
        QSignalSpy spy(&player, &MusicPlayer::done);
        QVERIFY(player.open());
        player.play();
        QTest::qWait(100);
        QVERIFY(player.isPlaying());
        switch (action) {
        case 0: player.stop(); break;
        case 1: player.close(); break;
        default: QVERIFY(player.open()); break;
        }
        QVERIFY(!player.isPlaying());
        QTest::qWait(kPastNaturalEndMs);
        QCOMPARE(spy.count(), 0);
    }

    // The game restarts the music from its done() handler: the restart must raise no done() of its
    // own, in the handler or after it, and the restarted piece must end once more.
    void restartFromDoneHandlerPlaysAgain()
    {
        MusicPlayer player;
        player.setFileName(m_piece);
        int ends = 0;
        bool inHandler = false;
        bool reentered = false;
        connect(&player, &MusicPlayer::done, this, [&] {
            reentered = reentered || inHandler;
            inHandler = true;
            ++ends;
            if (ends == 1) {
                player.stop();
                player.close();
                if (player.open())
                    player.play();
            }
            inHandler = false;
        });
        QVERIFY(player.open());
        player.play();

        QTRY_COMPARE_WITH_TIMEOUT(ends, 1, kEndTimeoutMs);
        QVERIFY(player.isPlaying());
        QTRY_COMPARE_WITH_TIMEOUT(ends, 2, kEndTimeoutMs);
        QTest::qWait(kSettleMs);
        QCOMPARE(ends, 2);
        QVERIFY(!reentered);
    }

    // SDL_mixer would take these files and end them at once, and the game's restart on done()
    // would spin. All of them wait together, past the time such an end would take.
    void junkOrMissingFileStaysSilent()
    {
        const QByteArray header = QByteArray::fromHex("4d546864 00000006 0000 0001 0060");
        const QList<QPair<const char*, QByteArray>> cases = {
            {"junk", QByteArrayLiteral("RIFF this is not a piece of music\n").repeated(50)},
            {"part of a header", QByteArrayLiteral("MTh")},
            {"MThd then junk", QByteArrayLiteral("MThd").append(QByteArrayLiteral("junk ").repeated(40))},
            {"header without track", header},
            {"track without note", header + QByteArray::fromHex("4d54726b 00000004 00ff2f00")},
            {"cut off before the note", shortPiece().left(24)},
            {"missing", QByteArray()},
        };
        std::vector<std::unique_ptr<MusicPlayer>> players;
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const auto& [name, contents] : cases) {
            const QString path = m_dir.filePath(QString::fromLatin1(name) + QStringLiteral(".dat"));
            if (!contents.isEmpty())
                QVERIFY(writeFile(path, contents));
            auto& player = players.emplace_back(std::make_unique<MusicPlayer>());
            spies.emplace_back(std::make_unique<QSignalSpy>(player.get(), &MusicPlayer::done));
            player->setFileName(path);
            QVERIFY2(!player->open(), name);
            player->play();
            QVERIFY2(!player->isPlaying(), name);
        }
        QTest::qWait(kSettleMs * 2);
        for (qsizetype i = 0; i < cases.size(); ++i)
            QVERIFY2(spies[i]->isEmpty(), cases[i].first);
    }

    // Closing the device under a playing piece must not look like the piece's end, and the
    // player must work again once the device reopens.
    void shutdownWhilePlayingRaisesNoDone()
    {
        MusicPlayer player;
        player.setFileName(m_piece);
        QSignalSpy spy(&player, &MusicPlayer::done);
        QVERIFY(player.open());
        player.play();
        QTest::qWait(100);
        AudioOutput::shutdown();
        QTest::qWait(kSettleMs);
        QCOMPARE(spy.count(), 0);
        // The next open finds the device again.
        QVERIFY(player.open());
        player.play();
        QVERIFY(spy.wait(kEndTimeoutMs));
    }

private:
    QTemporaryDir m_dir;
    QString m_piece;
};

QTEST_GUILESS_MAIN(TestMusicPlayer)
#include "test_music_player.moc"
