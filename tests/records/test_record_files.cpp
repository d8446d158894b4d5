// The moves file, the saved-game file and the moves text, byte for byte.
#include "board/game.h"
#include "records/byte_lines.h"
#include "records/code_page.h"
#include "records/move_history.h"
#include "records/moves_file.h"
#include "records/moves_text.h"
#include "records/saved_game_file.h"

#include <QTest>

#include <string>
#include <vector>

namespace {
using Strings = std::vector<std::string>;

QByteArray q(const std::string& s) { return QByteArray::fromStdString(s); }
QByteArrayList q(const Strings& list)
{
    QByteArrayList out;
    for (const std::string& s : list)
        out << q(s);
    return out;
}
std::string s(const QByteArray& bytes) { return bytes.toStdString(); }

QList<int> emptyHoles(const Game& game)
{
    QList<int> holes;
    for (int hole = 1; hole <= kHoleCount; ++hole)
        if (game.board().isEmpty(hole))
            holes << hole;
    return holes;
}

QList<int> range(int from, int to)
{
    QList<int> holes;
    for (int h = from; h <= to; ++h)
        holes << h;
    return holes;
}

QByteArray repeat(const QByteArray& line, int times) { return (line + "\r\n").repeated(times); }

const QByteArray kEmpty("\xB2");
const QByteArray kBall("\xB3");
}

class TestRecordFiles : public QObject {
    Q_OBJECT
private slots:
    void movesSerialise_data();
    void movesSerialise();
    void movesRoundTrip();
    void movesRead_data();
    void movesRead();
    void movesReadStopsAtBadLine_data();
    void movesReadStopsAtBadLine();
    void savedSerialise();
    void savedRead_data();
    void savedRead();
    void movesText();
    void codePage();
};

void TestRecordFiles::movesSerialise_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QByteArrayList>("moves"); // origin, destination, origin, ...
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("start only") << QByteArray("19") << QByteArrayList{} << QByteArray("ST19\r\n");
    QTest::newRow("nothing") << QByteArray() << QByteArrayList{} << QByteArray("ST\r\n");
    QTest::newRow("two moves") << QByteArray("19") << QByteArrayList{"17", "19", "30", "17"}
                               << QByteArray("L117\r\nL219\r\nL130\r\nL217\r\nST19\r\n");
}

void TestRecordFiles::movesSerialise()
{
    QFETCH(QByteArray, start);
    QFETCH(QByteArrayList, moves);
    QFETCH(QByteArray, bytes);
    MoveHistory history;
    history.setStartHole(s(start));
    for (int k = 0; k + 1 < moves.size(); k += 2)
        history.append(s(moves[k]), s(moves[k + 1]));
    QCOMPARE(q(MovesFile::serialise(history)), bytes);
}

void TestRecordFiles::movesRoundTrip()
{
    MoveHistory history;
    history.setStartHole("19");
    history.append("17", "19");
    history.append("30", "17");
    history.append("26", "24");
    MoveHistory loaded;
    QVERIFY(MovesFile::read(MovesFile::serialise(history), loaded));
    QCOMPARE(q(loaded.startHole()), QByteArray("19"));
    QCOMPARE(q(loaded.origins()), q(history.origins()));
    QCOMPARE(q(loaded.destinations()), q(history.destinations()));
}

// Files that all read as start 19 with the one move 17 -> 19.
void TestRecordFiles::movesRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF") << QByteArray("L117\r\nL219\r\nST19\r\n");
    QTest::newRow("start first") << QByteArray("ST19\r\nL117\r\nL219\r\n");
    QTest::newRow("later start wins") << QByteArray("ST5\r\nL117\r\nL219\r\nST19\r\n");
    QTest::newRow("LF only") << QByteArray("L117\nL219\nST19\n");
    QTest::newRow("CR only") << QByteArray("L117\rL219\rST19\r");
    QTest::newRow("no final line end") << QByteArray("L117\r\nL219\r\nST19");
}

void TestRecordFiles::movesRead()
{
    QFETCH(QByteArray, bytes);
    MoveHistory history;
    QVERIFY(MovesFile::read(s(bytes), history));
    QCOMPARE(q(history.startHole()), QByteArray("19"));
    QCOMPARE(q(history.origins()), QByteArrayList{"17"});
    QCOMPARE(q(history.destinations()), QByteArrayList{"19"});
}

// Reading stops at a line with no known tag: what came before stays, nothing after is read.
void TestRecordFiles::movesReadStopsAtBadLine_data()
{
    QTest::addColumn<QByteArray>("bad");
    QTest::newRow("lower-case tag") << QByteArray("st19");
    QTest::newRow("empty line") << QByteArray("");
    QTest::newRow("one character") << QByteArray("L");
    QTest::newRow("unknown tag") << QByteArray("L319");
}

void TestRecordFiles::movesReadStopsAtBadLine()
{
    QFETCH(QByteArray, bad);
    MoveHistory history;
    QVERIFY(!MovesFile::read(s("L117\r\n" + bad + "\r\nL219\r\nST19\r\n"), history));
    QCOMPARE(q(history.origins()), QByteArrayList{"17"});
    QVERIFY(history.destinations().empty());
    QVERIFY(history.startHole().empty());
}

void TestRecordFiles::savedSerialise()
{
    Board board;
    board.fill();
    QCOMPARE(q(SavedGameFile::serialise(board, 1)), repeat(kBall, 37) + "s\xB2\r\n");
    board.empty(19);
    QCOMPARE(q(SavedGameFile::serialise(board, 0)),
             repeat(kBall, 18) + repeat(kEmpty, 1) + repeat(kBall, 18) + "s\xB3\r\n");
}

// Each file is applied to a new game (full board, starting ball to remove).
void TestRecordFiles::savedRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("corrupted");
    QTest::addColumn<QList<int>>("empty");
    QTest::addColumn<int>("firstball");

    QTest::newRow("round trip") << repeat(kBall, 18) + repeat(kEmpty, 1) + repeat(kBall, 18) + "s\xB3\r\n"
                                << false << QList<int>{19} << 0;
    QTest::newRow("only 10 lines") << repeat(kEmpty, 10) << false << range(1, 10) << 1;
    QTest::newRow("state line first") << "s\xB2\r\n" + repeat(kEmpty, 3) << false << range(2, 4) << 1;
    QTest::newRow("under way") << QByteArray("s\xB3\r\n") << false << QList<int>{} << 0;
    QTest::newRow("x") << kEmpty + "\r\nx\r\n" + repeat(kEmpty, 3) << true << QList<int>{1} << 1;
    QTest::newRow("empty line") << kEmpty + "\r\n\r\n" + repeat(kEmpty, 3) << true << QList<int>{1} << 1;
    QTest::newRow("capital S") << kEmpty + "\r\nS\xB2\r\n" + repeat(kEmpty, 3) << true << QList<int>{1} << 1;
    QTest::newRow("hole at line 38") << repeat(kEmpty, 38) << true << range(1, 37) << 1;
    QTest::newRow("state first, 37 holes") << "s\xB3\r\n" + repeat(kEmpty, 37) << true << range(2, 37) << 0;
}

void TestRecordFiles::savedRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, corrupted);
    QFETCH(QList<int>, empty);
    QFETCH(int, firstball);
    const SavedGameFile::Reading reading = SavedGameFile::read(s(bytes));
    QCOMPARE(reading.corrupted, corrupted);
    Game game;
    game.startNewGame();
    game.applySavedGame(reading.entries);
    QCOMPARE(emptyHoles(game), empty);
    QCOMPARE(int(game.state().firstball), firstball);
    QCOMPARE(q(game.prompt()), QByteArray(firstball == 1 ? Game::kStartPrompt : ""));
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

void TestRecordFiles::codePage()
{
    const std::string bytes = CodePage::fromUtf8("Zo\u00EB \u20AC");
    QCOMPARE(q(bytes), QByteArray("Zo\xEB \x80"));
    QCOMPARE(QString::fromStdString(CodePage::toUtf8(bytes)), QString::fromUtf8("Zo\u00EB \u20AC"));
    QCOMPARE(q(CodePage::fromUtf8("a\u65E5b")), QByteArray("a?b"));
    QCOMPARE(q(CodePage::fromUtf8("a\xFF" "b")), QByteArray("a?b")); // broken UTF-8

    const auto lines = ByteLines::split("a\r\n\r\nb\rc\nd");
    QCOMPARE(int(lines.size()), 5);
    QCOMPARE(q(std::string(lines[1])), QByteArray());
    QCOMPARE(q(std::string(lines[4])), QByteArray("d"));
    QCOMPARE(q(ByteLines::join({"a", ""})), QByteArray("a\r\n\r\n"));
}

QTEST_APPLESS_MAIN(TestRecordFiles)
#include "test_record_files.moc"
