// The game against real file-system trouble and a decimal-comma locale, driven through the window.
#include "support/file_faults.h"
#include "support/window_rig.h"

#include "puzzles/puzzle_book.h"
#include "window/puzzle_play.h"

#include "media/music_player.h"
#include "window/moves_window.h"
#include "window/high_score_window.h"
#include "window/score_keeper.h"

#include <QSaveFile>

#include <cerrno>
#include <clocale>
#include <thread>

namespace {
const QString kFileNotFound = "The Dorv / File not found. Please check filename or browse to saved directory and select file.";
const QString kMusicFile = "Music.dat";

std::string hallWith(const char* name, const char* score)
{
    return std::string("hs1n") + name + "\r\nhs1" + score + "\r\n";
}

// Set in a copy of this test that runs in a folder of its own (see the print module's test).
const char* const kCopyInOwnFolder = "DORV_TEST_COPY_IN_OWN_FOLDER";

// Starts the game of tests/support/hall_of_fame_game.cpp and gives the first line it writes.
QByteArray startedGame(QProcess& game, const QStringList& arguments)
{
    game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    game.start(DORV_HALL_OF_FAME_GAME, arguments);
    while (!game.canReadLine() && game.waitForReadyRead(60000)) {
    }
    return game.readLine();
}

// A FIFO made at `path` and opened to read, without waiting for a writer.
bool listenOnFifo(QFile& file, const QString& path)
{
    if (!makeFifo(path))
        return false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    return fd >= 0 && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
}

// The environment of the program run as a process of its own: settings and data of its own below
// `home`, its media and hall of fame in `programFolder`.
QProcessEnvironment gameEnvironment(const QTemporaryDir& home, const QString& programFolder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("XDG_DATA_HOME", home.filePath("data"));
    environment.insert("DORV_PROGRAM_DIR", programFolder);
    return environment;
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
        window.controller().undo();
        QCOMPARE(rig.find<QLabel>("Label5")->text(), "1.7");
        rig.play(0, 1);
        QCOMPARE(rig.find<QLabel>("Label5")->text(), "2.7");
        window.controller().undo();
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
        part<FileCommands>(window).savegame();
        part<FileCommands>(window).savemoves();
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
        GameSettings().setMusic(true);
        MainWindow& window = rig.start();
        part<MediaSwitches>(window).playmusic(kMusicFile);
        QVERIFY(!part<MediaSwitches>(window).musicPlayer()->isPlaying());
        rig.prompts.files << rig.file("fifo.dvg");
        part<FileCommands>(window).loadgame();
        rig.prompts.files << rig.file("fifo.dvg");
        part<FileCommands>(window).loadmoves();
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
        WindowRig::playJumps(second.controller(), 19, 6);
        otherPrompts.texts << "Bob";
        second.Image8_Click();
        QVERIFY(rig.read("dvhs.sys").starts_with("hs1n<h1>Big</h1> &amp;\r\nhs17\r\nhs2nBob\r\nhs26\r\n"));
        auto* shown = part<HighScoreWindow>(second).findChild<QLabel*>("Label1");
        QCOMPARE(shown->text(), "<h1>Big</h1> &amp;");
        QCOMPARE(shown->textFormat(), Qt::PlainText);
    }

    // A FIFO or a folder where the hall of fame's lock file goes is no lock: the place won is told
    // as not stored, naming the lock file and why, at once; nothing waits on the FIFO, and what
    // stands there is left as it was.
    void aLockFileInTheWayIsToldNotWaitedOn_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("FIFO") << true;
        QTest::newRow("folder") << false;
    }
    void aLockFileInTheWayIsToldNotWaitedOn()
    {
        QFETCH(bool, fifo);
        WindowRig rig;
        const QString lock = rig.file("dvhs.sys.lock");
        QVERIFY(fifo ? makeFifo(lock) : QDir().mkdir(lock));
        const FifoWatch watch(lock);
        MainWindow& window = rig.start();
        rig.play(19, 7);
        rig.prompts.texts << "Ann";
        window.Image8_Click();
        QVERIFY(!watch.readerWaited());
        const QString told = rig.prompts.asked.value("message").value(0);
        QVERIFY2(told.contains(QDir::toNativeSeparators(lock)), qPrintable(told));
        QVERIFY2(told.contains(fifo ? "could not be made: It is not a regular file." : "could not be made: It is a folder."), qPrintable(told));
        QVERIFY(fifo ? isFifo(lock) : QFileInfo(lock).isDir());
        // The game goes on: the new game is on the board.
        QCOMPARE(rig.emptyHoles(), "");
    }

    // A save into a folder that takes no new file writes the file in place; a FIFO there is no
    // file to write in place (its opening would wait for a reader): the save fails at once.
    void aFifoInAFolderThatTakesNoFileIsNotWrittenInPlace()
    {
        QTemporaryDir folder;
        const QString target = folder.filePath("game.dvg");
        QVERIFY(makeFifo(target));
        std::atomic<bool> done{false};
        bool written = true;
        QString reason;
        {
            const ReadOnlyFolder readOnly(folder.path());
            QVERIFY(readOnly.holds());
            std::thread saving([&] {
                written = FileStore::write(target, "bytes", &reason);
                done = true;
            });
            // A save that waits on the FIFO is released (its bytes read) so the test fails, not hangs.
            const bool answered = QTest::qWaitFor([&] { return done.load(); }, 60000);
            if (!answered) {
                const int fd = ::open(QFile::encodeName(target).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
                char drain[64];
                while (!done)
                    if (::read(fd, drain, sizeof drain) <= 0)
                        ::usleep(10 * 1000);
                ::close(fd);
            }
            saving.join();
            QVERIFY2(answered, "the save waited on the FIFO");
        }
        QVERIFY(!written);
        QVERIFY(!reason.isEmpty());
        QVERIFY(isFifo(target));
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

        part<ScoreKeeper>(rig.start()).setLockWait(std::chrono::milliseconds(0));
        QVERIFY(otherGame.lock());
        rig.play(19, 8);
        rig.prompts.texts << "Joan";
        rig.prompts.answers << true << false;
        rig.window->quit();
        QTRY_COMPARE(rig.ended, 2);
        const QString busy = "The Dorv / The hall of fame is being written by another game.\r\rTry again? / Yes";
        QCOMPARE(rig.prompts.asked.value("yesno"), QStringList({busy, busy}));
        QCOMPARE(rig.read("dvhs.sys"), stored);
        QCOMPARE(part<HighScoreWindow>(*rig.window).hall().name(1), "Joan");
    }

    // Anything but a regular file where the settings are kept (a FIFO, which QSettings would wait
    // on for ever, a folder, a FIFO in the place of their lock file) is left alone: the window
    // shows with the default settings, says so once, and its switches still work for the session.
    void settingsThatAreNoFileLeaveTheDefaults_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<bool>("fifo");
        const QString file = GameSettings::name() + ".conf";
        QTest::newRow("FIFO") << file << true;
        QTest::newRow("folder") << file << false;
        QTest::newRow("FIFO lock") << file + ".lock" << true;
    }
    void settingsThatAreNoFileLeaveTheDefaults()
    {
        QFETCH(QString, obstacle);
        QFETCH(bool, fifo);
        WindowRig rig;
        const QString folder = rig.file("config/" + GameSettings::name());
        QVERIFY(QDir().mkpath(folder));
        // Beside a lock file in the way, a settings file with the switches off stays unread.
        const std::string stored = "[Options]\nMusic=0\nSound=0\n";
        if (obstacle.endsWith(".lock"))
            QVERIFY(FileStore::write(folder + "/" + GameSettings::name() + ".conf", stored));
        const QString path = folder + "/" + obstacle;
        QVERIFY(fifo ? makeFifo(path) : QDir().mkdir(path));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Settings: .*" + QRegularExpression::escape(path)
                                                              + " is not a regular file: .*default settings"));
        const FifoWatch watch(path);
        MainWindow& window = rig.start();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(524, 464));
        QCOMPARE(rig.game().state().soundon, 1);
        QCOMPARE(rig.game().state().musicon, 1);
        part<MediaSwitches>(window).setSound(false);
        // A puzzle solved is kept for the session as the switches are, beside the obstacle.
        const Puzzle& puzzle = PuzzleBook::all().back();
        window.playPuzzle(puzzle);
        for (const JumpTable::Jump& jump : puzzle.solution) {
            rig.controller().click(jump.origin);
            rig.controller().click(jump.destination);
        }
        QCOMPARE(PuzzlePlay::solved(), QStringList{QString::fromStdString(puzzle.key)});
        rig.start();
        QCOMPARE(rig.game().state().soundon, 0);
        QCOMPARE(PuzzlePlay::solved(), QStringList{QString::fromStdString(puzzle.key)});
        QVERIFY2(!watch.readerWaited(), "the game waited on the FIFO");
        QVERIFY(fifo ? isFifo(path) : QFileInfo(path).isDir());
        if (obstacle.endsWith(".lock"))
            QCOMPARE(FileStore::read(folder + "/The Dorv.conf").value_or(""), stored);
    }

    // A FIFO in the print module's place is no module (the loader would wait on it for ever): the
    // moves window opens, and printing says there is no printer. The module is looked for beside
    // the program, so a copy of this test (a second name of its file) runs in a folder holding the
    // FIFO, and plays the game there.
    void aFifoInThePrintModulesPlaceIsNoModule()
    {
        if (qEnvironmentVariableIsSet(kCopyInOwnFolder)) {
            WindowRig rig;
            rig.modulePrinter = true;
            rig.start();
            rig.play(19, 1);
            whenModal([](QWidget* box) {
                box->findChild<QPushButton*>("Command2")->click();
                box->findChild<QPushButton*>("Command1")->click();
            });
            rig.window->showmoves();
            QVERIFY(rig.prompts.last("message").startsWith("The Dorv / No printer is available"));
            return;
        }
        // Beside this test's own file, so that a second name for it can be made there.
        QTemporaryDir folder(QCoreApplication::applicationDirPath() + "/fifo-module-XXXXXX");
        QVERIFY(folder.isValid());
        const QString test = QCoreApplication::applicationFilePath();
        const QString copy = folder.filePath(QFileInfo(test).fileName());
        QVERIFY(::link(QFile::encodeName(test).constData(), QFile::encodeName(copy).constData()) == 0 || QFile::copy(test, copy));
        const QString module = folder.filePath("libdorv-print.so");
        QVERIFY(makeFifo(module));
        const FifoWatch watch(module);
        QProcess game;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kCopyInOwnFolder, "1");
        game.setProcessEnvironment(environment);
        game.setProcessChannelMode(QProcess::ForwardedChannels);
        game.start(copy, {"aFifoInThePrintModulesPlaceIsNoModule"});
        QVERIFY(game.waitForFinished(240000));
        QVERIFY2(!watch.readerWaited(), "the game waited on the FIFO");
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 0);
        QVERIFY(isFifo(module));
    }

    // A regular file in the print module's place that is no print module of this program is no
    // module either: there is no printer (which the window tells as above), the refusal is warned
    // of once, and nothing crashes. Each runs in a copy of this test in a folder of its own, as above.
    void aFileThatIsNoPrintModuleIsNoModule_data()
    {
        QTest::addColumn<QString>("warning");
        QTest::newRow("no library") << "Printing: cannot open the print module: ";
        QTest::newRow("a program, no plugin") << "Printing: cannot open the print module: ";
        // The module's data patched to say it was built against Qt 6.99.
        QTest::newRow("built against another Qt") << "uses incompatible Qt library. (6.99.0)";
        // The module's data patched to name another interface: not even loaded.
        QTest::newRow("a plugin of another interface")
            << "Printing: the print module has no io.github.thedorv.TheDorv.MovesPrinterFactory/1.0";
    }
    void aFileThatIsNoPrintModuleIsNoModule()
    {
        QFETCH(QString, warning);
        if (qEnvironmentVariableIsSet(kCopyInOwnFolder)) {
            static QStringList warnings;
            static QtMessageHandler before = nullptr;
            before = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (text.startsWith("Printing: "))
                    warnings << text;
                before(type, context, text);
            });
            // As the moves window asks for it, once and then again.
            const bool none = !MovesPrinter::load() && !MovesPrinter::load();
            qInstallMessageHandler(before);
            QVERIFY(none);
            QCOMPARE(warnings.size(), 1);
            QVERIFY2(warnings[0].contains(warning), qPrintable(warnings[0]));
            return;
        }
        QTemporaryDir folder(QCoreApplication::applicationDirPath() + "/bad-module-XXXXXX");
        QVERIFY(folder.isValid());
        const QString test = QCoreApplication::applicationFilePath();
        const QString copy = folder.filePath(QFileInfo(test).fileName());
        QVERIFY(::link(QFile::encodeName(test).constData(), QFile::encodeName(copy).constData()) == 0 || QFile::copy(test, copy));
        const QString row = QTest::currentDataTag();
        const QString modulePath = folder.filePath("libdorv-print.so");
        std::string module = "This is no library.\n";
        if (row == "a program, no plugin") {
            QVERIFY(QFile::copy(test, modulePath));
        } else if (row != "no library") {
            module = FileStore::read(kBuiltProgramFolder + "/libdorv-print.so").value_or("");
            // The plugin's note: its owner, then the version of its data, Qt's major and minor
            // version, and then the data, which names the interface first.
            const std::string owner("qt-project!\0", 12);
            const size_t note = module.find(owner);
            QVERIFY(note != std::string::npos);
            if (row == "built against another Qt") {
                QCOMPARE(int(module[note + owner.size() + 1]), QT_VERSION_MAJOR);
                module[note + owner.size() + 2] = 99;
            } else {
                const size_t iid = module.find("MovesPrinterFactory/1.0", note);
                QVERIFY(iid != std::string::npos && iid < note + 100);
                module[iid + 20] = '9';
            }
        }
        QVERIFY(QFileInfo(modulePath).isFile() || FileStore::write(modulePath, module));
        QProcess game;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kCopyInOwnFolder, "1");
        game.setProcessEnvironment(environment);
        game.setProcessChannelMode(QProcess::ForwardedChannels);
        game.start(copy, {"aFileThatIsNoPrintModuleIsNoModule:" + row});
        QVERIFY(game.waitForFinished(240000));
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 0);
    }

    // A print to a PDF file that cannot be written is told as a save that fails (the file and the
    // reason), and leaves no file behind, not even an empty one.
    void aPrintThatCannotBeWrittenIsToldAndLeavesNoFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk") << "full disk" << "No space left on device";
        QTest::newRow("file-size limit") << "file-size limit" << "File too large";
        QTest::newRow("read-only folder") << "read-only folder" << "Permission denied";
        QTest::newRow("missing folder") << "missing folder" << "No such file or directory";
    }
    void aPrintThatCannotBeWrittenIsToldAndLeavesNoFile()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        WindowRig rig;
        FullDisk disk(rig.file("disk"));
        if (fault == "full disk" && !disk.mounted)
            QSKIP("mounting a small file system needs root");
        const QString folder = fault == "full disk" ? disk.path : rig.file("prints");
        if (fault != "missing folder")
            QVERIFY(QDir().mkpath(folder));
        const QString pdf = folder + "/print.pdf";
        rig.pdfPath = pdf;
        rig.start();
        const auto print = [&] {
            whenModal([](QWidget* box) {
                box->findChild<QPushButton*>("Command2")->click();
                box->findChild<QPushButton*>("Command1")->click();
            });
            rig.play(19, 1);
            rig.window->showmoves();
        };
        if (fault == "full disk") {
            disk.fill();
            print();
        } else if (fault == "file-size limit") {
            const FileSizeLimit limit(2000);
            print();
        } else if (fault == "read-only folder") {
            const ReadOnlyFolder readOnly(folder);
            QVERIFY(readOnly.holds());
            print();
        } else {
            print();
        }
        const QString message = rig.prompts.last("message");
        QVERIFY2(message.startsWith("The Dorv / The printed moves could not be saved to the file\n" + pdf + "\n")
                     && message.contains(reason) && message.endsWith("Critical"),
                 qPrintable(message));
        QVERIFY(!QFileInfo::exists(pdf));
        const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        QVERIFY2(left.isEmpty() || left == QStringList("filler"), qPrintable(left.join(' ')));
    }

    // A file-size limit (ulimit -f) does not end the game: the settings it writes as it starts
    // fail as any write does. The program itself runs, with a limit of 0 bytes and the signal at
    // its default, until its first frame is painted.
    void aFileSizeLimitDoesNotEndTheGame()
    {
        QTemporaryDir home;
        const QString painted = home.filePath("painted");
        // Kept open for reading, so that the program's report of its first frame never waits.
        QFile report;
        QVERIFY(listenOnFifo(report, painted));
        QProcess game;
        QProcessEnvironment environment = gameEnvironment(home, home.path());
        environment.insert("DORV_BENCH_PAINTED", painted);
        game.setProcessEnvironment(environment);
        game.setProcessChannelMode(QProcess::ForwardedChannels);
        game.setChildProcessModifier([] {
            const rlimit none{0, RLIM_INFINITY};
            ::setrlimit(RLIMIT_FSIZE, &none);
            std::signal(SIGXFSZ, SIG_DFL);
        });
        game.start(kBuiltProgramFolder + "/dorv", {});
        QByteArray reported;
        QTRY_VERIFY_WITH_TIMEOUT((reported += report.readAll()).contains("painted") || game.state() == QProcess::NotRunning, 120000);
        QVERIFY2(game.state() == QProcess::Running, qPrintable(QString("ended with signal or status %1").arg(game.exitCode())));
        game.terminate();
        QVERIFY(game.waitForFinished(60000));
        QVERIFY(!QFileInfo(home.filePath("config/The Dorv/The Dorv.conf")).size());
    }

    // A sound device that writes into a pipe whose reader goes away (ALSA's file device on a FIFO, a
    // sound server's socket that closes) fails that write; the game plays on, silently.
    void aSoundDeviceWhoseReaderGoesAwayDoesNotEndTheGame()
    {
        QTemporaryDir home;
        const QString device = home.filePath("device");
        QFile listener;
        QVERIFY(listenOnFifo(listener, device));
        QProcess game;
        // The built program's folder, with its music: a rig before may have pointed the variable elsewhere.
        QProcessEnvironment environment = gameEnvironment(home, kBuiltProgramFolder);
        environment.insert("DORV_AUDIO", "device");
        environment.insert("AUDIODEV", "file:FILE=" + device + ",FORMAT=raw");
        game.setProcessEnvironment(environment);
        game.start(kBuiltProgramFolder + "/dorv", {});
        // The music reaches the device...
        qint64 heard = 0;
        QTRY_VERIFY_WITH_TIMEOUT((heard += listener.readAll().size()) > 0 || game.state() == QProcess::NotRunning, 120000);
        QVERIFY(game.state() == QProcess::Running);
        // ...then nobody listens any more: the next write fails, and the game says it plays on silently.
        listener.close();
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += game.readAllStandardError()).contains("playing silently") || game.state() == QProcess::NotRunning, 120000);
        QVERIFY2(game.state() == QProcess::Running, qPrintable(QString("ended with signal or status %1").arg(game.exitCode())));
        game.kill();
        QVERIFY(game.waitForFinished(60000));
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
