#include "solver/game_review.h"

#include "solver/bit_board.h"

#include <algorithm>
#include <optional>

namespace {
using Bits = BitBoard::Bits;

// The position after `jump`, or none when it cannot be played in `balls`.
std::optional<Bits> played(Bits balls, const JumpTable::Jump& jump)
{
    if (JumpTable::instance().jumped(jump.origin, jump.destination) != jump.jumped)
        return std::nullopt;
    const Bits origin = BitBoard::bitOf(jump.origin);
    const Bits over = BitBoard::bitOf(jump.jumped);
    const Bits destination = BitBoard::bitOf(jump.destination);
    if (!(balls & origin) || !(balls & over) || (balls & destination))
        return std::nullopt;
    return balls ^ origin ^ over ^ destination;
}
}

std::vector<GameReview::Balls> GameReview::positions(const Balls& start, const std::vector<JumpTable::Jump>& jumps)
{
    std::vector<Balls> positions{start};
    Bits balls = BitBoard::fromBalls(start);
    for (const JumpTable::Jump& jump : jumps) {
        const std::optional<Bits> next = played(balls, jump);
        if (!next)
            break;
        balls = *next;
        positions.push_back(BitBoard::toBalls(balls));
    }
    return positions;
}

GameReview::Balls GameReview::startingFrom(HoleNumber startHole)
{
    Balls start;
    start.fill(true);
    if (isHole(startHole))
        start[std::size_t(startHole - 1)] = false;
    return start;
}

std::vector<MoveValue> GameReview::review(const Balls& start, const std::vector<JumpTable::Jump>& jumps,
                                          const std::atomic<bool>* cancel, std::uint64_t work)
{
    const std::vector<Balls> positions = GameReview::positions(start, jumps);
    // Unsearched, a position is worth the balls on it and proves nothing.
    std::vector<int> finish(positions.size());
    std::vector<bool> proven(positions.size(), false);
    for (std::size_t i = positions.size(); i-- > 0;) {
        finish[i] = int(std::count(positions[i].begin(), positions[i].end(), true));
        if (cancel && cancel->load())
            continue;
        const Hint hint = m_solver.bestMove(positions[i], cancel, work);
        finish[i] = hint.ballsLeft;
        proven[i] = hint.proven();
    }
    std::vector<MoveValue> values;
    values.reserve(positions.size() - 1);
    for (std::size_t i = 0; i + 1 < positions.size(); ++i)
        values.push_back({finish[i], finish[i + 1], proven[i] && proven[i + 1]});
    return values;
}

std::vector<MoveValue> GameReview::review(HoleNumber startHole, const std::vector<JumpTable::Jump>& jumps,
                                          const std::atomic<bool>* cancel, std::uint64_t work)
{
    return review(startingFrom(startHole), jumps, cancel, work);
}
