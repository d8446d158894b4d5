#pragma once

#include "solver/bit_board.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <unordered_map>

// The yardstick for the hint solver: a plain depth-first search for the fewest balls left, with
// every position met kept in a hash map with its best finish; no symmetry, no class, no pagoda,
// no ordering of the jumps. Stops at the first line to one ball, or when its time runs out.
class PlainSearch {
public:
    struct Result {
        int ballsLeft;
        bool finished;
    };
    Result bestFinish(BitBoard::Bits balls, std::chrono::milliseconds cap);

private:
    int finish(BitBoard::Bits balls, int count);

    std::unordered_map<BitBoard::Bits, std::uint8_t> m_known;
    std::chrono::steady_clock::time_point m_deadline;
    std::uint64_t m_visited = 0;
    bool m_stopped = false;
};
