#pragma once

#include "solver/bit_board.h"

#include <string_view>
#include <vector>

// The best finish of every position of kBalls balls that a game from a single-vacancy start can
// reach, worked out once by the hint solver itself (dorv_make_finish_book, about an hour on two
// cores) and kept as one digit per position. Those positions are where the search is hardest: a
// few jumps from a start, most of the game still ahead, and proving that a last ball is out of
// reach can mean trying tens of millions of games. With the book a search from a nearly full board
// stops kBalls balls down.
//
// The positions themselves are not stored: they are found again, in a few milliseconds, by
// playing every jump from every start, and the digits follow their least mirror images in
// ascending order.
class FinishBook {
public:
    static constexpr int kBalls = 30;

    static const FinishBook& instance();

    // The least mirror image of every position of kBalls balls a game can reach, in ascending order.
    static std::vector<BitBoard::Bits> reachable();

    // The fewest balls a game from `balls` can leave, or 0 when the book does not hold the
    // position (another ball count, or a position no game from a start reaches).
    int bestFinish(BitBoard::Bits balls) const;
    // The positions the book holds: none when the digits do not match the positions.
    std::size_t size() const { return m_positions.size(); }

private:
    FinishBook();

    std::vector<BitBoard::Bits> m_positions;
    std::string_view m_digits;
};
