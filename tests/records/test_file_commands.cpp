#include "support/window_rig.h"

#include "records/file_store.h"
#include "records/moves_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

namespace {
void writeBytes(const QString& path, const std::string& bytes) { QVERIFY(FileStore::write(path, bytes)); }

std::string readBytes(const QString& path) { return FileStore::read(path).value_or("<missing>"); }

const QString kSupportSentence =
    QStringLiteral("If the problem persists, please contact The Dorv support line and tell them which file it was.");
}

// The file commands, the replay and the moves window, driven as the player drives them.
class TestFileCommands : public QObject {
    Q_OBJECT

private slots:
    void savesAndLoadsMovesThroughTheDialogs()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        rig.play(19, 3);
        const MoveHistory played = rig.game().history();
        const QString path = rig.file(QStringLiteral("game.dvm"));
        rig.prompts.files.enqueue(path);
        window.savemoves();
        const auto& save = rig.prompts.asked.constLast();
        QCOMPARE(save.title, QStringLiteral("Save Moves"));
        QCOMPARE(save.filter, QStringLiteral("The Dorv Game Moves(*.dvm)|*.dvm|All Files (*.*)|*.*"));
        QCOMPARE(save.suffix, QStringLiteral("dvm"));
        QVERIFY(readBytes(path).ends_with("ST19\r\n"));

        rig.prompts.files.enqueue(path);
        rig.prompts.answers.enqueue(true);
        window.loadmoves();
        QCOMPARE(rig.prompts.asked[1].kind, QStringLiteral("open"));
        QCOMPARE(rig.prompts.asked[1].title, QStringLiteral("Load Moves"));
        QCOMPARE(rig.prompts.asked[1].filter, QStringLiteral("The Dorv Game Moves (*.dvm)|*.dvm|All Files (*.*)|*.*"));
        const auto& confirm = rig.prompts.asked[2];
        QCOMPARE(confirm.text, QStringLiteral("Loading a MOVES file shall clear the current game. Are you sure you "
                                              "want to continue?"));
        QCOMPARE(confirm.title, QStringLiteral("The Dorv"));
        QVERIFY(confirm.yesIsDefault);
        QCOMPARE(rig.game().history().origins(), played.origins());
        QCOMPARE(rig.game().history().destinations(), played.destinations());
        QCOMPARE(rig.game().history().startHole(), std::string("19"));
        QCOMPARE(rig.game().board().emptyCount(), 0);
        QCOMPARE(rig.game().counter(), std::string("0"));
        QCOMPARE(int(rig.game().state().firstball), 1);
        QCOMPARE(rig.find<QListWidget>(QStringLiteral("List1"))->count(), 3);
    }

    void refusingTheConfirmationLeavesTheGame()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        rig.play(19, 2);
        const QString path = rig.file(QStringLiteral("other.dvm"));
        writeBytes(path, "ST5\r\n");
        rig.prompts.files.enqueue(path);
        rig.prompts.answers.enqueue(false);
        window.loadmoves();
        QCOMPARE(rig.game().history().count(), std::size_t(2));
        QCOMPARE(rig.game().counter(), std::string("2"));
        QCOMPARE(rig.game().board().emptyCount(), 3);
    }

    void aCorruptedMovesFileKeepsWhatWasReadAndSaysSo()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        const QString path = rig.file(QStringLiteral("bad.dvm"));
        writeBytes(path, "L117\r\nL219\r\nst19\r\nL130\r\n");
        rig.prompts.files.enqueue(path);
        rig.prompts.answers.enqueue(true);
        window.loadmoves();
        const auto& report = rig.prompts.asked.constLast();
        QCOMPARE(report.title, QStringLiteral("Error reading file"));
        QCOMPARE(report.icon, Prompts::Icon::Critical);
        QCOMPARE(report.text, QStringLiteral("The game moves file is corrupted. You can not load this file.\r\r") + kSupportSentence);
        QCOMPARE(rig.game().history().count(), std::size_t(1));
        QCOMPARE(rig.game().history().startHole(), std::string());
    }

    void aFileThatCannotBeOpenedBringsTheDialogBack()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        rig.prompts.files.enqueue(rig.file(QStringLiteral("nowhere.dvg")));
        rig.prompts.files.enqueue(QString()); // then cancelled
        window.loadgame();
        QCOMPARE(rig.prompts.count(QStringLiteral("open")), 2);
        const auto& message = rig.prompts.asked[1];
        QCOMPARE(message.text, QStringLiteral("File not found. Please check filename or browse to saved directory and "
                                              "select file."));
        QCOMPARE(message.title, QStringLiteral("The Dorv"));
        QCOMPARE(rig.game().board().emptyCount(), 0);
    }

    void replacingAFileIsAskedAndNoBringsTheDialogBack()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        const QString path = rig.file(QStringLiteral("kept.dvg"));
        writeBytes(path, "old");
        rig.prompts.files.enqueue(path);
        rig.prompts.answers.enqueue(false);
        rig.prompts.files.enqueue(path);
        rig.prompts.answers.enqueue(true);
        window.savegame();
        QCOMPARE(rig.prompts.count(QStringLiteral("save")), 2);
        const auto& question = rig.prompts.asked[1];
        QCOMPARE(question.text, QStringLiteral("The file %1 already exists.\r\rReplace file?").arg(path));
        QCOMPARE(question.title, QStringLiteral("Save file"));
        QVERIFY(!question.yesIsDefault);
        QCOMPARE(rig.prompts.asked[0].title, QStringLiteral("Save Game"));
        QCOMPARE(rig.prompts.asked[0].filter, QStringLiteral("The Dorv Game (*.dvg)|*.dvg|All Files (*.*)|*.*"));
        std::string expected;
        for (int hole = 1; hole <= 37; ++hole)
            expected += "\xB3\r\n";
        QCOMPARE(readBytes(path), expected + "s\xB2\r\n");
    }

    void savesAndLoadsAPosition()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        rig.play(19, 2);
        const Board before = rig.game().board();
        const QString path = rig.file(QStringLiteral("position.dvg"));
        rig.prompts.files.enqueue(path);
        window.savegame();
        window.Image8_Click();
        rig.prompts.files.enqueue(path);
        window.loadgame();
        for (int hole = 1; hole <= 37; ++hole)
            QCOMPARE(rig.game().board().isEmpty(hole), before.isEmpty(hole));
        QCOMPARE(int(rig.game().state().firstball), 0);
        QCOMPARE(rig.find<QLabel>(QStringLiteral("Label1"))->text(), QString());
        // The history is not part of a saved game.
        QCOMPARE(rig.game().history().count(), std::size_t(0));
    }

    void aCorruptedSavedGameIsReportedAndANewGameStarts()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        rig.play(19, 1);
        const QString path = rig.file(QStringLiteral("bad.dvg"));
        writeBytes(path, "\xB2\r\nx\r\n");
        rig.prompts.files.enqueue(path);
        window.loadgame();
        QCOMPARE(rig.prompts.asked.constLast().text,
                 QStringLiteral("The game file is corrupted. You can not load this file.\r\r") + kSupportSentence);
        QCOMPARE(rig.game().board().emptyCount(), 0);
        QCOMPARE(rig.game().counter(), std::string("0"));
    }

    void aSaveThatFailsSaysSoAndKeepsTheOldFile()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        rig.play(19, 1);
        const QString path = rig.file(QStringLiteral("missing-folder/game.dvm"));
        rig.prompts.files.enqueue(path);
        window.savemoves();
        QCOMPARE(rig.prompts.count(QStringLiteral("message")), 1);
        QVERIFY(rig.prompts.asked.constLast().text.contains(QStringLiteral("game.dvm")));
        QVERIFY(!QFile::exists(path));
    }

    void replaysOneMovePerTickWithoutRecording()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        rig.play(19, 3);
        const Board finalBoard = rig.game().board();
        const QString path = rig.file(QStringLiteral("three.dvm"));
        rig.prompts.files.enqueue(path);
        window.savemoves();
        rig.prompts.files.enqueue(path);
        rig.prompts.answers.enqueue(true);
        window.loadmoves();
        rig.sound.played = 0;
        window.playmoves();
        QCOMPARE(window.replayTimer()->interval(), 1000);
        QVERIFY(window.replayTimer()->isActive());
        QVERIFY(rig.game().board().isEmpty(19));
        for (int tick = 1; tick <= 3; ++tick) {
            window.Timer1_Timer();
            QVERIFY(window.replayTimer()->isActive());
        }
        window.Timer1_Timer();
        QVERIFY(!window.replayTimer()->isActive());
        QCOMPARE(rig.sound.played, 4); // the starting removal and three jumps
        for (int hole = 1; hole <= 37; ++hole)
            QCOMPARE(rig.game().board().isEmpty(hole), finalBoard.isEmpty(hole));
        QCOMPARE(rig.game().history().count(), std::size_t(3));
        QCOMPARE(rig.game().counter(), std::string("0"));
        // After the replay, the player's moves count again.
        QCOMPARE(int(rig.game().state().replaying), 0);
    }

    void theMovesWindowShowsTheMovesAndPrintsThem()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        rig.play(19, 1);
        const QString move = QStringLiteral("Moved %1 to %2")
                                 .arg(QString::fromStdString(rig.game().history().origin(0)),
                                      QString::fromStdString(*rig.game().history().destination(0)));
        QString shown;
        QTimer::singleShot(0, this, [&] {
            auto* moves = qobject_cast<MovesWindow*>(QApplication::activeModalWidget());
            QVERIFY(moves);
            QCOMPARE(moves->windowTitle(), QStringLiteral("Moves"));
            shown = moves->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText();
            moves->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
            moves->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        });
        window.showmoves();
        QVERIFY(shown.startsWith(QStringLiteral("The board\n1  2  3\n")));
        QVERIFY(shown.endsWith(QStringLiteral("MOVES\nBall removed to start 19\nPLAYED GAME\n") + move));
        QVERIFY(QFileInfo(rig.pdfPath).size() > 0);
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed: the printed text cannot be read back");
        QProcess reader;
        reader.start(pdftotext, {QStringLiteral("-layout"), rig.pdfPath, QStringLiteral("-")});
        QVERIFY(reader.waitForFinished(30000));
        // pdftotext folds runs of blanks, so compare the words.
        const QString printed = QString::fromUtf8(reader.readAllStandardOutput()).simplified();
        QVERIFY2(printed.contains(QStringLiteral("The board 1 2 3 4 5 6 7 8 9 10 11")), qPrintable(printed));
        QVERIFY(printed.contains(move));
    }

    void printingWithoutAPrinterSaysSo()
    {
        WindowRig rig;
        rig.start();
        ScriptedPrompts prompts;
        MovesWindow moves(QStringLiteral("The board"), nullptr, &prompts);
        moves.Command2_Click();
        QCOMPARE(prompts.count(QStringLiteral("message")), 1);
        QVERIFY(prompts.asked.constLast().text.startsWith(QStringLiteral("No printer is available")));
    }
};

QTEST_MAIN(TestFileCommands)
#include "test_file_commands.moc"
