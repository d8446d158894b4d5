#pragma once

#include "solver/bit_board.h"

#include <cstddef>
#include <cstdint>

// What the hint solver has proven of positions it searched: for each, the fewest balls it cannot
// go below. A fixed-size table that forgets: a position goes into a set of four places chosen by
// its key, and when the four are taken it pushes out the one with the fewest balls, the cheapest
// to search again. Keys are whole positions (the solver's key, one for all mirror images of a
// nearly full board), so a bound found is never read for another position.
class TranspositionTable {
public:
    explicit TranspositionTable(std::size_t bytes);
    ~TranspositionTable();
    TranspositionTable(const TranspositionTable&) = delete;
    TranspositionTable& operator=(const TranspositionTable&) = delete;

    // The bound stored for `key`, or 0 when none is.
    int lowerBound(BitBoard::Bits key) const;
    // Keeps `bound` for `key`, or the bound it has when higher.
    void store(BitBoard::Bits key, int bound);
    void clear();
    std::size_t bytes() const { return m_sets * kWays * sizeof(std::uint64_t); }
    // Starts loading the place of `key` into the cache, for a lookup soon after.
    void prefetch(BitBoard::Bits key) const { __builtin_prefetch(&m_entries[slot(key)]); }

private:
    static constexpr int kWays = 4;
    static constexpr int kBoundShift = 56;
    static constexpr std::uint64_t kKeyMask = (std::uint64_t{1} << kBoundShift) - 1;

    std::size_t slot(BitBoard::Bits key) const;

    std::size_t m_sets;
    std::uint64_t* m_entries = nullptr;
};
