#include "kit/program_folder.h"
#include "media/audio_output.h"
#include "media/midi_check.h"
#include "media/music_player.h"
#include "media/sound_font_check.h"
#include <QtTest> // with QtCore

#include <sys/stat.h>

// Only a safety net: the synthesiser reports the end two seconds after the last event at the
// soonest, later while a note still sounds.
constexpr int kEndTimeoutMs = 60000;

// MThd header: format 0, one track, 96 ticks a quarter note.
const QByteArray kHeader = QByteArray::fromHex("4d546864 00000006 0000 0001 0060");
// The piece: one track with a closed hi-hat on the drum channel, over at once, then the end of the
// track: it ends by itself as soon as a piece can.
const QByteArray kPiece = kHeader + QByteArray::fromHex("4d54726b 0000000c 00992a64 01892a40 00ff2f00");
// The same hi-hat, then a minute (11520 ticks) before the end of the track: it is still playing
// whatever a test does with it first.
const QByteArray kLongPiece = kHeader + QByteArray::fromHex("4d54726b 0000000d 00992a64 01892a40 da00ff2f00");

static bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Hands the UI thread what the audio thread has told so far. The device tells a piece's end
// before it lets go of the piece, and stopping or closing takes the piece off the device at once,
// so once the player is no longer playing, any notice about it is already waiting.
static void deliverNotices() { QCoreApplication::processEvents(); }

// The most memory the process has held at once so far, in kB.
static qint64 peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

// The warnings of the audio, counted while a test looks.
static int s_audioWarnings = 0;
static QtMessageHandler s_previousHandler = nullptr;
static void countAudioWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("Audio:")))
        ++s_audioWarnings;
    s_previousHandler(type, context, message);
}

// A track chunk of `events`: each a delta and a note-on of `note` at full velocity on channel 1,
// running status after the first, then the end of the track.
static QByteArray noteTrack(int events, int delta)
{
    QByteArray body;
    body.reserve(events * 3 + 8);
    for (int i = 0; i < events; ++i) {
        body += char(delta);
        if (i == 0)
            body += char(0x90);
        body += char(0x3c);
        body += char(0x64);
    }
    body += QByteArray::fromHex("00ff2f00");
    QByteArray chunk = "MTrk" + QByteArray(4, '\0') + body;
    qToBigEndian(quint32(body.size()), chunk.data() + 4);
    return chunk;
}

class TestMusicPlayer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(writeFile(m_piece, kPiece));
        QVERIFY(writeFile(m_longPiece, kLongPiece));
    }
    void cleanupTestCase() { AudioOutput::shutdown(); }

    // Each end is noticed on the output's audio thread; done() must come on the UI thread, once per end.
    // The game restarts the music from its done() handler, and that restart must raise no done()
    // of its own (ends would skip 1). Here it restarts twice: the second start halts the first,
    // as choosing music anew while a piece plays does, and the notice of that halt, still queued
    // when the new piece starts, must be dropped too.
    void naturalEndRaisesDoneOnceAndRestartEndsAgain()
    {
        MusicPlayer player;
        int ends = 0;
        bool onUiThread = true;
        connect(&player, &MusicPlayer::done, this, [&] {
            onUiThread = onUiThread && QThread::currentThread() == thread();
            if (++ends == 1 && startPiece(player))
                startPiece(player);
        }, Qt::DirectConnection);
        QVERIFY(startPiece(player));
        QTRY_COMPARE_WITH_TIMEOUT(ends, 1, kEndTimeoutMs);
        deliverNotices();
        QCOMPARE(ends, 1);
        QVERIFY(player.isPlaying());
        QTRY_COMPARE_WITH_TIMEOUT(ends, 2, kEndTimeoutMs);
        QVERIFY(!player.isPlaying());
        deliverNotices();
        QCOMPARE(ends, 2);
        QVERIFY(onUiThread);
    }

    // Halting the music, and closing the device, take it off the device before its end; that is
    // not the piece's end. The piece lasts a minute, so its own end cannot come first.
    void haltWhilePlayingRaisesNoDone_data()
    {
        QTest::addColumn<int>("action");
        QTest::newRow("stop") << 0;
        QTest::newRow("close") << 1;
        QTest::newRow("open") << 2;
        QTest::newRow("device shutdown") << 3;
    }

    void haltWhilePlayingRaisesNoDone()
    {
        QFETCH(int, action);
        MusicPlayer player;
        QSignalSpy spy(&player, &MusicPlayer::done);
        QVERIFY(startPiece(player, m_longPiece));
        switch (action) {
        case 0: player.stop(); break;
        case 1: player.close(); break;
        case 2: QVERIFY(player.open()); break;
        default: AudioOutput::shutdown(); break;
        }
        QVERIFY(!player.isPlaying());
        deliverNotices();
        QCOMPARE(spy.count(), 0);
    }

    // The end of a piece is told on the audio thread and reaches the UI thread a moment later. A
    // restart in between (the loop's, or the music switched on again) makes that notice stale: it
    // must be dropped, or the game would restart the music a second time and cut the new start
    // short.
    void endToldBeforeARestartIsDropped()
    {
        MusicPlayer player;
        QSignalSpy spy(&player, &MusicPlayer::done);
        QVERIFY(startPiece(player));
        // The piece comes to its end on the device; nothing here handles events, so its notice waits.
        QDeadlineTimer ceiling(kEndTimeoutMs);
        while (player.isPlaying() && !ceiling.hasExpired())
            QThread::msleep(5);
        QVERIFY(!player.isPlaying());
        QVERIFY(startPiece(player));
        deliverNotices();
        QCOMPARE(spy.count(), 0);
        QVERIFY(player.isPlaying());
        // The restarted piece's own end is told as usual.
        QVERIFY(spy.wait(kEndTimeoutMs));
        QCOMPARE(spy.count(), 1);
    }

    // The synthesiser would "play" such files by ending them within milliseconds, and the game's
    // restart on done() would spin; they must stay closed.
    void unplayableFileStaysSilent_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("junk") << QByteArray("RIFF this is not a piece of music\n").repeated(50);
        QTest::newRow("MThd then junk") << QByteArray("MThd").append(QByteArray("junk ").repeated(40));
        QTest::newRow("track without note") << kHeader + QByteArray::fromHex("4d54726b 00000004 00ff2f00");
        // Notes struck at no velocity, and let go: nothing is heard and the piece ends at once.
        QTest::newRow("no audible note") << kHeader + QByteArray::fromHex("4d54726b 00000010 00993c00 00903c00 01893c40 00ff2f00");
        QTest::newRow("track past the end") << kHeader + QByteArray::fromHex("4d54726b 00000040 00c000 00903c64 30803c40 00ff2f00");
        QTest::newRow("missing") << QByteArray();
    }

    void unplayableFileStaysSilent()
    {
        QFETCH(QByteArray, contents);
        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(contents.isEmpty() || writeFile(path, contents));
        MusicPlayer player;
        QSignalSpy spy(&player, &MusicPlayer::done);
        player.setFileName(path);
        QVERIFY(!player.open());
        player.play();
        QVERIFY(!player.isPlaying());
        deliverNotices();
        QCOMPARE(spy.count(), 0);
    }

    // A huge file is read no further than the cap of every file of the game: a sparse 256 GB file
    // whose first bytes are a piece plays that piece.
    void hugeFileIsReadOnlyUpToTheCap()
    {
        QFile file(m_dir.filePath(QStringLiteral("huge")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kPiece) == kPiece.size());
        if (!file.resize(qint64(256) << 30))
            QSKIP("this file system takes no sparse file that large");
        file.close();
        MusicPlayer player;
        player.setFileName(file.fileName());
        QVERIFY(player.open());
        player.play();
        QVERIFY(player.isPlaying());
    }

    // A soundfont is read as every file of the game. A FIFO is none (opening it would wait for a
    // writer for ever); nor is a file whose header claims more samples than it holds, nor one
    // larger than the cap, here a sparse file of a gigabyte of samples that the synthesiser would
    // read whole. Each is refused before the synthesiser reads a byte of it, the music stays
    // silent and the game goes on; a good soundfont named beside it still plays.
    void soundFontIsReadAsEveryFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("withGoodFont");
        QTest::newRow("FIFO") << QStringLiteral("FIFO") << false;
        QTest::newRow("samples past the end") << QStringLiteral("past the end") << false;
        QTest::newRow("a sparse gigabyte of samples") << QStringLiteral("sparse") << false;
        QTest::newRow("FIFO, then the game's soundfont") << QStringLiteral("FIFO") << true;
    }

    void soundFontIsReadAsEveryFile()
    {
        QFETCH(QString, fault);
        QFETCH(bool, withGoodFont);
        const QString goodFont = ProgramFolder::file(QStringLiteral("music.sf2"));
        const QString font = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        if (fault == QStringLiteral("FIFO"))
            QCOMPARE(::mkfifo(QFile::encodeName(font).constData(), 0600), 0);
        else
            QVERIFY(writeWithMoreSamples(goodFont, font, qint64(1) << 30, fault == QStringLiteral("sparse")));

        const QByteArray soundFonts = qgetenv("DORV_SOUNDFONTS");
        qputenv("DORV_SOUNDFONTS", QFile::encodeName(withGoodFont ? font + QLatin1Char(':') + goodFont : font));
        const qint64 peakBefore = peakResidentKb();
        MusicPlayer player;
        QSignalSpy spy(&player, &MusicPlayer::done);
        player.setFileName(m_piece);
        const bool opened = player.open();
        qputenv("DORV_SOUNDFONTS", soundFonts);
        const qint64 grownKb = peakResidentKb() - peakBefore;
        QVERIFY2(grownKb < 64 * 1024, qPrintable(QStringLiteral("%1 kB more").arg(grownKb)));
        QCOMPARE(opened, withGoodFont);
        player.play();
        QCOMPARE(player.isPlaying(), withGoodFont);
        deliverNotices();
        QCOMPARE(spy.count(), 0);
    }

    // A piece that would cost the synthesiser without bound: the player's own MIDI file of 15 MB of
    // notes at one tick (five million events: hundreds of megabytes in the synthesiser and seconds
    // of the audio thread at that tick), more notes at one tick than the bound over two tracks,
    // or more events than the bound one tick apart. Each is refused with one warning, nothing
    // plays, and the output shuts down at once.
    void costlyPieceIsRefusedWithOneWarning_data()
    {
        QTest::addColumn<QByteArray>("contents");
        const int atOnce = int(MidiCheck::kMaxEventsAtOneTick);
        QTest::newRow("15 MB of notes at one tick") << kHeader + noteTrack(5000000, 0);
        QTest::newRow("more at one tick over two tracks")
            << QByteArray::fromHex("4d546864 00000006 0001 0002 0060") + noteTrack(atOnce / 2 + 1, 0) + noteTrack(atOnce / 2, 0);
        QTest::newRow("more events than a piece may hold")
            << kHeader + noteTrack(int(MidiCheck::kMaxEvents), 1);
    }

    void costlyPieceIsRefusedWithOneWarning()
    {
        QFETCH(QByteArray, contents);
        const QString path = m_dir.filePath(QStringLiteral("costly.dat"));
        QVERIFY(writeFile(path, contents));
        MusicPlayer player;
        QSignalSpy spy(&player, &MusicPlayer::done);
        player.setFileName(path);
        s_audioWarnings = 0;
        s_previousHandler = qInstallMessageHandler(countAudioWarnings);
        const bool opened = player.open();
        player.play();
        const bool playing = player.isPlaying();
        qInstallMessageHandler(s_previousHandler);
        QVERIFY(!opened);
        QVERIFY(!playing);
        QCOMPARE(s_audioWarnings, 1);
        player.stop();
        AudioOutput::shutdown();
        deliverNotices();
        QCOMPARE(spy.count(), 0);
    }

    // A soundfont whose only fault is its sample chunk: the file's and the lists' lengths are
    // right, but the chunk claims more samples than its list holds (the synthesiser would take that
    // many). It is refused, and the game's soundfont it was made from is not.
    void soundFontWithSamplesPastTheirList()
    {
        QFile source(ProgramFolder::file(QStringLiteral("music.sf2")));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray good = source.readAll();
        QByteArray bad = good;
        const qsizetype smpl = bad.indexOf("sdtasmpl") + 4;
        QVERIFY(smpl > 8);
        qToLittleEndian(quint32(qFromLittleEndian<quint32>(bad.constData() + smpl + 4) + 2), bad.data() + smpl + 4);
        QVERIFY(SoundFontCheck::samplesInside(std::string_view(good.constData(), std::size_t(good.size()))));
        QVERIFY(!SoundFontCheck::samplesInside(std::string_view(bad.constData(), std::size_t(bad.size()))));
        const QString font = m_dir.filePath(QStringLiteral("samples past their list.sf2"));
        QVERIFY(writeFile(font, bad));
        const QByteArray soundFonts = qgetenv("DORV_SOUNDFONTS");
        qputenv("DORV_SOUNDFONTS", QFile::encodeName(font));
        MusicPlayer player;
        player.setFileName(m_piece);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("samples lie inside it")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no soundfont for the music")));
        const bool opened = player.open();
        qputenv("DORV_SOUNDFONTS", soundFonts);
        QVERIFY(!opened);
    }

    // What the environment asks of the audio, by the game's own names and by the older ones that
    // still answer, the game's own deciding when both are set. Silence: no device is looked for,
    // so the piece plays to its end and nothing reaches the ALSA file device that AUDIODEV names,
    // where otherwise the output's frames arrive. Soundfonts: a faulty one named is taken, and
    // refused, so the music does not open; "good" names the game's own.
    void environmentNamesAndTheirOlderAliases_data()
    {
        QTest::addColumn<QByteArray>("sdlAudioDriver");
        QTest::addColumn<QByteArray>("dorvAudio");
        QTest::addColumn<QByteArray>("sdlSoundFonts");
        QTest::addColumn<QByteArray>("dorvSoundFonts");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<bool>("faultyFontTaken");
        QTest::newRow("neither") << QByteArray() << QByteArray() << QByteArray() << QByteArray() << false << false;
        QTest::newRow("SDL_AUDIODRIVER=dummy") << QByteArray("dummy") << QByteArray() << QByteArray() << QByteArray() << true << false;
        QTest::newRow("DORV_AUDIO=silent") << QByteArray() << QByteArray("silent") << QByteArray() << QByteArray() << true << false;
        QTest::newRow("dummy, but DORV_AUDIO=device")
            << QByteArray("dummy") << QByteArray("device") << QByteArray() << QByteArray() << false << false;
        QTest::newRow("another driver, but DORV_AUDIO=silent")
            << QByteArray("alsa") << QByteArray("silent") << QByteArray() << QByteArray() << true << false;
        QTest::newRow("SDL_SOUNDFONTS faulty") << QByteArray() << QByteArray() << QByteArray("faulty") << QByteArray() << false << true;
        QTest::newRow("DORV_SOUNDFONTS faulty") << QByteArray() << QByteArray() << QByteArray() << QByteArray("faulty") << false << true;
        QTest::newRow("SDL_SOUNDFONTS faulty, DORV_SOUNDFONTS good")
            << QByteArray() << QByteArray() << QByteArray("faulty") << QByteArray("good") << false << false;
        QTest::newRow("SDL_SOUNDFONTS good, DORV_SOUNDFONTS faulty")
            << QByteArray() << QByteArray() << QByteArray("good") << QByteArray("faulty") << false << true;
    }

    void environmentNamesAndTheirOlderAliases()
    {
        QFETCH(QByteArray, sdlAudioDriver);
        QFETCH(QByteArray, dorvAudio);
        QFETCH(QByteArray, sdlSoundFonts);
        QFETCH(QByteArray, dorvSoundFonts);
        QFETCH(bool, silent);
        QFETCH(bool, faultyFontTaken);
        const QString faultyFont = m_dir.filePath(QStringLiteral("faulty.sf2"));
        if (!QFileInfo::exists(faultyFont))
            QVERIFY(writeWithMoreSamples(ProgramFolder::file(QStringLiteral("music.sf2")), faultyFont, 2, false));
        const auto font = [&](const QByteArray& which) {
            return which == "faulty" ? QFile::encodeName(faultyFont)
                : which == "good"    ? QFile::encodeName(ProgramFolder::file(QStringLiteral("music.sf2")))
                                     : QByteArray();
        };
        // A name without the commas that would end it within ALSA's device name.
        static int row = 0;
        const QString heard = m_dir.filePath(QStringLiteral("heard-%1.raw").arg(++row));
        const QList<QPair<const char*, QByteArray>> asked = {
            {"SDL_AUDIODRIVER", sdlAudioDriver}, {"DORV_AUDIO", dorvAudio}, {"SDL_SOUNDFONTS", font(sdlSoundFonts)},
            {"DORV_SOUNDFONTS", font(dorvSoundFonts)}, {"AUDIODEV", "file:FILE=" + QFile::encodeName(heard) + ",FORMAT=raw"}};
        QList<QByteArray> before;
        for (const auto& [name, value] : asked) {
            before.append(qgetenv(name));
            qputenv(name, value);
        }
        const auto restore = qScopeGuard([&] {
            AudioOutput::shutdown();
            for (qsizetype i = 0; i < asked.size(); ++i)
                qputenv(asked[i].first, before[i]);
        });
        AudioOutput::shutdown();
        MusicPlayer player;
        player.setFileName(m_piece);
        if (faultyFontTaken) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("samples lie inside it")));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no soundfont for the music")));
        }
        const bool opened = player.open();
        if (opened)
            player.play();
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), kEndTimeoutMs);
        if (!silent)
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(heard).size() > 0, kEndTimeoutMs);
        AudioOutput::shutdown();
        QCOMPARE(opened, !faultyFontTaken);
        if (silent)
            QVERIFY(!QFileInfo::exists(heard));
    }

private:
    // Writes the soundfont `from` to `to` with `extra` bytes more in its sample chunk, as its
    // header claims: bytes the file does not hold, or, when `sparse`, a hole of zeros the file
    // system does not store.
    static bool writeWithMoreSamples(const QString& from, const QString& to, qint64 extra, bool sparse)
    {
        QFile source(from);
        if (!source.open(QIODevice::ReadOnly))
            return false;
        QByteArray bytes = source.readAll();
        // RIFF size "sfbk" ... LIST size "sdta" "smpl" size, then the samples.
        const qsizetype sdta = bytes.indexOf("sdtasmpl");
        if (sdta < 8 || bytes.size() < sdta + 12)
            return false;
        const auto grow = [&bytes, extra](qsizetype at) {
            qToLittleEndian(quint32(qFromLittleEndian<quint32>(bytes.constData() + at) + extra), bytes.data() + at);
        };
        grow(4);
        grow(sdta - 4);
        grow(sdta + 8);
        const qsizetype samplesEnd = sdta + 12 + qFromLittleEndian<quint32>(bytes.constData() + sdta + 8) - extra;
        QFile file(to);
        return file.open(QIODevice::WriteOnly) && file.write(bytes.left(samplesEnd)) == samplesEnd
            && (!sparse || file.seek(samplesEnd + extra)) && file.write(bytes.mid(samplesEnd)) == bytes.size() - samplesEnd;
    }

    bool startPiece(MusicPlayer& player) { return startPiece(player, m_piece); }
    bool startPiece(MusicPlayer& player, const QString& piece)
    {
        player.setFileName(piece);
        return player.open() && (player.play(), player.isPlaying());
    }

    QTemporaryDir m_dir;
    const QString m_piece = m_dir.filePath(QStringLiteral("Music.dat"));
    const QString m_longPiece = m_dir.filePath(QStringLiteral("long.dat"));
};

QTEST_GUILESS_MAIN(TestMusicPlayer)
#include "test_music_player.moc"
