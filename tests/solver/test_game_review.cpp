// The review of a game: the best finish before and after each move, against a plain exhaustive
// search on small games, and where the moves cannot all be played or the caller cancels.
#include "plain_search.h"
#include "solver/bit_board.h"
#include "solver/game_review.h"
#include "solver/jump_order.h"

#include <QTest>

#include <atomic>
#include <bit>
#include <random>

namespace {
using Bits = BitBoard::Bits;
using Jump = JumpTable::Jump;

// A game of random jumps from `start` to its end.
std::vector<Jump> randomGame(Bits start, std::mt19937_64& random)
{
    std::vector<Jump> jumps;
    int codes[JumpOrder::kCodes];
    for (Bits balls = start;;) {
        const int open = JumpOrder::openJumps(balls, codes);
        if (open == 0)
            return jumps;
        const int code = codes[random() % static_cast<unsigned>(open)];
        jumps.push_back(JumpOrder::jumpOf(code));
        balls ^= JumpOrder::maskOf(code);
    }
}

Bits randomPattern(int balls, std::mt19937_64& random)
{
    Bits pattern = 0;
    while (std::popcount(pattern) < balls)
        pattern |= BitBoard::bitOf(static_cast<HoleNumber>(1 + random() % kHoleCount));
    return pattern;
}

QByteArray shown(const MoveValue& v)
{
    return QByteArray::number(v.before) + " -> " + QByteArray::number(v.after) + (v.proven ? "" : " not proven");
}
}

class TestGameReview : public QObject {
    Q_OBJECT
private slots:
    void smallGames();
    void unplayable_data();
    void unplayable();
    void cancelled();
    void wholeGame();
};

// Random games from random patterns of 14 to 20 balls: each move's finishes are the plain search's
// of the positions around it, all proven, with one solver reviewing game after game.
void TestGameReview::smallGames()
{
    std::mt19937_64 random(20261209);
    HintSolver solver(4 << 20);
    GameReview review(solver);
    int mistakes = 0;
    for (int game = 0; game < 12; ++game) {
        const Bits start = randomPattern(14 + game % 7, random);
        const std::vector<Jump> jumps = randomGame(start, random);
        const std::vector<MoveValue> values = review.review(BitBoard::toBalls(start), jumps);
        QCOMPARE(values.size(), jumps.size());
        Bits balls = start;
        int before = PlainSearch().bestFinish(balls);
        for (std::size_t i = 0; i < jumps.size(); ++i) {
            balls ^= BitBoard::bitOf(jumps[i].origin) ^ BitBoard::bitOf(jumps[i].jumped) ^ BitBoard::bitOf(jumps[i].destination);
            const int after = PlainSearch().bestFinish(balls);
            const MoveValue expected{before, after, true};
            QVERIFY2(values[i] == expected, QByteArray::number(start, 16) + " move " + QByteArray::number(static_cast<int>(i))
                                               + ": " + shown(values[i]) + ", expected " + shown(expected));
            mistakes += after > before ? 1 : 0;
            before = after;
        }
    }
    QVERIFY(mistakes > 5);
}

// The review stops before the first jump that cannot be played, whatever is wrong with it.
void TestGameReview::unplayable_data()
{
    QTest::addColumn<Jump>("jump");
    // From the start at 19 (the centre): 17 over 18 to 19 is played first, then the jump below.
    QTest::newRow("playable") << Jump{31, 25, 18};
    QTest::newRow("no ball to move") << Jump{17, 18, 19};
    QTest::newRow("no ball to jump over") << Jump{16, 17, 18};
    QTest::newRow("no room") << Jump{32, 26, 19};
    QTest::newRow("another hole jumped over") << Jump{31, 24, 18};
    QTest::newRow("not a run of three") << Jump{30, 25, 18};
    QTest::newRow("off the board") << Jump{0, 18, 19};
}

Q_DECLARE_METATYPE(Jump)

void TestGameReview::unplayable()
{
    QFETCH(Jump, jump);
    HintSolver solver(1 << 20);
    GameReview review(solver);
    const std::vector<MoveValue> values = review.review(HoleNumber{19}, {Jump{17, 18, 19}, jump});
    const bool playable = QByteArray(QTest::currentDataTag()) == "playable";
    QCOMPARE(values.size(), std::size_t{playable ? 2u : 1u});
    QVERIFY2(values[0].proven && values[0].before == 2 && values[0].after == 2, shown(values[0]));
}

// Cancelled before it starts, the review searches nothing: every finish is the balls on the
// board, unproven.
void TestGameReview::cancelled()
{
    HintSolver solver(1 << 20, HintSolver::Book::Ignore);
    GameReview review(solver);
    const std::vector<Jump> jumps{{17, 18, 19}, {5, 11, 18}, {4, 10, 17}};
    std::atomic<bool> cancel = true;
    const std::vector<MoveValue> none = review.review(HoleNumber{19}, jumps, &cancel);
    QCOMPARE(none, (std::vector<MoveValue>{{36, 35, false}, {35, 34, false}, {34, 33, false}}));
}

// A game of 35 moves reviewed: the solver's own best line from a corner start keeps one ball in
// reach at every move, proven.
void TestGameReview::wholeGame()
{
    HintSolver solver;
    std::vector<Jump> jumps;
    Bits balls = BitBoard::holes() & ~BitBoard::bitOf(1);
    for (;;) {
        const Hint hint = solver.bestMove(BitBoard::toBalls(balls));
        if (!hint.jump)
            break;
        jumps.push_back(*hint.jump);
        balls ^= BitBoard::bitOf(hint.jump->origin) ^ BitBoard::bitOf(hint.jump->jumped) ^ BitBoard::bitOf(hint.jump->destination);
    }
    QCOMPARE(jumps.size(), std::size_t{35});
    solver.forget();
    GameReview review(solver);
    for (const MoveValue& value : review.review(HoleNumber{1}, jumps))
        QVERIFY2(value == (MoveValue{1, 1, true}), shown(value));
}

QTEST_APPLESS_MAIN(TestGameReview)
#include "test_game_review.moc"
