#pragma once

#include "board/board.h"
#include "board/jump_table.h"
#include "solver/bit_board.h"
#include "solver/finish_book.h"
#include "solver/finish_bounds.h"
#include "solver/pagoda_set.h"
#include "solver/transposition_table.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

// What the hint shows: the jump to play (or, before the game starts, the ball to remove) and how
// few balls the line it begins leaves at the end of the game.
struct Hint {
    // How the search ended: it proved the finish, or it ran out of work or was cancelled first,
    // and the line is then the best one found so far.
    enum class Ending { Proven, OutOfWork, Cancelled };

    // The first jump of the best line; none when no jump is left or the game has not started.
    std::optional<JumpTable::Jump> jump;
    // Before the start: the ball whose removal allows the best finish.
    std::optional<HoleNumber> removal;
    // The balls left when no jump remains at the end of that line.
    int ballsLeft = 0;
    Ending ending = Ending::Proven;

    // No line leaves fewer.
    bool proven() const { return ending == Ending::Proven; }
};

// Finds the best finish from a position: the fewest balls that can be left when no jump remains,
// and a jump that starts a line reaching it. Searches depth first for "a finish with at most t
// balls" for t one below the best line seen, then lower as better lines are found, until a
// search proves t out of reach or t is the least the position's class and the finish bounds
// allow; the finish bounds cut off every position on the way that cannot get down to t, and
// order the jumps: those leaving the most room under them first. Positions already shown unable
// to go below a count are kept in a fixed-size table (48 MB at most, taken from the system as it
// fills) that stays between calls (every bound in it holds for good) until forget() gives its
// memory back.
// A search from a nearly full board stops at the positions the finish book holds. A finish of a
// few balls is also looked for backwards, from each position of that many balls towards this one,
// which proves one out of reach far sooner (see solve()).
//
// The search is budgeted in work, the positions it visits, so a position gets the same answer on
// any machine under any load. Plain C++ for a worker thread: one solver serves one call at a
// time; give each thread its own. The caller may cancel from another thread through `cancel`,
// checked every thousand positions; the answer is then the best line found so far, not proven.
class HintSolver {
public:
    using Balls = std::array<bool, kHoleCount>;
    // Positions a hint may visit: a few seconds of one core.
    static constexpr std::uint64_t kDefaultWork = 60'000'000;
    static constexpr std::size_t kDefaultTableBytes = std::size_t{48} << 20;
    // The backwards search's table, at most.
    static constexpr std::size_t kReverseTableBytes = std::size_t{8} << 20;

    // Whether the search reads the finish book (Ignore: to work the book out).
    enum class Book { Use, Ignore };

    explicit HintSolver(std::size_t tableBytes = kDefaultTableBytes, Book book = Book::Use);

    // The best jump in a game under way: `balls[h - 1]` tells whether hole h holds a ball.
    Hint bestMove(const Balls& balls, const std::atomic<bool>* cancel = nullptr, std::uint64_t work = kDefaultWork);
    Hint bestMove(const Board& board, const std::atomic<bool>* cancel = nullptr, std::uint64_t work = kDefaultWork);
    // Before the start: the ball of `balls` to remove for the best finish (none when no ball is).
    Hint bestRemoval(const Balls& balls, const std::atomic<bool>* cancel = nullptr, std::uint64_t work = kDefaultWork);

    // Forgets every position the tables hold and gives their memory back to the system.
    void forget();
    // Positions visited by the last call.
    std::uint64_t visited() const { return m_visited; }

private:
    using Bits = BitBoard::Bits;
    static constexpr int kStopped = -2;
    static constexpr int kOpen = -3;
    static constexpr std::uint64_t kFirstRound = 20'000;
    // The least share of a round a finish looked for backwards gets.
    static constexpr std::uint64_t kLeastShare = 2'000;
    // The work of a round's backwards searches, all finishes together, for one of the search's.
    static constexpr std::uint64_t kBackwardsWeight = 2;
    // A search that is not cut into rounds.
    static constexpr std::uint64_t kWholeSearch = std::uint64_t{1} << 60;
    // The least balls for which a finish is also looked for backwards.
    static constexpr int kBackwardsFrom = 20;
    // The most balls of a finish looked for backwards.
    static constexpr int kBackwardsBalls = 4;

    struct Outcome {
        int ballsLeft;
        int move; // the first jump's code, -1 for none
        bool proven;
    };

    void begin(const std::atomic<bool>* cancel, std::uint64_t work);
    Hint::Ending ending(bool proven) const;
    Outcome solve(Bits balls);
    // `before` is the finish-bound values of the position before `jump` (or, for jump -1, of
    // this one); none when the target is beyond the bounds.
    int search(Bits balls, int count, int target, int depth, const FinishBounds::Values* before, int jump);
    // The checks of search() before the jumps are tried: its result when they settle the
    // position, else kOpen, with `values` the position's own when `before` is given.
    int screen(Bits balls, int count, int target, int depth, const FinishBounds::Values* before, int jump, FinishBounds::Values& values);
    // The rest of search(), for a position screen() left open; `mine` is its values.
    int expand(Bits balls, int count, int target, int depth, const FinishBounds::Values* mine);
    Outcome lineTo(Bits balls, int count, int target);
    std::vector<Bits> finishes(Bits balls, int t) const;
    int searchBackwards(Bits balls, Bits last);
    int reach(Bits swapped, int depth, const FinishBounds::Values& values);
    void greedyLine(Bits balls, int count);
    bool visit();

    const FinishBook* m_book;
    const FinishBounds& m_bounds;
    const PagodaSet& m_pagodas;
    TranspositionTable m_table;
    // Positions of the backwards search that cannot reach m_reverseGoal.
    TranspositionTable m_reverseTable;
    Bits m_reverseGoal = 0;
    int m_reverseGoalCount = 0;
    FinishBounds::Values m_reverseGoalBounds{};
    unsigned m_reverseSymmetries = 0; // those of the goal, as symmetriesOf() gives them

    const std::atomic<bool>* m_cancel = nullptr;
    std::uint64_t m_workEnd = 0;    // the visit count that ends the call
    bool m_stopped = false;
    std::uint64_t m_visited = 0;
    std::uint64_t m_roundEnd = 0;   // the visit count that ends the round
    std::uint64_t m_shuffle = 0;    // the round's order among jumps of equal merit
    std::array<int, kHoleCount + 1> m_line{};
    int m_bestSeen = 0;             // fewest balls of the lines played to the end so far
    int m_bestSeenMove = -1;
    int m_foundMove = -1;           // the first jump of the line a round found
    Bits m_lastBallHoles = 0;       // where the class lets a last ball stand
    int m_classIndex = 0;           // the class of the position searched, which no jump changes
};
