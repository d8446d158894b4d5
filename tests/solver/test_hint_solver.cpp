// The hint solver: the best finish and a jump towards it, from starts, games under way and ends.
#include "plain_search.h"
#include "board/jump_table.h"
#include "solver/bit_board.h"
#include "solver/finish_book.h"
#include "solver/finish_bound_rows.h"
#include "solver/finish_bounds.h"
#include "solver/hint_solver.h"
#include "solver/pagoda_set.h"
#include "solver/position_class.h"
#include "solver/transposition_table.h"

#include <QTest>

#include <array>
#include <atomic>
#include <map>
#include <bit>
#include <random>
#include <thread>
#include <cstdint>
#include <vector>

namespace {
using Balls = HintSolver::Balls;

Balls withBalls(std::initializer_list<int> holes)
{
    Balls balls{};
    for (int hole : holes)
        balls[hole - 1] = true;
    return balls;
}

Balls fullBut(std::initializer_list<int> holes)
{
    Balls balls;
    balls.fill(true);
    for (int hole : holes)
        balls[hole - 1] = false;
    return balls;
}

Balls fullBut(int hole) { return fullBut({hole}); }

// The holes whose vacancy at the start allows a game to end with one ball.
constexpr int kOneBallStarts[] = {1, 3, 6, 9, 12, 15, 17, 18, 20, 21, 23, 26, 29, 32, 35, 37};

bool isOneBallStart(int hole) { return std::find(std::begin(kOneBallStarts), std::end(kOneBallStarts), hole) != std::end(kOneBallStarts); }

QByteArray describe(const Hint& hint)
{
    QByteArray out = hint.jump ? QByteArray::number(hint.jump->origin) + " over " + QByteArray::number(hint.jump->jumped)
                                     + " to " + QByteArray::number(hint.jump->destination)
                               : QByteArray("no jump");
    if (hint.removal)
        out += ", remove " + QByteArray::number(*hint.removal);
    out += ", " + QByteArray::number(hint.ballsLeft) + " left";
    if (!hint.proven())
        out += ", not proven";
    return out;
}
}

class TestHintSolver : public QObject {
    Q_OBJECT
private slots:
    void boardBits();
    void starts();
    void followingTheHints();
    void namedPositions_data();
    void namedPositions();
    void cancelled();
    void table();
    void finishBounds();
    void finishBook();
    void smallPositions();
    void longSearches_data();
    void longSearches();
    void searchedBothWays();

private:
    HintSolver m_solver;
};

// Holes to bits and back; the eight symmetries keep the board, its jumps and the canonical key;
// the class survives every jump; each pagoda function holds for every jump of the table and
// leads to a hole it values.
void TestHintSolver::boardBits()
{
    const Balls some = withBalls({1, 2, 5, 11, 16, 19, 23, 29, 30, 36});
    const BitBoard::Bits bits = BitBoard::fromBalls(some);
    QVERIFY(BitBoard::toBalls(bits) == some);
    QCOMPARE(std::popcount(BitBoard::holes()), kHoleCount);
    for (int s = 0; s < 8; ++s) {
        QCOMPARE(BitBoard::symmetry(BitBoard::holes(), s), BitBoard::holes());
        const BitBoard::Bits image = BitBoard::symmetry(bits, s);
        QCOMPARE(BitBoard::canonical(image), BitBoard::canonical(bits));
        QCOMPARE(PositionClass(image).allowsOneBall(), PositionClass(bits).allowsOneBall());
        int opened = 0, openedInImage = 0;
        for (int d = 0; d < 4; ++d) {
            opened += std::popcount(BitBoard::origins(bits, d));
            openedInImage += std::popcount(BitBoard::origins(image, d));
        }
        QCOMPARE(openedInImage, opened);
    }
    for (const auto& j : JumpTable::instance().jumps()) {
        const BitBoard::Bits three = BitBoard::bitOf(j.origin) | BitBoard::bitOf(j.jumped) | BitBoard::bitOf(j.destination);
        const BitBoard::Bits before = (bits | three) & ~BitBoard::bitOf(j.destination);
        QVERIFY(PositionClass(before) == PositionClass(before ^ three));
        for (int f = 0; f < PagodaSet::count(); ++f)
            QVERIFY(PagodaSet::valueOf(f, j.origin) + PagodaSet::valueOf(f, j.jumped) >= PagodaSet::valueOf(f, j.destination));
    }
    for (int f = 0; f < PagodaSet::count(); ++f)
        QVERIFY(PagodaSet::valueOf(f, PagodaSet::targetOf(f)) > 0);
}

// Every single-vacancy start: the 16 whose class allows it end with one ball, the 21 others with
// two, the centre among them; the first jump lands in the empty hole. Before the start the hint
// names a removal that ends with one ball.
void TestHintSolver::starts()
{
    for (int hole = 1; hole <= kHoleCount; ++hole) {
        const Hint hint = m_solver.bestMove(fullBut(hole));
        const QByteArray shown = "start " + QByteArray::number(hole) + ": " + describe(hint);
        QVERIFY2(hint.proven() && hint.ballsLeft == (isOneBallStart(hole) ? 1 : 2), shown);
        QVERIFY2(hint.jump && hint.jump->destination == hole && !hint.removal, shown);
        QCOMPARE(PositionClass(BitBoard::fromBalls(fullBut(hole))).allowsOneBall(), isOneBallStart(hole));
    }
    const Hint removal = m_solver.bestRemoval(fullBut({}));
    QVERIFY2(removal.removal && isOneBallStart(*removal.removal), describe(removal));
    QVERIFY2(removal.proven() && removal.ballsLeft == 1 && !removal.jump, describe(removal));

    // A saved game may wait for the starting removal with any balls on the board: the removal
    // is one of its balls and the finish is the real position's (here no jump after any removal).
    const Hint few = m_solver.bestRemoval(withBalls({5, 13, 33}));
    QVERIFY2(few.removal && (*few.removal == 5 || *few.removal == 13 || *few.removal == 33), describe(few));
    QVERIFY2(few.proven() && few.ballsLeft == 2, describe(few));
    // Of 17, 18 and 31, only taking 31 off leaves a jump (17 over 18), to one ball.
    QCOMPARE(describe(m_solver.bestRemoval(withBalls({17, 18, 31}))), QByteArray("no jump, remove 31, 1 left"));
    QCOMPARE(describe(m_solver.bestRemoval(Balls{})), QByteArray("no jump, 0 left"));
}

// From a corner start, each hint a legal jump of the table that keeps one ball in reach, to the
// end, where the hint is no jump and one ball.
void TestHintSolver::followingTheHints()
{
    Balls balls = fullBut(1);
    for (int played = 0; played < 35; ++played) {
        const Hint hint = m_solver.bestMove(balls);
        QVERIFY2(hint.proven() && hint.ballsLeft == 1 && hint.jump, describe(hint));
        const JumpTable::Jump j = *hint.jump;
        QCOMPARE(JumpTable::instance().jumped(j.origin, j.destination).value_or(0), j.jumped);
        QVERIFY2(balls[j.origin - 1] && balls[j.jumped - 1] && !balls[j.destination - 1], describe(hint));
        balls[j.origin - 1] = balls[j.jumped - 1] = false;
        balls[j.destination - 1] = true;
    }
    const Hint end = m_solver.bestMove(balls);
    QVERIFY2(!end.jump && end.ballsLeft == 1 && end.proven(), describe(end));
}

// Positions and their hint as "origin over jumped to destination, n left" or "no jump, n left".
void TestHintSolver::namedPositions_data()
{
    QTest::addColumn<Balls>("balls");
    QTest::addColumn<QByteArray>("hint");
    QTest::newRow("one winning jump of eight") << withBalls({6, 7, 12, 13, 21, 25, 33}) << QByteArray("7 over 13 to 20, 2 left");
    QTest::newRow("one winning jump of six") << withBalls({2, 18, 23, 25, 26, 32, 34}) << QByteArray("26 over 25 to 24, 2 left");
    QTest::newRow("the only jump") << withBalls({16, 17, 19}) << QByteArray("16 over 17 to 18, 1 left");
    QTest::newRow("no ball") << Balls{} << QByteArray("no jump, 0 left");
    QTest::newRow("one ball") << withBalls({19}) << QByteArray("no jump, 1 left");
    QTest::newRow("apart") << withBalls({1, 19, 37}) << QByteArray("no jump, 3 left");
    Balls full;
    full.fill(true);
    QTest::newRow("full board") << full << QByteArray("no jump, 37 left");
}

void TestHintSolver::namedPositions()
{
    QFETCH(Balls, balls);
    QFETCH(QByteArray, hint);
    QCOMPARE(describe(m_solver.bestMove(balls)), hint);
}

// A search cancelled from another thread returns the best line it has, not proven; so does one
// whose work runs out, and the same work gives the same answer every time. The line is a legal
// jump all the same. The position (29 balls, whose best finish, two balls, takes millions of
// positions to prove) takes the search far more work than given here.
void TestHintSolver::cancelled()
{
    const Balls hard = BitBoard::toBalls(0x1c3a7f3a7e2e10ULL);
    HintSolver solver(1 << 20, HintSolver::Book::Ignore);
    std::atomic<bool> cancel = false;
    std::thread([&] { cancel = true; }).join();
    const Hint hint = solver.bestMove(hard, &cancel, UINT64_MAX);
    QVERIFY2(hint.ending == Hint::Ending::Cancelled && hint.jump
                 && JumpTable::instance().jumped(hint.jump->origin, hint.jump->destination), describe(hint));
    solver.forget();
    const Hint outOfWork = solver.bestMove(hard, nullptr, 50'000);
    QVERIFY2(outOfWork.ending == Hint::Ending::OutOfWork && outOfWork.jump, describe(outOfWork));
    QCOMPARE(solver.visited(), std::uint64_t{50'000});
    solver.forget();
    QCOMPARE(describe(solver.bestMove(hard, nullptr, 50'000)), describe(outOfWork));
}

// The table gives back, for each position it was given, the highest bound given, through its
// growth from 64 kB to its full size; a position it was not given has none; clear() empties it
// and gives its memory back.
void TestHintSolver::table()
{
    TranspositionTable table(1 << 20);
    std::mt19937_64 random(20261208);
    std::map<BitBoard::Bits, int> given;
    for (int i = 0; i < 100'000; ++i) {
        const BitBoard::Bits key = random() & BitBoard::holes();
        const int bound = 1 + static_cast<int>(random() % 37);
        table.store(key, bound);
        given[key] = std::max(given[key], bound);
    }
    QCOMPARE(table.bytes(), std::size_t{1} << 20);
    std::size_t kept = 0;
    for (const auto& [key, bound] : given) {
        const int found = table.lowerBound(key);
        QVERIFY(found == 0 || found == bound);
        kept += found == bound ? 1 : 0;
    }
    QVERIFY2(kept > given.size() * 95 / 100, QByteArray::number(static_cast<qulonglong>(kept)));
    for (int i = 0; i < 60'000; ++i) {
        const BitBoard::Bits key = random() & BitBoard::holes();
        QVERIFY(given.count(key) == 1 || table.lowerBound(key) == 0);
    }
    table.clear();
    QCOMPARE(table.bytes(), std::size_t{64} << 10);
    QCOMPARE(table.lowerBound(given.begin()->first), 0);
}

// The fewest balls any game from `balls` ends with, by trying every game.
int fewestByEveryGame(BitBoard::Bits balls)
{
    int fewest = std::popcount(balls);
    for (int d = 0; d < 4; ++d)
        for (BitBoard::Bits o = BitBoard::origins(balls, d); o; o &= o - 1)
            fewest = std::min(fewest, fewestByEveryGame(balls ^ BitBoard::jumpMask(std::countr_zero(o), d)));
    return fewest;
}

// The functions behind the bounds never grow over a jump, and a bound they give is never beaten
// by a game: positions of random games with few balls, each tried against every game from it.
void TestHintSolver::finishBounds()
{
    for (const auto& row : kFinishBoundRows)
        for (const auto& j : JumpTable::instance().jumps())
            QVERIFY(row[j.origin - 1] + row[j.jumped - 1] >= row[j.destination - 1]);
    std::mt19937_64 random(5);
    int ruledOut = 0;
    for (int game = 0; game < 300; ++game) {
        BitBoard::Bits balls = BitBoard::holes() & ~BitBoard::bitOf(static_cast<HoleNumber>(1 + game % kHoleCount));
        for (;;) {
            std::vector<BitBoard::Bits> next;
            for (int d = 0; d < 4; ++d)
                for (BitBoard::Bits o = BitBoard::origins(balls, d); o; o &= o - 1)
                    next.push_back(balls ^ BitBoard::jumpMask(std::countr_zero(o), d));
            if (next.empty() || std::popcount(balls) <= 13)
                break;
            balls = next[random() % next.size()];
        }
        const int fewest = fewestByEveryGame(balls);
        for (int t = 1; t <= FinishBounds::kMostBalls && t < std::popcount(balls); ++t)
            if (FinishBounds::instance().rulesOut(balls, t)) {
                ++ruledOut;
                QVERIFY2(fewest > t, QByteArray::number(balls, 16) + " ends with " + QByteArray::number(fewest));
            }
    }
    QVERIFY(ruledOut > 100);
}

// The finish book holds a digit for every position a game reaches at its ball count, the same for
// every mirror image, each a finish the class and the finish bounds allow; it answers nothing for
// other positions. A few of its positions, searched without it, come out the same.
void TestHintSolver::finishBook()
{
    const FinishBook& book = FinishBook::instance();
    const std::vector<BitBoard::Bits> positions = FinishBook::reachable();
    QVERIFY(!positions.empty());
    QCOMPARE(book.size(), positions.size());
    std::array<int, 10> perFinish{};
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const BitBoard::Bits balls = BitBoard::symmetry(positions[i], static_cast<int>(i % 8));
        const int best = book.bestFinish(balls);
        QVERIFY(best >= (PositionClass(balls).allowsOneBall() ? 1 : 2));
        QVERIFY(best > FinishBounds::kMostBalls || !FinishBounds::instance().rulesOut(balls, best));
        ++perFinish[best];
    }
    QVERIFY(perFinish[1] > 0 && perFinish[2] > 0 && perFinish[3] > 0);

    std::mt19937_64 random(11);
    int unreached = 0;
    while (unreached < 20) {
        BitBoard::Bits balls = BitBoard::holes();
        while (std::popcount(balls) > FinishBook::kBalls)
            balls &= ~BitBoard::bitOf(static_cast<HoleNumber>(1 + random() % kHoleCount));
        if (!std::binary_search(positions.begin(), positions.end(), BitBoard::canonical(balls))) {
            QCOMPARE(book.bestFinish(balls), 0);
            ++unreached;
        }
    }
    QCOMPARE(book.bestFinish(BitBoard::fromBalls(fullBut({5, 11}))), 0);

    // A last ball, two balls where the class allows no last one, three where it does.
    HintSolver searchOnly(16 << 20, HintSolver::Book::Ignore);
    for (const BitBoard::Bits balls : {0xc326f777b3a1cULL, 0x1c065f7f473e1cULL, 0x1c265f7f5d2a1cULL}) {
        const Hint searched = searchOnly.bestMove(BitBoard::toBalls(balls));
        QVERIFY2(searched.proven() && searched.ballsLeft == book.bestFinish(balls), describe(searched));
        const Hint hint = m_solver.bestMove(BitBoard::toBalls(balls));
        QVERIFY2(hint.proven() && hint.ballsLeft == searched.ballsLeft && hint.jump, describe(hint));
    }
}

// Whether the hinted lines from `balls` lead, played to their end, to `ballsLeft` balls, each
// hint proven and a legal jump.
bool lineReaches(HintSolver& solver, BitBoard::Bits balls, int ballsLeft)
{
    for (;;) {
        const Hint hint = solver.bestMove(BitBoard::toBalls(balls));
        if (!hint.proven() || hint.ballsLeft != ballsLeft)
            return false;
        if (!hint.jump)
            return std::popcount(balls) == ballsLeft;
        const JumpTable::Jump j = *hint.jump;
        const BitBoard::Bits three = BitBoard::bitOf(j.origin) | BitBoard::bitOf(j.jumped) | BitBoard::bitOf(j.destination);
        if (JumpTable::instance().jumped(j.origin, j.destination) != j.jumped || (balls & three) != (three & ~BitBoard::bitOf(j.destination)))
            return false;
        balls ^= three;
    }
}

// Random patterns of 10 to 19 balls, and positions of random games from single-vacancy starts
// down to as many balls, each a few random jumps further on: the best finish is the plain
// exhaustive search's, proven, and the hinted line reaches it.
void TestHintSolver::smallPositions()
{
    std::mt19937_64 random(20261210);
    HintSolver solver(4 << 20);
    std::array<int, 6> perFinish{};
    const auto randomJumps = [&](BitBoard::Bits balls, int jumps, int fewest) {
        for (; jumps > 0 && std::popcount(balls) > fewest; --jumps) {
            std::vector<BitBoard::Bits> next;
            for (int d = 0; d < 4; ++d)
                for (BitBoard::Bits o = BitBoard::origins(balls, d); o; o &= o - 1)
                    next.push_back(balls ^ BitBoard::jumpMask(std::countr_zero(o), d));
            if (next.empty())
                break;
            balls = next[random() % next.size()];
        }
        return balls;
    };
    for (int k = 0; k < 60; ++k) {
        const int count = 10 + k / 2 % 10;
        BitBoard::Bits balls = 0;
        if (k % 2 == 0) {
            while (std::popcount(balls) < count)
                balls |= BitBoard::bitOf(static_cast<HoleNumber>(1 + random() % kHoleCount));
        } else {
            balls = randomJumps(BitBoard::holes() & ~BitBoard::bitOf(static_cast<HoleNumber>(1 + random() % kHoleCount)), kHoleCount, count);
        }
        balls = randomJumps(balls, static_cast<int>(random() % 4), 0);
        const int exact = PlainSearch().bestFinish(balls);
        const Hint hint = solver.bestMove(BitBoard::toBalls(balls));
        const QByteArray shown = QByteArray::number(balls, 16) + ": " + describe(hint) + ", plain search " + QByteArray::number(exact);
        QVERIFY2(hint.proven() && hint.ballsLeft == exact, shown);
        QVERIFY2(lineReaches(solver, balls, exact), shown);
        ++perFinish[std::min(exact, 5)];
        solver.forget();
    }
    QVERIFY2(perFinish[1] > 0 && perFinish[2] > 0 && perFinish[3] > 0 && perFinish[4] + perFinish[5] > 0,
             QByteArray::number(perFinish[1]) + " " + QByteArray::number(perFinish[2]) + " " + QByteArray::number(perFinish[3]) + " " + QByteArray::number(perFinish[4] + perFinish[5]));
}

// Positions where the search is long: the least a last ball or two balls can be proven out of
// reach from. Each is proven within the hint's budget, and the hinted line played to its end
// reaches it. Then the positions that took the longest searches before finishes were also looked
// for backwards, each with the finish found then, and one where four balls are out of reach: each
// within a twentieth of the budget.
void TestHintSolver::longSearches_data()
{
    QTest::addColumn<qulonglong>("balls");
    QTest::addColumn<int>("ballsLeft");
    QTest::addColumn<qulonglong>("work");
    const qulonglong whole = HintSolver::kDefaultWork;
    const qulonglong part = whole / 20;
    QTest::newRow("29 balls, no last ball") << qulonglong{0x1c287d7b790e1cULL} << 2 << whole;
    QTest::newRow("29 balls, not two") << qulonglong{0x1c22732f7f2e1cULL} << 4 << whole;
    QTest::newRow("32 balls, no last ball") << qulonglong{0x1c365f7f573e14ULL} << 2 << part;
    QTest::newRow("29 balls, no last ball either") << qulonglong{0x1c3e5357673a1cULL} << 2 << part;
    QTest::newRow("32 balls, a last ball") << qulonglong{0x1c3e7f5b473e1cULL} << 1 << part;
    QTest::newRow("27 balls, no last ball") << qulonglong{0x1c287d73693c1cULL} << 2 << part;
    QTest::newRow("29 balls, not two, in part") << qulonglong{0x142e5f5f79381cULL} << 3 << part;
    QTest::newRow("29 balls, not two either") << qulonglong{0x103e5f7d5d2a1cULL} << 3 << part;
    QTest::newRow("24 balls, not four") << qulonglong{0x1c02484a7f3e1cULL} << 5 << part;
}

void TestHintSolver::longSearches()
{
    QFETCH(qulonglong, balls);
    QFETCH(int, ballsLeft);
    QFETCH(qulonglong, work);
    const BitBoard::Bits position = balls;
    const Hint hint = m_solver.bestMove(BitBoard::toBalls(position), nullptr, work);
    QVERIFY2(hint.proven() && hint.ballsLeft == ballsLeft, describe(hint));
    QVERIFY(lineReaches(m_solver, position, ballsLeft));
    m_solver.forget();
}

// Positions of 20 and 21 balls, where a finish of one to four balls is also looked for backwards
// once the first round of the search has not settled it: the best finish is the plain exhaustive
// search's, proven, and the hinted line reaches it. Several take more than a round, so the
// backwards search has its say.
void TestHintSolver::searchedBothWays()
{
    std::mt19937_64 random(20261211);
    HintSolver solver(4 << 20);
    int longer = 0;
    std::array<int, 6> perFinish{};
    for (int k = 0; k < 24; ++k) {
        const int count = 20 + k % 2;
        BitBoard::Bits balls = 0;
        if (k % 4 < 2) {
            while (std::popcount(balls) < count)
                balls |= BitBoard::bitOf(static_cast<HoleNumber>(1 + random() % kHoleCount));
        } else {
            // Poor play: mostly the least favoured jump.
            balls = BitBoard::holes() & ~BitBoard::bitOf(static_cast<HoleNumber>(1 + random() % kHoleCount));
            while (std::popcount(balls) > count) {
                std::vector<int> codes;
                for (int d = 0; d < 4; ++d)
                    for (BitBoard::Bits o = BitBoard::origins(balls, d); o; o &= o - 1)
                        codes.push_back(d * 64 + std::countr_zero(o));
                if (codes.empty())
                    break;
                const int code = random() % 4 == 0 ? codes[random() % codes.size()] : codes.back();
                balls ^= BitBoard::jumpMask(code % 64, code / 64);
            }
        }
        const int exact = PlainSearch().bestFinish(balls);
        const Hint hint = solver.bestMove(BitBoard::toBalls(balls));
        const QByteArray shown = QByteArray::number(balls, 16) + ": " + describe(hint) + ", plain search " + QByteArray::number(exact);
        QVERIFY2(hint.proven() && hint.ballsLeft == exact, shown);
        longer += solver.visited() > 20'000 ? 1 : 0;
        QVERIFY2(lineReaches(solver, balls, exact), shown);
        ++perFinish[std::min(exact, 5)];
        solver.forget();
    }
    QVERIFY2(longer >= 4, QByteArray::number(longer));
    QVERIFY(perFinish[1] > 0 && perFinish[2] > 0 && perFinish[3] > 0 && perFinish[4] + perFinish[5] > 0);
}


QTEST_APPLESS_MAIN(TestHintSolver)
#include "test_hint_solver.moc"
