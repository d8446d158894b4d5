// The puzzles and the goal solver behind them: every puzzle proven again from scratch and its
// stored line played by the board's jumps, the collection's keys and names, the text forms, and
// the solver against a plain exhaustive search.
#include "board/jump_table.h"
#include "puzzles/puzzle_book.h"
#include "puzzles/puzzle_drafts.h"
#include "solver/bit_board.h"
#include "solver/goal_solver.h"
#include "solver/position_class.h"

#include <QTest>

#include <algorithm>
#include <atomic>
#include <bit>
#include <random>
#include <set>
#include <unordered_map>

Q_DECLARE_METATYPE(std::string)

namespace {
using Balls = std::array<bool, kHoleCount>;
using Bits = BitBoard::Bits;
using Reach = GoalAnswer::Reach;

// The holes whose vacancy at the start allows a game to end with one ball.
const std::set<int> kOneBallStarts = {1, 3, 6, 9, 12, 15, 17, 18, 20, 21, 23, 26, 29, 32, 35, 37};

Balls fullBut(int hole)
{
    Balls balls;
    balls.fill(true);
    balls[static_cast<std::size_t>(hole - 1)] = false;
    return balls;
}

// Plays `line` from `balls` with the board's jumps; empty when each jump is legal where it meets
// the position and one ball is left at the goal (anywhere for 0), else what went wrong.
QByteArray playedOut(Balls balls, const std::vector<JumpTable::Jump>& line, int goalHole)
{
    int move = 0;
    for (const JumpTable::Jump& jump : line) {
        ++move;
        const auto over = JumpTable::instance().jumped(jump.origin, jump.destination);
        if (!over || *over != jump.jumped || !balls[jump.origin - 1] || !balls[jump.jumped - 1] || balls[jump.destination - 1])
            return "jump " + QByteArray::number(move) + " is not legal";
        balls[jump.origin - 1] = balls[jump.jumped - 1] = false;
        balls[jump.destination - 1] = true;
    }
    const auto left = std::count(balls.begin(), balls.end(), true);
    if (left != 1)
        return QByteArray::number(left) + " balls left";
    if (goalHole != 0 && !balls[goalHole - 1])
        return "the last ball is not in " + QByteArray::number(goalHole);
    return {};
}

// The yardstick: every hole where a single last ball can be left, by a plain exhaustive search
// with each position met kept in a map; no class, no pagoda, no symmetry, no order.
class PlainGoals {
public:
    Bits lastBalls(Bits balls)
    {
        if (std::popcount(balls) == 1)
            return balls;
        if (const auto found = m_known.find(balls); found != m_known.end())
            return found->second;
        Bits holes = 0;
        for (int d = 0; d < 4; ++d)
            for (Bits origins = BitBoard::origins(balls, d); origins; origins &= origins - 1)
                holes |= lastBalls(balls ^ BitBoard::jumpMask(std::countr_zero(origins), d));
        m_known.emplace(balls, holes);
        return holes;
    }

private:
    std::unordered_map<Bits, Bits> m_known;
};

// A position from a random game played backwards from a single ball (a jump taken back is the
// jump on the board with balls and holes swapped), or a random scatter of balls.
Bits randomPosition(std::mt19937_64& random, int balls, bool backwards)
{
    if (!backwards) {
        std::vector<int> holes(kHoleCount);
        for (int h = 0; h < kHoleCount; ++h)
            holes[static_cast<std::size_t>(h)] = h + 1;
        std::shuffle(holes.begin(), holes.end(), random);
        Bits out = 0;
        for (int k = 0; k < balls; ++k)
            out |= BitBoard::bitOf(static_cast<HoleNumber>(holes[static_cast<std::size_t>(k)]));
        return out;
    }
    Bits out = BitBoard::bitOf(static_cast<HoleNumber>(std::uniform_int_distribution<int>(1, kHoleCount)(random)));
    while (std::popcount(out) < balls) {
        const Bits swapped = BitBoard::holes() & ~out;
        std::vector<std::pair<int, int>> jumps;
        for (int d = 0; d < 4; ++d)
            for (Bits origins = BitBoard::origins(swapped, d); origins; origins &= origins - 1)
                jumps.emplace_back(std::countr_zero(origins), d);
        if (jumps.empty())
            break;
        const auto& [index, d] = jumps[std::uniform_int_distribution<std::size_t>(0, jumps.size() - 1)(random)];
        out ^= BitBoard::jumpMask(index, d);
    }
    return out;
}

// QCOMPARE prints QByteArray on a failure, std::string not.
QByteArray q(const std::string& text) { return QByteArray::fromStdString(text); }

const char* said(Reach reach) { return reach == Reach::Yes ? "yes" : reach == Reach::No ? "no" : "unknown"; }
}

class TestPuzzleBook : public QObject {
    Q_OBJECT
private slots:
    void provenAfresh_data();
    void provenAfresh();
    void collection();
    void vacancyStarts();
    void everyLastBallHole();
    void textForms();
    void drawings();
    void solverEnds();
    void cancelledOrOutOfWork();
    void againstPlainSearch();
};

void TestPuzzleBook::provenAfresh_data()
{
    QTest::addColumn<std::string>("key");
    for (const Puzzle& puzzle : PuzzleBook::all())
        QTest::newRow(puzzle.key.c_str()) << puzzle.key;
}

// Each puzzle's goal is reached by its stored line, and a solver that has seen nothing before
// proves it reachable again and gives a line of its own that reaches it.
void TestPuzzleBook::provenAfresh()
{
    QFETCH(std::string, key);
    const Puzzle* puzzle = PuzzleBook::find(key);
    QVERIFY(puzzle);
    QCOMPARE(playedOut(puzzle->balls, puzzle->solution, puzzle->goalHole), QByteArray());
    GoalSolver solver;
    const GoalAnswer answer = solver.solve(puzzle->balls, puzzle->goalHole);
    QCOMPARE(said(answer.reach), "yes");
    QCOMPARE(playedOut(puzzle->balls, answer.line, puzzle->goalHole), QByteArray());
}

void TestPuzzleBook::collection()
{
    const auto& book = PuzzleBook::all();
    QVERIFY(book.size() >= 40);
    std::set<std::string> keys, figures, names;
    int holeGoals = 0;
    // The order: the vacancy starts to one ball anywhere, then those to a named hole, then figures.
    int part = 0;
    for (const Puzzle& puzzle : book) {
        QVERIFY2(!puzzle.key.empty() && puzzle.key.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-") == std::string::npos
                     && puzzle.key.front() != '-' && puzzle.key.back() != '-',
                 puzzle.key.c_str());
        QVERIFY2(keys.insert(puzzle.key).second, puzzle.key.c_str());
        QVERIFY2(names.insert(englishName(puzzle) + ' ' + goalText(puzzle)).second, puzzle.key.c_str());
        QVERIFY(puzzle.goalHole >= 0 && puzzle.goalHole <= kHoleCount);
        holeGoals += puzzle.goalHole != 0;
        const int kind = !puzzle.figure.empty() ? 2 : puzzle.goalHole != 0 ? 1 : 0;
        QVERIFY2(kind >= part, puzzle.key.c_str());
        part = kind;
        if (puzzle.figure.empty()) {
            QVERIFY(isHole(puzzle.openHole));
            QCOMPARE(puzzle.balls, fullBut(puzzle.openHole));
            const std::string key = "open-" + std::to_string(puzzle.openHole);
            QCOMPARE(puzzle.key, puzzle.goalHole == 0 ? key : key + "-to-" + std::to_string(puzzle.goalHole));
            QCOMPARE(englishName(puzzle), "Hole " + std::to_string(puzzle.openHole) + " empty");
        } else {
            QCOMPARE(puzzle.openHole, 0);
            QVERIFY2(figures.insert(puzzle.figure).second, puzzle.figure.c_str());
            QCOMPARE(englishName(puzzle), puzzle.figure);
        }
        QCOMPARE(PuzzleBook::find(puzzle.key), &puzzle);
    }
    QVERIFY(holeGoals >= 5);
    QVERIFY(figures.size() >= 10);
    for (const char* figure : {"Cross", "Plus", "Fireplace", "Pyramid", "Arrow", "Double arrow", "Diamond"})
        QVERIFY2(figures.count(figure), figure);
    QCOMPARE(PuzzleBook::find("open-19"), nullptr);
    QCOMPARE(PuzzleBook::find("Cross"), nullptr);
    QCOMPARE(PuzzleBook::find(""), nullptr);
}

// The sixteen vacancy starts that can end with one ball are all in the collection; every other
// one, the centre among them, is proven unable to.
void TestPuzzleBook::vacancyStarts()
{
    GoalSolver solver;
    for (int hole = 1; hole <= kHoleCount; ++hole) {
        const Puzzle* puzzle = PuzzleBook::find("open-" + std::to_string(hole));
        QCOMPARE(puzzle != nullptr, kOneBallStarts.count(hole) == 1);
        if (puzzle)
            continue;
        QCOMPARE(said(solver.solve(fullBut(hole), 0).reach), "no");
    }
    QCOMPARE(said(solver.solve(fullBut(19), 19).reach), "no");
}

// Every vacancy start that can be cleared can leave its last ball in any of the holes its class
// allows. One solver for all, goal by goal, so that what it keeps of one start (one key for the
// mirror images that keep the goal in place) serves the next: a mirror image that moves the goal
// would make a reachable goal look out of reach.
void TestPuzzleBook::everyLastBallHole()
{
    GoalSolver solver;
    int goals = 0;
    for (int goal = 1; goal <= kHoleCount; ++goal)
        for (const int open : kOneBallStarts) {
            if ((PositionClass(BitBoard::holes() & ~BitBoard::bitOf(static_cast<HoleNumber>(open))).lastBallHoles()
                 & BitBoard::bitOf(static_cast<HoleNumber>(goal))) == 0)
                continue;
            ++goals;
            const GoalAnswer answer = solver.solve(fullBut(open), goal);
            const QByteArray where = "from " + QByteArray::number(open) + " to " + QByteArray::number(goal);
            QVERIFY2(answer.reach == Reach::Yes, where);
            QVERIFY2(playedOut(fullBut(open), answer.line, goal).isEmpty(), where);
        }
    QCOMPARE(goals, 64);
}

void TestPuzzleBook::textForms()
{
    const Puzzle* cross = PuzzleBook::find("cross");
    QVERIFY(cross);
    QCOMPARE(q(positionText(cross->balls)), "0000010000111000001000000100000000000");
    QCOMPARE(q(goalText(*cross)), "1@19");
    std::vector<JumpTable::Jump> jumps;
    QVERIFY(readJumps(solutionText(*cross), jumps));
    QCOMPARE(jumps.size(), std::size_t{5});
    QCOMPARE(jumpsText(jumps), solutionText(*cross));
    const Puzzle* open = PuzzleBook::find("open-3");
    QVERIFY(open);
    QCOMPARE(q(positionText(open->balls)), "1101111111111111111111111111111111111");
    QCOMPARE(q(goalText(*open)), "1");
    QVERIFY(solutionText(*open).size() > 35 * 4);

    QVERIFY(readJumps("17-19 30-17", jumps));
    QCOMPARE(jumps.size(), std::size_t{2});
    QCOMPARE(jumps[1].jumped, HoleNumber{24});
    QCOMPARE(q(jumpsText({{17, 18, 19}, {30, 24, 17}})), "17-19 30-17");
    QVERIFY(readJumps("", jumps));
    QVERIFY(jumps.empty());
    for (const char* bad : {"17-19 ", " 17-19", "17-19  30-17", "17-18", "17-19,30-17", "17", "0-2", "17-19-21", "36-38"})
        QVERIFY2(!readJumps(bad, jumps), bad);
}

void TestPuzzleBook::drawings()
{
    QCOMPARE(drawnPosition({"  ...  ", " ..... ", ".......", "...o...", ".......", " ..... ", "  o..  "}),
             [] {
                 Balls balls{};
                 balls[18] = balls[34] = true;
                 return balls;
             }());
    // A ball or a hole where the board has none, a row too short, a stray character.
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, drawnPosition({"o ...  ", " ..... ", ".......", ".......", ".......", " ..... ", "  ...  "}));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, drawnPosition({"  ...  ", " ..... ", "...... ", ".......", ".......", " ..... ", "  ...  "}));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, drawnPosition({"  ...  ", " ..... ", "......", ".......", ".......", " ..... ", "  ...  "}));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, drawnPosition({"  ...  ", " ..x.. ", ".......", ".......", ".......", " ..... ", "  ...  "}));
}

// The ends of the search: a single ball is at its goal or not; an empty board or a hole that is
// none reaches nothing; a goal the class rules out is settled at once.
void TestPuzzleBook::solverEnds()
{
    GoalSolver solver;
    Balls one{};
    one[18] = true;
    for (const auto& [goal, reach] : std::vector<std::pair<int, const char*>>{{0, "yes"}, {19, "yes"}, {18, "no"}, {20, "no"}, {38, "no"}, {-1, "no"}}) {
        const GoalAnswer answer = solver.solve(one, goal);
        QCOMPARE(said(answer.reach), reach);
        QVERIFY(answer.line.empty());
    }
    QCOMPARE(said(solver.solve(Balls{}, 0).reach), "no");
    // Two balls side by side: the jump leaves the last ball beyond them, and only there.
    Balls two{};
    two[16] = two[17] = true;
    for (int goal = 0; goal <= kHoleCount; ++goal) {
        const GoalAnswer answer = solver.solve(two, goal);
        const bool reachable = goal == 0 || goal == 16 || goal == 19;
        QCOMPARE(said(answer.reach), reachable ? "yes" : "no");
        if (reachable)
            QCOMPARE(playedOut(two, answer.line, goal), QByteArray());
    }
    QCOMPARE(solver.solve(fullBut(19), 0).reach, Reach::No);
    QCOMPARE(solver.visited(), std::uint64_t{0});
}

void TestPuzzleBook::cancelledOrOutOfWork()
{
    GoalSolver solver;
    const std::atomic<bool> cancel{true};
    // A hard goal: every jump may be tried before the line is found.
    const GoalAnswer cancelled = solver.solve(fullBut(1), 37, &cancel);
    QCOMPARE(said(cancelled.reach), "unknown");
    QVERIFY(cancelled.line.empty());
    QVERIFY(solver.visited() <= 1024);
    const GoalAnswer short_ = solver.solve(fullBut(1), 37, nullptr, 5000);
    QCOMPARE(said(short_.reach), "unknown");
    QCOMPARE(solver.visited(), std::uint64_t{5000});
    // What the stopped searches left in the table is only what they proved: the answer is the same.
    const Puzzle* puzzle = PuzzleBook::find("open-1-to-17");
    QVERIFY(puzzle);
    const GoalAnswer answer = solver.solve(puzzle->balls, 17);
    QCOMPARE(said(answer.reach), "yes");
    QCOMPARE(playedOut(puzzle->balls, answer.line, 17), QByteArray());
    solver.forget();
    QCOMPARE(said(solver.solve(puzzle->balls, 17).reach), "yes");
}

// Small positions, from random games played backwards and random scatters, against the plain
// search, for every goal: the same answers, and every line found reaches its goal. One solver for
// all, goal by goal, so what it keeps between calls is put to the test too.
void TestPuzzleBook::againstPlainSearch()
{
    std::mt19937_64 random(20261208);
    std::vector<Bits> positions;
    for (int k = 0; k < 300; ++k)
        positions.push_back(randomPosition(random, std::uniform_int_distribution<int>(2, 14)(random), k % 3 != 0));
    PlainGoals plain;
    std::vector<Bits> lastBalls;
    int reachable = 0;
    for (const Bits position : positions) {
        lastBalls.push_back(plain.lastBalls(position));
        reachable += lastBalls.back() != 0;
    }
    QVERIFY(reachable > 100 && reachable < 290);
    GoalSolver solver;
    for (int goal = 0; goal <= kHoleCount; ++goal)
        for (std::size_t k = 0; k < positions.size(); ++k) {
            const Balls balls = BitBoard::toBalls(positions[k]);
            const Bits wanted = goal == 0 ? BitBoard::holes() : BitBoard::bitOf(static_cast<HoleNumber>(goal));
            const bool expected = (lastBalls[k] & wanted) != 0;
            const GoalAnswer answer = solver.solve(balls, goal);
            const QByteArray where = QByteArray::fromStdString(positionText(balls)) + " to " + QByteArray::number(goal);
            QVERIFY2(answer.reach == (expected ? Reach::Yes : Reach::No), where);
            if (expected)
                QVERIFY2(playedOut(balls, answer.line, goal).isEmpty(), where);
        }
}

QTEST_APPLESS_MAIN(TestPuzzleBook)
#include "test_puzzle_book.moc"
