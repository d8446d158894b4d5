#pragma once

#include "solver/bit_board.h"

#include <cstdint>
#include <unordered_map>

// The yardstick for the hint solver: a plain depth-first search for the fewest balls left, with
// every position met kept in a hash map with its best finish; no symmetry, no class, no pagoda,
// no ordering of the jumps, no budget. Stops at the first line to one ball.
class PlainSearch {
public:
    int bestFinish(BitBoard::Bits balls);

private:
    int finish(BitBoard::Bits balls, int count);

    std::unordered_map<BitBoard::Bits, std::uint8_t> m_known;
};
