// The moves file, the saved-game file and the moves text, byte for byte.
#include "records/moves_file.h"
#include "records/moves_text.h"
#include "scoring/high_score_file.h"
#include "support/core_test_helpers.h"

#include <QTest>

using namespace coretest;

namespace {
QByteArray lines(const char* line, int times) { return (QByteArray(line) + "\r\n").repeated(times); }
}

class TestRecordFiles : public QObject {
    Q_OBJECT
private slots:
    void movesSerialise();
    void movesRead();
    void savedSerialise();
    void savedRead_data();
    void savedRead();
    void movesText();
    void codePageEdges();
};

// Written byte for byte, and read back to the same history.
void TestRecordFiles::movesSerialise()
{
    MoveHistory history;
    QCOMPARE(q(MovesFile::serialise(history)), QByteArray("ST\r\n"));
    history.setStartHole("19");
    QCOMPARE(q(MovesFile::serialise(history)), QByteArray("ST19\r\n"));
    history.append("17", "19");
    history.append("30", "17");
    const std::string bytes = MovesFile::serialise(history);
    QCOMPARE(q(bytes), QByteArray("L117\r\nL219\r\nL130\r\nL217\r\nST19\r\n"));
    MoveHistory loaded;
    QVERIFY(MovesFile::read(bytes, loaded));
    QCOMPARE(summary(loaded), summary(history));
}

// Files that read as start 19 with the move 17 -> 19, whatever the order and line ends; and files
// that stop at a line with no known tag, keeping what came before it and reading nothing after.
void TestRecordFiles::movesRead()
{
    for (const char* bytes : {"ST19\r\nL117\r\nL219\r\n", "ST5\r\nL117\r\nL219\r\nST19\r\n", "L117\nL219\nST19\n",
                              "L117\rL219\rST19\r"}) {
        MoveHistory history;
        QVERIFY2(MovesFile::read(bytes, history) && summary(history) == "start 19, from 17, to 19", bytes);
    }
    for (const char* bad : {"st19", "", "L", "L319"}) {
        MoveHistory history;
        QVERIFY2(!MovesFile::read("L117\r\n" + std::string(bad) + "\r\nL219\r\nST19\r\n", history), bad);
        QCOMPARE(summary(history), QByteArray("from 17"));
    }
}

void TestRecordFiles::savedSerialise()
{
    Board board;
    board.fill();
    QCOMPARE(q(SavedGameFile::serialise(board, 1)), lines("\xB3", 37) + "s\xB2\r\n");
    board.empty(19);
    QCOMPARE(q(SavedGameFile::serialise(board, 0)),
             lines("\xB3", 18) + lines("\xB2", 1) + lines("\xB3", 18) + "s\xB3\r\n");
}

// Each file is applied to a new game (full board, starting ball to remove). A line that is no
// token, or a hole token past line 37, makes the file corrupted; the lines before it still count.
void TestRecordFiles::savedRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("corrupted");
    QTest::addColumn<QByteArray>("after");
    const auto row = [](const char* name, const QByteArray& bytes, bool corrupted, const char* after) {
        QTest::newRow(name) << bytes << corrupted << QByteArray(after);
    };
    const QByteArray hole1 = lines("\xB2", 1);
    row("whole file", lines("\xB3", 18) + hole1 + lines("\xB3", 18) + "s\xB3\r\n", false, "empty 19, counter 0");
    row("only 10 lines", lines("\xB2", 10), false, "empty 1 2 3 4 5 6 7 8 9 10, counter 0, waiting");
    row("state line first", "s\xB2\r\n" + lines("\xB2", 3), false, "empty 2 3 4, counter 0, waiting");
    row("last line unterminated", lines("\xB2", 2) + "\xB2", false, "empty 1 2 3, counter 0, waiting");
    row("x", hole1 + "x\r\n" + hole1, true, "empty 1, counter 0, waiting");
    row("empty line", hole1 + "\r\n" + hole1, true, "empty 1, counter 0, waiting");
    row("hole at line 38", lines("\xB3", 36) + lines("\xB2", 2), true, "empty 37, counter 0, waiting");
    row("state first, line 38", "s\xB3\r\n" + lines("\xB3", 35) + lines("\xB2", 2), true, "empty 37, counter 0");
}

void TestRecordFiles::savedRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, corrupted);
    QFETCH(QByteArray, after);
    const SavedGameFile::Reading reading = SavedGameFile::read(s(bytes));
    QCOMPARE(reading.corrupted, corrupted);
    Game game;
    game.startNewGame();
    game.loadPosition(reading.entries);
    QCOMPARE(summary(game), after);
}

void TestRecordFiles::movesText()
{
    const QByteArray board = "The board\r\n1  2  3\r\n4  5  6  7  8\r\n9  10 11 12 13 14 15\r\n"
                             "16 17 18 19 20 21 22\r\n23 24 25 26 27 28 29\r\n30 31 32 33 34\r\n35 36 37\r\n"
                             "\r\nMOVES\r\n";
    MoveHistory history;
    QCOMPARE(q(MovesText::build(history)), board + "Ball removed to start \r\nPLAYED GAME");
    history.setStartHole("19");
    history.append("17", "19");
    QCOMPARE(q(MovesText::build(history)), board + "Ball removed to start 19\r\nPLAYED GAME\r\nMoved 17 to 19");
    for (int k = 1; k < 35; ++k)
        history.append("1", "3");
    const QByteArray text = q(MovesText::build(history));
    QCOMPARE(text.count("\r\n"), 46); // 47 lines, no break after the last
    QVERIFY(!text.endsWith('\n'));
}

// Every byte from 0x80 up, in a hall-of-fame name and in a moves-file entry, is read as its
// character and written back as the same byte; the edges of the block that differs from
// Latin-1 (0x80, 0x81 unused, 0x9F) and of the file's range (0xA0, 0xFF) are the characters of
// the code page.
void TestRecordFiles::codePageEdges()
{
    const std::pair<unsigned char, const char*> edges[] = {
        {0x80, "\u20AC"}, {0x81, "\u0081"}, {0x9F, "\u0178"}, {0xA0, "\u00A0"}, {0xFF, "\u00FF"}};
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string byte(1, static_cast<char>(b));
        HallOfFame hall;
        HighScoreFile::read("hs1n" + byte + "\r\n", hall);
        QVERIFY2(HighScoreFile::serialise(hall).rfind("hs1n" + byte + "\r\n", 0) == 0, qPrintable(QString::number(b, 16)));
        MoveHistory history;
        QVERIFY(MovesFile::read("L1" + byte + "\r\nST\r\n", history));
        QCOMPARE(q(MovesFile::serialise(history)), q("L1" + byte + "\r\nST\r\n"));
        for (const auto& [edge, utf8] : edges)
            if (b == edge) {
                QCOMPARE(q(hall.name(1)), QByteArray(utf8));
                QCOMPARE(q(history.origin(0)), QByteArray(utf8));
            }
    }
}

QTEST_APPLESS_MAIN(TestRecordFiles)
#include "test_record_files.moc"
