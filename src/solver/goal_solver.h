#pragma once

#include "board/jump_table.h"
#include "solver/bit_board.h"
#include "solver/finish_book.h"
#include "solver/finish_bounds.h"
#include "solver/pagoda_set.h"
#include "solver/transposition_table.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

// Whether a position can be cleared to one ball, and a line of jumps that does it.
struct GoalAnswer {
    enum class Reach { Yes, No, Unknown }; // Unknown: out of work or cancelled
    Reach reach = Reach::Unknown;
    std::vector<JumpTable::Jump> line;     // when Yes: every jump from the position to the goal
};

// Settles whether a position can end with a single ball, in a given hole or anywhere, and finds a
// line of jumps that gets there: the puzzles' proof and their hint. A depth-first search that cuts
// off every position whose class cannot leave a ball at the goal, that a pagoda function values
// below the goal, or that the finish bounds or the finish book show unable to get down to one
// ball; it tries first the jumps that leave the most room above the finish bounds and above the
// pagoda functions leading to the goal. It goes in rounds of growing size, each later one with
// the order stirred a little, so that a line is not sought for long in one dead end: a round
// that runs out starts again from the top, and what the rounds before proved stays. Settling
// "No" takes the whole search; "Yes" comes with the line. Positions shown unable to reach the goal
// are kept in a fixed-size table (taken from the system as it fills, keyed once for the mirror
// images of a nearly full board that keep the goal where it is) that stays between calls for the
// same goal until forget() gives its memory back, so the hints of one puzzle build on each other.
// (Searching the game backwards from the last ball, on the board with balls and holes swapped,
// was tried too: it settled nothing sooner over the puzzles' positions, and slowed the rounds.)
//
// The search is budgeted in work, the positions it visits, never in time: a position gets the same
// answer on any machine under any load. Plain C++ for a worker thread: one solver serves one call
// at a time; give each thread its own. The caller may cancel from another thread through
// `cancel`, checked every thousand positions; the answer is then Unknown.
class GoalSolver {
public:
    static constexpr std::uint64_t kDefaultWork = 60'000'000;
    static constexpr std::size_t kDefaultTableBytes = std::size_t{32} << 20;

    explicit GoalSolver(std::size_t tableBytes = kDefaultTableBytes);

    // Whether `balls` (balls[h-1]: hole h holds a ball) can end with one ball left, in hole
    // `goalHole` (1..37) or anywhere (goalHole 0), and a line of jumps that gets there.
    GoalAnswer solve(const std::array<bool, kHoleCount>& balls, int goalHole,
                     const std::atomic<bool>* cancel = nullptr, std::uint64_t work = kDefaultWork);
    // Forgets every position the table holds and gives its memory back to the system.
    void forget();
    // Positions visited by the last call.
    std::uint64_t visited() const { return m_visited; }

private:
    using Bits = BitBoard::Bits;
    enum class Result { No, Yes, Stopped };
    static constexpr std::uint64_t kFirstRound = 20'000;

    // Makes the table and the pruning serve `goalHole`, forgetting positions of another goal.
    void aim(int goalHole);
    Bits keyOf(Bits balls, int count) const;
    bool visit();
    Result search(Bits balls, int count, int depth, const FinishBounds::Values& values);

    const FinishBook& m_book;
    const FinishBounds& m_bounds;
    const PagodaSet& m_pagodas;
    TranspositionTable m_table;        // positions that cannot reach m_goalHole
    int m_goalHole = -1;               // the goal m_table speaks of; -1 before the first call
    std::vector<int> m_goalValues;     // the pagoda values of a last ball at m_goalHole
    // The pagoda functions that lead to m_goalHole: each hole's value by its bit, and the goal's.
    struct Lead {
        std::array<int, 64> value{};
        int worth = 0;
    };
    std::vector<Lead> m_leads;
    std::array<int, 8> m_symmetries{}; // the board's symmetries that leave the goal as it is
    int m_symmetryCount = 0;
    Bits m_targets = 0;                // where the last ball may stand
    int m_classIndex = 0;              // the class of the position searched, which no jump changes

    const std::atomic<bool>* m_cancel = nullptr;
    std::uint64_t m_workEnd = 0;
    std::uint64_t m_roundEnd = 0;
    std::uint64_t m_visited = 0;
    std::uint64_t m_shuffle = 0;
    bool m_stopped = false;
    std::array<int, kHoleCount> m_line{}; // the jumps' codes down to the position searched
    int m_lineLength = 0;                 // of the line found
};
