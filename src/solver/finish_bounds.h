#pragma once

#include "solver/bit_board.h"

#include <array>
#include <cstdint>
#include <vector>

// Bounds on how few balls a position can end with, from signed pagoda functions: a value of
// either sign for each hole such that every jump takes away at least the value it brings, so the
// value of the balls never grows over a game. When a function values a position below every set
// of t balls of the position's class (which no jump changes), no game from there gets down to t
// balls. The functions were found by linear programs over positions of random games.
class FinishBounds {
public:
    // The largest t the bounds speak of.
    static constexpr int kMostBalls = 3;

    static const FinishBounds& instance();

    // No game from `balls` ends with `t` balls or fewer (1 <= t <= kMostBalls, t below the balls
    // on the board), as one of the functions shows.
    bool rulesOut(BitBoard::Bits balls, int t) const;

private:
    FinishBounds();

    struct Function {
        // The value of each row's balls, by row (0..6) and the row's seven bits.
        std::array<std::array<std::int16_t, 128>, 7> rows;
        // The least value of t balls of each position class, by t and class.
        std::array<std::array<int, 16>, kMostBalls + 1> least;
    };
    std::vector<Function> m_functions;
};
