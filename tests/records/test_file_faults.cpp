// The game against real file-system trouble and a decimal-comma locale, driven through the window.
#include "support/file_faults.h"
#include "support/window_rig.h"

#include "media/music_player.h"
#include "window/high_score_window.h"
#include "window/score_keeper.h"

#include <QSaveFile>

#include <cerrno>
#include <clocale>

namespace {
const QString kFileNotFound = "The Dorv / File not found. Please check filename or browse to saved directory and select file.";
const QString kMusicFile = "Music.dat";

std::string hallWith(const char* name, const char* score)
{
    return std::string("hs1n") + name + "\r\nhs1" + score + "\r\n";
}

// Starts the game of tests/support/hall_of_fame_game.cpp and gives the first line it writes.
QByteArray startedGame(QProcess& game, const QStringList& arguments)
{
    game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    game.start(DORV_HALL_OF_FAME_GAME, arguments);
    while (!game.canReadLine() && game.waitForReadyRead(60000)) {
    }
    return game.readLine();
}
}

class TestFileFaults : public QObject {
    Q_OBJECT

private slots:
    // Under a locale that writes "1,7" the counter still counts, the file holds "1.7", and the win
    // reaches the hall of fame.
    void scoresAreTheSameInADecimalCommaLocale()
    {
        QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8"), "the de_DE.UTF-8 locale is missing (localedef -i de_DE -f UTF-8 de_DE.UTF-8)");
        WindowRig rig;
        MainWindow& window = rig.start();
        rig.play(19, 3);
        window.game().undo();
        QCOMPARE(rig.find<QLabel>("Label5")->text(), "1.7");
        rig.play(0, 1);
        QCOMPARE(rig.find<QLabel>("Label5")->text(), "2.7");
        window.game().undo();
        QCOMPARE(rig.find<QLabel>("Label5")->text(), "1.43");
        rig.prompts.texts << "Ada";
        window.Image8_Click();
        std::setlocale(LC_ALL, "C");
        QVERIFY(rig.read("dvhs.sys").ends_with("hs5nAda\r\nhs51.43\r\n"));
    }

    // A save that meets a full disk says so and leaves every old file as it was, byte for byte.
    void aFullDiskKeepsEveryOldFile()
    {
        WindowRig rig;
        FullDisk disk(rig.file("disk"));
        if (!disk.mounted)
            QSKIP("mounting a small file system needs root");
        const QString game = disk.path + "/game.dvg", moves = disk.path + "/game.dvm", hall = disk.path + "/dvhs.sys";
        for (const QString& path : {game, moves})
            QVERIFY(FileStore::write(path, "old " + path.toStdString()));
        QVERIFY(FileStore::write(hall, hallWith("Old", "99")));
        qputenv("DORV_PROGRAM_DIR", QFile::encodeName(disk.path));
        MainWindow& window = rig.start();
        disk.fill();
        rig.play(19, 6);
        rig.prompts.files << game << moves;
        rig.prompts.answers << true << true;
        window.files().savegame();
        window.files().savemoves();
        rig.prompts.texts << "Ada";
        window.Image8_Click();
        const QStringList messages = rig.prompts.asked.value("message");
        QCOMPARE(messages.size(), 3);
        for (const QString& message : messages)
            QVERIFY2(message.contains("No space left on device"), qPrintable(message));
        QCOMPARE(FileStore::read(game).value_or(""), "old " + game.toStdString());
        QCOMPARE(FileStore::read(moves).value_or(""), "old " + moves.toStdString());
        QCOMPARE(FileStore::read(hall).value_or(""), hallWith("Old", "99"));
    }

    // A program folder that cannot take a new file still lets its own writable dvhs.sys be written.
    void aReadOnlyFolderKeepsAWritableHallOfFame()
    {
        WindowRig rig;
        const QString folder = rig.file("program");
        QDir().mkpath(folder);
        QVERIFY(FileStore::write(folder + "/dvhs.sys", hallWith("Old", "99")));
        qputenv("DORV_PROGRAM_DIR", QFile::encodeName(folder));
        {
            const ReadOnlyFolder readOnly(folder);
            QVERIFY(readOnly.holds());
            MainWindow& window = rig.start();
            rig.play(19, 6);
            rig.prompts.texts << "Ada";
            window.Image8_Click();
        }
        QCOMPARE(rig.prompts.asked.value("message"), QStringList());
        QVERIFY(FileStore::read(folder + "/dvhs.sys").value_or("").starts_with(hallWith("Old", "99") + "hs2nAda\r\nhs26\r\n"));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList("dvhs.sys"));
    }

    // FIFOs never freeze the game: the hall of fame, the music, the move sound and the files chosen
    // to load are each a file that cannot be read.
    void fifosAreFilesThatCannotBeRead()
    {
        WindowRig rig;
        for (const char* name : {"dvhs.sys", "Music.dat", "sound.dat", "fifo.dvg"})
            QVERIFY(makeFifo(rig.file(name)));
        QSettings().setValue("Options/Music", "1");
        MainWindow& window = rig.start();
        window.media().playmusic(kMusicFile);
        QVERIFY(!window.musicPlayer()->isPlaying());
        rig.prompts.files << rig.file("fifo.dvg");
        window.files().loadgame();
        rig.prompts.files << rig.file("fifo.dvg");
        window.files().loadmoves();
        QCOMPARE(rig.prompts.asked.value("message"), QStringList({kFileNotFound, kFileNotFound}));
        QCOMPARE(rig.emptyHoles(), "");
    }

    // Two games on one folder each win a place: the second keeps the first one's entry, and a
    // name is shown as typed, markup and all.
    void twoGamesAtOnceKeepBothScores()
    {
        WindowRig rig;
        MainWindow& first = rig.start();
        ScriptedPrompts otherPrompts;
        CountingSound otherSound;
        MainWindow second(MainWindow::Services{&otherPrompts, &otherSound, [] {}, nullptr});
        rig.play(19, 7);
        rig.prompts.texts << "<h1>Big</h1> &amp;";
        first.Image8_Click();
        WindowRig::playJumps(second.game(), 19, 6);
        otherPrompts.texts << "Bob";
        second.Image8_Click();
        QVERIFY(rig.read("dvhs.sys").starts_with("hs1n<h1>Big</h1> &amp;\r\nhs17\r\nhs2nBob\r\nhs26\r\n"));
        auto* shown = second.highScoreWindow()->findChild<QLabel*>("Label1");
        QCOMPARE(shown->text(), "<h1>Big</h1> &amp;");
        QCOMPARE(shown->textFormat(), Qt::PlainText);
    }

    // Two games in processes of their own win while a third holds the lock and is then killed: both
    // wait without writing, take the lock over from the dead game, read the table again under it and
    // keep each other's entry.
    void twoGameProcessesWritingAtOnceKeepBothScores()
    {
        WindowRig rig;
        QProcess holder, ada, bob;
        QCOMPARE(startedGame(holder, {"--hold", rig.file("dvhs.sys.lock")}), "held\n");
        QCOMPARE(startedGame(ada, {"Ada", "6"}), "busy\n");
        QCOMPARE(startedGame(bob, {"Bob", "7"}), "busy\n");
        QVERIFY(!QFile::exists(rig.file("dvhs.sys")));
        holder.kill();
        QVERIFY(holder.waitForFinished());
        for (QProcess* game : {&ada, &bob})
            game->write("yes\n");
        for (QProcess* game : {&ada, &bob}) {
            QVERIFY(game->waitForFinished(60000));
            QCOMPARE(game->exitCode(), 0);
        }
        QVERIFY(rig.read("dvhs.sys").starts_with("hs1nBob\r\nhs17\r\nhs2nAda\r\nhs26\r\n"));
    }

    // While another game holds the lock, the window goes on: places won wait, a close ends the
    // program only once they are stored, and nothing is written before the lock is free. A lock
    // that stays taken is told; trying again keeps waiting, and giving up writes nothing.
    void aBusyHallOfFameIsWaitedForWithoutFreezingTheWindow()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        QLockFile otherGame(rig.file("dvhs.sys.lock"));
        QVERIFY(otherGame.lock());
        rig.play(19, 6);
        rig.prompts.texts << "Ada" << "Bob";
        window.Image8_Click();
        QCOMPARE(rig.find<QLabel>("Label5")->text(), "0");
        rig.play(19, 7);
        QVERIFY(!window.close());
        window.quit();
        QCOMPARE(rig.prompts.asked.value("text").size(), 2);
        QCOMPARE(rig.ended, 0);
        QVERIFY(!QFile::exists(rig.file("dvhs.sys")));
        otherGame.unlock();
        QTRY_COMPARE(rig.ended, 1);
        const std::string stored = rig.read("dvhs.sys");
        QVERIFY(stored.starts_with("hs1nBob\r\nhs17\r\nhs2nAda\r\nhs26\r\n"));
        QCOMPARE(rig.prompts.asked.value("yesno"), QStringList());

        rig.start().scores().setLockWait(std::chrono::milliseconds(0));
        QVERIFY(otherGame.lock());
        rig.play(19, 8);
        rig.prompts.texts << "Joan";
        rig.prompts.answers << true << false;
        rig.window->quit();
        QTRY_COMPARE(rig.ended, 2);
        const QString busy = "The Dorv / The hall of fame is being written by another game.\r\rTry again? / Yes";
        QCOMPARE(rig.prompts.asked.value("yesno"), QStringList({busy, busy}));
        QCOMPARE(rig.read("dvhs.sys"), stored);
        QCOMPARE(rig.window->highScoreWindow()->hall().name(1), "Joan");
    }

    // A write whose data cannot be put on the disk, or whose new file cannot take the old one's
    // place, is told with its reason and leaves the old file byte for byte.
    void aFailedSyncOrReplaceKeepsTheOldFile()
    {
        const auto failedSync = [](int) {
            errno = EIO;
            return -1;
        };
        // The rename is refused for real: the folder takes no change for that moment.
        const auto refusedRename = [](QSaveFile& file) {
            const ReadOnlyFolder readOnly(QFileInfo(file.fileName()).absolutePath());
            return file.commit();
        };
        const FileStore::Steps real = FileStore::steps;
        const std::pair<FileStore::Steps, QString> faults[] = {{{failedSync, real.replace}, "Input/output error"},
                                                               {{real.sync, refusedRename}, "Permission denied"}};
        for (const auto& [steps, reason] : faults) {
            WindowRig rig;
            const QString hall = rig.write("dvhs.sys", hallWith("Old", "99"));
            MainWindow& window = rig.start();
            rig.play(19, 6);
            rig.prompts.texts << "Ada";
            FileStore::steps = steps;
            window.Image8_Click();
            FileStore::steps = real;
            const QString message = rig.prompts.last("message");
            QVERIFY2(message.contains(hall) && message.contains(reason), qPrintable(reason + ": " + message));
            QCOMPARE(rig.read("dvhs.sys"), hallWith("Old", "99"));
        }
    }
};

QTEST_MAIN(TestFileFaults)
#include "test_file_faults.moc"
