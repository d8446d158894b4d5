#include "support/window_rig.h"

#include "window/moves_window.h"
#include "support/core_test_helpers.h"

namespace {
const QString kSupportSentence = "If the problem persists, please contact The Dorv support line and tell them which file it was.";
}

// The file commands, the replay and the moves window, driven as the player drives them.
class TestFileCommands : public QObject {
    Q_OBJECT

private slots:
    void movesGoThroughTheDialogsReplayOnePerTickAndFailuresAreReported()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        rig.play(19, 3);
        const QByteArray played = coretest::summary(rig.game().history());
        const QString finalBoard = rig.emptyHoles();
        rig.prompts.files << rig.file("game.dvm");
        part<FileCommands>(window).savemoves();
        QCOMPARE(rig.prompts.last("save"), "Save Moves / The Dorv Game Moves(*.dvm)|*.dvm|All Files (*.*)|*.* / dvm");

        // No to the confirmation leaves the game; Yes clears it and takes the moves.
        rig.prompts.files << rig.file("game.dvm") << rig.file("game.dvm");
        rig.prompts.answers << false << true;
        part<FileCommands>(window).loadmoves();
        QCOMPARE(rig.emptyHoles(), finalBoard);
        part<FileCommands>(window).loadmoves();
        QCOMPARE(rig.prompts.last("open"), "Load Moves / The Dorv Game Moves (*.dvm)|*.dvm|All Files (*.*)|*.* / dvm");
        QCOMPARE(rig.prompts.last("yesno"),
                 "The Dorv / Loading a MOVES file shall clear the current game. Are you sure you want to continue? / Yes");
        QCOMPARE(coretest::summary(rig.game().history()), played);
        QCOMPARE(rig.emptyHoles(), "");
        QCOMPARE(rig.find<HistoryList>("List1")->count(), 3);

        // The replay: the starting ball at once, then a jump with its sound at each tick of a second,
        // none of them recorded; the timer stops after the last.
        rig.sound.played = 0;
        part<Replay>(window).playmoves();
        QCOMPARE(part<Replay>(window).timer()->interval(), 1000);
        for (int tick = 1; tick <= 4; ++tick) {
            QVERIFY(part<Replay>(window).timer()->isActive());
            part<Replay>(window).Timer1_Timer();
        }
        QVERIFY(!part<Replay>(window).timer()->isActive());
        QCOMPARE(rig.sound.played, 4);
        QCOMPARE(rig.emptyHoles(), finalBoard);
        QCOMPARE(rig.game().history().count(), std::size_t(3));

        // A corrupted moves file: reported, and what was read before the fault stays.
        rig.prompts.files << rig.write("bad.dvm", "L117\r\nL219\r\nst19\r\nL130\r\n");
        rig.prompts.answers << true;
        part<FileCommands>(window).loadmoves();
        QCOMPARE(rig.prompts.last("message"), "Error reading file / The game moves file is corrupted. You can not load this file.\r\r"
                                                  + kSupportSentence + " / Critical");
        QCOMPARE(coretest::summary(rig.game().history()), "from 17, to 19");

        // A save that fails says so, with the file's name, and leaves no file.
        rig.prompts.files << rig.file("missing-folder/game.dvm");
        part<FileCommands>(window).savemoves();
        QCOMPARE(rig.prompts.asked.value("message").size(), 2);
        QVERIFY(rig.prompts.last("message").contains(rig.file("missing-folder/game.dvm")));
        QVERIFY(!QFile::exists(rig.file("missing-folder/game.dvm")));
    }

    void gamesGoThroughDialogsThatComeBackAndACorruptedOneStartsANewGame()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        // Replacing a file is asked, No by default, and No brings the dialog back.
        const QString kept = rig.write("kept.dvg", "old");
        rig.prompts.files << kept << kept;
        rig.prompts.answers << false << true;
        part<FileCommands>(window).savegame();
        QCOMPARE(rig.prompts.asked.value("save").size(), 2);
        QCOMPARE(rig.prompts.last("save"), "Save Game / The Dorv Game (*.dvg)|*.dvg|All Files (*.*)|*.* / dvg");
        QCOMPARE(rig.prompts.last("yesno"), QString("Save file / The file %1 already exists.\r\rReplace file? / No").arg(kept));
        QCOMPARE(QByteArray::fromStdString(rig.read("kept.dvg")), QByteArray("\xB3\r\n").repeated(37) + "s\xB2\r\n");

        // A position comes back without its history.
        rig.play(19, 2);
        const QString position = rig.emptyHoles();
        rig.prompts.files << rig.file("position.dvg") << rig.file("position.dvg");
        part<FileCommands>(window).savegame();
        window.Image8_Click();
        part<FileCommands>(window).loadgame();
        QCOMPARE(rig.prompts.last("open"), "Load Game / The Dorv Game (*.dvg)|*.dvg|All Files (*.*)|*.* / dvg");
        QCOMPARE(rig.emptyHoles(), position);
        QCOMPARE(rig.find<QLabel>("Label1")->text(), "");

        // A file that is not there brings the dialog back, here cancelled.
        rig.prompts.files << rig.file("nowhere.dvg") << "";
        part<FileCommands>(window).loadgame();
        QCOMPARE(rig.prompts.asked.value("open").size(), 3);
        QCOMPARE(rig.prompts.last("message"),
                 "The Dorv / File not found. Please check filename or browse to saved directory and select file.");
        QCOMPARE(rig.emptyHoles(), position);

        // A corrupted saved game: reported, and a new game starts.
        rig.prompts.files << rig.write("bad.dvg", "\xB2\r\nx\r\n");
        part<FileCommands>(window).loadgame();
        QCOMPARE(rig.prompts.last("message"), "Error reading file / The game file is corrupted. You can not load this file.\r\r"
                                                  + kSupportSentence + " / Critical");
        QCOMPARE(rig.emptyHoles(), "");
    }

    void theMovesWindowShowsTheMovesAndPrintsThemOrSaysThereIsNoPrinter()
    {
        WindowRig rig;
        rig.start();
        rig.play(19, 1);
        const MoveHistory& history = rig.game().history();
        const QString move = QString("Moved %1 to %2").arg(history.origin(0).c_str(), history.destination(0)->c_str());
        QString shown;
        whenModal([&](QWidget* box) {
            QCOMPARE(box->windowTitle(), "Moves");
            shown = box->findChild<QPlainTextEdit*>("Text1")->toPlainText();
            box->findChild<QPushButton*>("Command2")->click();
            box->findChild<QPushButton*>("Command1")->click();
        });
        rig.window->showmoves();
        QVERIFY(shown.startsWith("The board\n1  2  3\n"));
        QVERIFY(shown.endsWith("MOVES\nBall removed to start 19\nPLAYED GAME\n" + move));
        QVERIFY(QFileInfo(rig.pdfPath).size() > 0);
        // Without a printer, printing says so.
        MovesWindow("The board", nullptr, &rig.prompts).Command2_Click();
        QVERIFY(rig.prompts.last("message").startsWith("The Dorv / No printer is available"));
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed: the printed text cannot be read back");
        QProcess reader;
        reader.start(pdftotext, {"-layout", rig.pdfPath, "-"});
        QVERIFY(reader.waitForFinished(30000));
        // pdftotext folds runs of blanks, so compare the words.
        const QString printed = QString::fromUtf8(reader.readAllStandardOutput()).simplified();
        QVERIFY2(printed.contains("The board 1 2 3 4 5 6 7 8 9 10 11"), qPrintable(printed));
        QVERIFY(printed.contains(move));
    }

    // A printout longer than a page goes on over the next pages, to its last line.
    void aLongPrintoutGoesOnOverTheNextPages()
    {
        WindowRig rig;
        rig.start();
        QStringList lines;
        for (int n = 1; n <= 150; ++n)
            lines << QString("Moved %1 to %2").arg(n).arg(n + 2);
        QtMovesPrinter printer(std::make_unique<QPrinter>());
        printer.printer().setOutputFileName(rig.pdfPath);
        MovesWindow(lines.join('\n'), &printer, &rig.prompts).Command2_Click();
        QCOMPARE(rig.prompts.asked, (QMap<QString, QStringList>()));
        const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdfinfo.isEmpty() || pdftotext.isEmpty())
            QSKIP("poppler-utils is not installed: the printed pages cannot be read back");
        const auto run = [](const QString& program, const QStringList& arguments) {
            QProcess reader;
            reader.start(program, arguments);
            return reader.waitForFinished(30000) ? QString::fromUtf8(reader.readAllStandardOutput()) : QString();
        };
        const QRegularExpressionMatch pages = QRegularExpression("^Pages: +(\\d+)$", QRegularExpression::MultilineOption)
                                                  .match(run(pdfinfo, {rig.pdfPath}));
        QVERIFY(pages.hasMatch());
        const int count = pages.captured(1).toInt();
        QVERIFY2(count >= 2, qPrintable(pages.captured(0)));
        // Page 2 goes on where page 1 stopped; the last page ends with the last line; every line is
        // printed once.
        // The lines of each page, without the blanks and the page's end.
        QList<QStringList> onPages;
        for (int page = 1; page <= count; ++page) {
            QStringList text;
            for (const QString& line : run(pdftotext, {"-f", QString::number(page), "-l", QString::number(page), rig.pdfPath, "-"}).split('\n'))
                if (!line.trimmed().isEmpty())
                    text << line.trimmed();
            onPages << text;
        }
        QVERIFY(!onPages[0].isEmpty() && !onPages[1].isEmpty());
        QCOMPARE(lines.indexOf(onPages[1].first()), lines.indexOf(onPages[0].last()) + 1);
        QCOMPARE(onPages.last().last(), lines.last());
        QStringList printed;
        for (const QStringList& page : onPages)
            printed << page;
        QCOMPARE(printed, lines);
    }

    // A name that is a folder's is no file to replace: nothing asks to replace it, the save is told
    // as failed with the name and the reason, and the folder keeps what it holds.
    void savingUnderAFoldersNameIsToldAndLosesNothing()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        rig.play(19, 2);
        const QString folder = rig.file("games.dvg");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(FileStore::write(folder + "/kept.dvm", "kept"));
        const std::pair<QString, std::function<void()>> saves[] = {{"The game", [&] { part<FileCommands>(window).savegame(); }},
                                                                   {"The moves", [&] { part<FileCommands>(window).savemoves(); }}};
        for (const auto& [what, save] : saves) {
            rig.prompts.files << folder;
            rig.prompts.answers << true;
            save();
            QCOMPARE(rig.prompts.asked.value("yesno"), QStringList());
            const QString message = rig.prompts.last("message");
            QVERIFY2(message.startsWith("The Dorv / " + what + " could not be saved to the file\n" + folder + "\n\nFilename refers to a directory")
                         && message.endsWith(" / Critical"),
                     qPrintable(message));
        }
        QCOMPARE(rig.prompts.asked.value("message").size(), 2);
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList("kept.dvm"));
        QCOMPARE(FileStore::read(folder + "/kept.dvm").value_or(""), "kept");
    }

};

QTEST_MAIN(TestFileCommands)
#include "test_file_commands.moc"
