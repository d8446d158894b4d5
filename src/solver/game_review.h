#pragma once

#include "board/jump_table.h"
#include "solver/hint_solver.h"

#include <atomic>
#include <cstdint>
#include <vector>

// What a move did to the game's prospects: the best finish (the fewest balls that can be left when
// no jump remains) of the position before it and of the position after it. A move that keeps the
// best finish has `after == before`; a mistake has `after > before`.
struct MoveValue {
    int before = 0;
    int after = 0;
    // Both finishes proven; false when the work or a cancel stopped a search first, and the
    // counts are then those of the best lines found (or the balls on the board, when the position
    // was not searched at all).
    bool proven = false;

    bool operator==(const MoveValue&) const = default;
};

// Reviews a whole game: the best finish before and after every move. Each position of the game is
// searched once (the position after a move is the one before the next), from the last back to
// the start, by one hint solver whose table stays between them: what the search of a later
// position proved serves the earlier ones, which lead to it. Plain C++ for a worker thread, like
// the solver it uses.
class GameReview {
public:
    using Balls = HintSolver::Balls;

    explicit GameReview(HintSolver& solver) : m_solver(solver) {}

    // The positions of a game: `start`, then the position after each jump, stopping before the
    // first jump that cannot be played (no ball to move, none to jump over, or no room).
    static std::vector<Balls> positions(const Balls& start, const std::vector<JumpTable::Jump>& jumps);
    // A full board with the ball of `startHole` taken off.
    static Balls startingFrom(HoleNumber startHole);

    // The value of each move of `jumps` played from `start`; the list stops before the first jump
    // that cannot be played (no ball to move, none to jump over, or no room). `work` is each
    // position's budget; a cancel leaves the positions not yet searched unproven.
    std::vector<MoveValue> review(const Balls& start, const std::vector<JumpTable::Jump>& jumps,
                                  const std::atomic<bool>* cancel = nullptr,
                                  std::uint64_t work = HintSolver::kDefaultWork);
    // The same from a full board with the ball of `startHole` taken off.
    std::vector<MoveValue> review(HoleNumber startHole, const std::vector<JumpTable::Jump>& jumps,
                                  const std::atomic<bool>* cancel = nullptr,
                                  std::uint64_t work = HintSolver::kDefaultWork);

private:
    HintSolver& m_solver;
};
