#pragma once

#include "solver/bit_board.h"

#include <array>
#include <vector>

// Pagoda functions: a value for each hole such that the two holes a jump empties are worth at
// least as much as the one it fills. The total value of the balls can then never grow, so a
// position worth less than a hole's value can never end with its last ball there. Each function
// leads to one hole; several lead to each, kept small on different sides of the board.
class PagodaSet {
public:
    static const PagodaSet& instance();

    // No single last ball can be reached in any of the holes of `targets` from `balls`, as some
    // pagoda function to each of them shows.
    bool rulesOutLastBall(BitBoard::Bits balls, BitBoard::Bits targets) const;

    // The value of `balls` under each function.
    std::vector<int> values(BitBoard::Bits balls) const;
    // Some function values `balls` below `targetValues` (from values()): no jumps lead from
    // `balls` to that target position.
    bool fallsShort(BitBoard::Bits balls, const std::vector<int>& targetValues) const;

    // The value of hole h (1..37) under function f, for checking the table.
    static int count();
    static int valueOf(int f, int hole);
    static int targetOf(int f);

private:
    PagodaSet();

    struct Function {
        int worth; // the value of the hole it leads to
        // The value of each row's balls, by row (0..6) and the row's seven bits.
        std::array<std::array<int, 128>, 7> rows;
        int value(BitBoard::Bits balls) const;
    };
    std::vector<Function> m_functions;
    // The functions leading to each bit of the board.
    std::array<std::vector<int>, 64> m_byTarget;
};
