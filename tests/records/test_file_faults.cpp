// The game against real file-system trouble and a decimal-comma locale, driven through the window.
#include "support/file_faults.h"
#include "support/window_rig.h"

#include "media/music_player.h"
#include "window/high_score_window.h"

#include <clocale>

namespace {
const QString kFileNotFound = "The Dorv / File not found. Please check filename or browse to saved directory and select file.";
const QString kMusicFile = "Music.dat";

std::string hallWith(const char* name, const char* score)
{
    return std::string("hs1n") + name + "\r\nhs1" + score + "\r\n";
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
};

QTEST_MAIN(TestFileFaults)
#include "test_file_faults.moc"
