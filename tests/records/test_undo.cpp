// Undo: taking back the starting removal or the last move, with its penalty on the counter.
#include "board/game.h"
#include "board/jump_table.h"
#include "scoring/score_number.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {
using Jump = JumpTable::Jump;
using Strings = std::vector<std::string>;

struct Recorder : GameObserver {
    int panels = 0;
    int changes = 0;
    int sounds = 0;
    void hidePanels() override { ++panels; }
    void boardChanged() override { ++changes; }
    void playsound() override { ++sounds; }
};

QList<int> emptyHoles(const Game& game)
{
    QList<int> holes;
    for (int hole = 1; hole <= kHoleCount; ++hole)
        if (game.board().isEmpty(hole))
            holes << hole;
    return holes;
}

QList<int> sorted(QList<int> holes)
{
    std::sort(holes.begin(), holes.end());
    return holes;
}

QByteArray q(const std::string& s) { return QByteArray::fromStdString(s); }
QByteArrayList q(const Strings& list)
{
    QByteArrayList out;
    for (const std::string& s : list)
        out << q(s);
    return out;
}

struct Snapshot {
    QList<int> empty;
    int firstball, selstate, selhole;
    std::string counter, prompt, start;
    Strings origins, destinations;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const Game& g)
{
    return {emptyHoles(g), g.state().firstball, g.state().selstate, g.state().selhole, g.counter(), g.prompt(),
            g.history().startHole(), g.history().origins(), g.history().destinations()};
}

void click(Game& game, int from, int to)
{
    game.Image1_Click(from);
    game.Image1_Click(to);
}

// `count` legal jumps in a row from the board with only 19 empty, found by depth-first search.
std::vector<Jump> legalGame(int count)
{
    std::array<bool, kHoleCount + 1> ball;
    ball.fill(true);
    ball[19] = false;
    std::vector<Jump> moves;
    std::function<bool()> search = [&] {
        if (int(moves.size()) == count)
            return true;
        for (const Jump& j : JumpTable::instance().jumps()) {
            if (!ball[j.origin] || !ball[j.jumped] || ball[j.destination])
                continue;
            ball[j.origin] = ball[j.jumped] = false;
            ball[j.destination] = true;
            moves.push_back(j);
            if (search())
                return true;
            moves.pop_back();
            ball[j.origin] = ball[j.jumped] = true;
            ball[j.destination] = false;
        }
        return false;
    };
    search();
    return moves;
}

// A game started at 19 with `count` moves played by clicks.
void playGame(Game& game, int count)
{
    const std::vector<Jump> moves = legalGame(count);
    QCOMPARE(int(moves.size()), count);
    game.startNewGame();
    game.Image1_Click(19);
    for (const Jump& j : moves)
        click(game, j.origin, j.destination);
    QCOMPARE(game.history().count(), std::size_t(count));
}

double penalised(double v) { return v - v * 10 / 100 - 1; }
}

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    void undoBeforeStart();
    void undoStartingRemoval();
    void undoOneMove();
    void undoEveryJump();
    void undoRestoresJumpedHole_data();
    void undoRestoresJumpedHole();
    void penalty_data();
    void penalty();
    void undosRunBackwards();
    void undoDropsSelection_data();
    void undoDropsSelection();
    void undoEditedHistory_data();
    void undoEditedHistory();
};

void TestUndo::undoBeforeStart()
{
    Recorder rec;
    Game game(&rec);
    game.startNewGame();
    const Snapshot before = snapshot(game);
    rec = {};
    game.Image18_Click();
    QVERIFY(snapshot(game) == before);
    QCOMPARE(rec.panels, 1);
    QCOMPARE(rec.changes, 0);
    QCOMPARE(rec.sounds, 0);
}

void TestUndo::undoStartingRemoval()
{
    Game game;
    game.startNewGame();
    game.Image1_Click(19);
    game.Image18_Click();
    QVERIFY(emptyHoles(game).isEmpty());
    QCOMPARE(q(game.prompt()), QByteArray(Game::kStartPrompt));
    QCOMPARE(game.state().firstball, 1);
    QCOMPARE(q(game.counter()), QByteArray("0"));
    QCOMPARE(q(game.history().startHole()), QByteArray("19"));

    const Snapshot after = snapshot(game);
    game.Image18_Click();
    QVERIFY(snapshot(game) == after);
}

void TestUndo::undoOneMove()
{
    Game game;
    game.startNewGame();
    game.Image1_Click(19);
    click(game, 17, 19);
    QCOMPARE(q(game.counter()), QByteArray("1"));
    game.Image18_Click();
    QCOMPARE(emptyHoles(game), QList<int>{19});
    QVERIFY(game.history().origins().empty() && game.history().destinations().empty());
    QCOMPARE(q(game.counter()), QByteArray("-0.1"));
    QCOMPARE(q(game.history().startHole()), QByteArray("19"));
    QCOMPARE(game.state().firstball, 0);
}

// The undo finds the jumped hole by arithmetic on the hole numbers, not from the table; the
// number differences between rows of unequal width are where it can go wrong.
void TestUndo::undoEveryJump()
{
    for (const Jump& j : JumpTable::instance().jumps()) {
        const QString name = QString("%1 -> %2").arg(j.origin).arg(j.destination);
        QCOMPARE(Game::undoJumpedHole(j.origin, j.destination).value_or(0), int(j.jumped));

        Game game;
        game.startNewGame();
        game.Image1_Click(j.destination);
        click(game, j.origin, j.destination);
        QVERIFY2(sorted({j.origin, j.jumped}) == emptyHoles(game), qPrintable(name));
        game.Image18_Click();
        QVERIFY2(emptyHoles(game) == QList<int>{j.destination}, qPrintable(name));
    }
}

void TestUndo::undoRestoresJumpedHole_data()
{
    QTest::addColumn<int>("origin");
    QTest::addColumn<int>("destination");
    QTest::addColumn<int>("jumped");
    QTest::newRow("25 -> 35") << 25 << 35 << 31;
    QTest::newRow("35 -> 25") << 35 << 25 << 31;
    QTest::newRow("1 -> 11") << 1 << 11 << 5;
    QTest::newRow("11 -> 1") << 11 << 1 << 5;
    QTest::newRow("4 -> 17") << 4 << 17 << 10;
    QTest::newRow("30 -> 17") << 30 << 17 << 24;
    QTest::newRow("20 -> 7") << 20 << 7 << 13;
    QTest::newRow("9 -> 23") << 9 << 23 << 16;
    QTest::newRow("18 -> 16") << 18 << 16 << 17;
}

void TestUndo::undoRestoresJumpedHole()
{
    QFETCH(int, origin);
    QFETCH(int, destination);
    QFETCH(int, jumped);
    QCOMPARE(Game::undoJumpedHole(origin, destination).value_or(0), jumped);
    Game game;
    game.startNewGame();
    game.Image1_Click(destination);
    click(game, origin, destination);
    QCOMPARE(emptyHoles(game), sorted({origin, jumped}));
    game.Image18_Click();
    QCOMPARE(emptyHoles(game), QList<int>{destination});
}

// The counter loses a tenth of its value and one more.
void TestUndo::penalty_data()
{
    QTest::addColumn<int>("moves");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("0") << 0 << QByteArray("-1");
    QTest::newRow("1") << 1 << QByteArray("-0.1");
    QTest::newRow("3") << 3 << QByteArray("1.7");
    QTest::newRow("15") << 15 << QByteArray("12.5");
    QTest::newRow("20") << 20 << QByteArray("17");
    QTest::newRow("30") << 30 << QByteArray("26");
}

void TestUndo::penalty()
{
    QFETCH(int, moves);
    QFETCH(QByteArray, after);
    Game game;
    if (moves == 0) { // a counter of 0 with a move to take back: an edited history
        playGame(game, 0);
        game.history().append("17", "19");
    } else {
        playGame(game, moves);
    }
    QCOMPARE(q(game.counter()), QByteArray::number(moves));
    game.Image18_Click();
    QCOMPARE(q(game.counter()), after);
}

// Undos take the moves back last first, each charging the penalty on the counter as it then stands.
void TestUndo::undosRunBackwards()
{
    const std::vector<Jump> moves = legalGame(3);
    Game game;
    game.startNewGame();
    game.Image1_Click(19);
    std::vector<QList<int>> boards;
    for (const Jump& j : moves) {
        boards.push_back(emptyHoles(game));
        click(game, j.origin, j.destination);
    }
    const Strings origins = game.history().origins();
    const Strings destinations = game.history().destinations();
    QCOMPARE(origins.size(), std::size_t(3));
    double value = 3;
    for (int k = 2; k >= 0; --k) {
        game.Image18_Click();
        value = penalised(value);
        QCOMPARE(emptyHoles(game), boards[k]);
        QCOMPARE(q(game.history().origins()), q(Strings(origins.begin(), origins.begin() + k)));
        QCOMPARE(q(game.history().destinations()), q(Strings(destinations.begin(), destinations.begin() + k)));
        QVERIFY(std::abs(ScoreNumber::parse(game.counter()).value_or(1e9) - value) < 1e-9);
    }
    QCOMPARE(q(game.counter()), QByteArray(ScoreNumber::format(value).c_str()));
}

void TestUndo::undoDropsSelection_data()
{
    QTest::addColumn<bool>("withMove");
    QTest::newRow("starting removal") << false;
    QTest::newRow("move") << true;
}

void TestUndo::undoDropsSelection()
{
    QFETCH(bool, withMove);
    Game game;
    game.startNewGame();
    game.Image1_Click(19);
    if (withMove)
        click(game, 17, 19);
    game.Image1_Click(30);
    QVERIFY(game.isFramed(30));
    game.Image18_Click();
    QCOMPARE(game.state().selstate, 0);
    QCOMPARE(game.state().selhole, 0);
    QVERIFY(!game.isFramed(30));
}

// Moves loaded from an edited file may hold anything; only holes they name may change.
void TestUndo::undoEditedHistory_data()
{
    QTest::addColumn<QByteArray>("origin");
    QTest::addColumn<QByteArray>("destination");
    QTest::addColumn<bool>("hasDestination");
    QTest::addColumn<QList<int>>("empty");
    const QList<int> unchanged{17, 18};
    QTest::newRow("x, 99") << QByteArray("x") << QByteArray("99") << true << unchanged;
    QTest::newRow("empty texts") << QByteArray("") << QByteArray("") << true << unchanged;
    QTest::newRow("-5, 0") << QByteArray("-5") << QByteArray("0") << true << unchanged;
    QTest::newRow("x, 19") << QByteArray("x") << QByteArray("19") << true << QList<int>{17, 18, 19};
    QTest::newRow("17, 99") << QByteArray("17") << QByteArray("99") << true << QList<int>{18};
    QTest::newRow("40, no destination") << QByteArray("40") << QByteArray() << false << unchanged;
    QTest::newRow("17, no destination") << QByteArray("17") << QByteArray() << false << QList<int>{18};
}

void TestUndo::undoEditedHistory()
{
    QFETCH(QByteArray, origin);
    QFETCH(QByteArray, destination);
    QFETCH(bool, hasDestination);
    QFETCH(QList<int>, empty);
    Game game;
    game.startNewGame();
    game.Image1_Click(19);
    click(game, 17, 19);
    if (hasDestination)
        game.history().append(origin.toStdString(), destination.toStdString());
    else
        game.history().appendOrigin(origin.toStdString());
    game.Image18_Click();
    QCOMPARE(emptyHoles(game), empty);
    QCOMPARE(q(game.history().origins()), q(Strings{"17"}));
    QCOMPARE(q(game.history().destinations()), q(Strings{"19"}));
}

QTEST_APPLESS_MAIN(TestUndo)
#include "test_undo.moc"
