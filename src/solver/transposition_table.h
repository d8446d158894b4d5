#pragma once

#include "solver/bit_board.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// What the hint solver has learnt of positions it searched: for each, the fewest balls it cannot
// go below, and whether that is its best finish exactly (a line reaches it) or only a bound.
// A fixed-size table that forgets: a position goes into a set of four places chosen by its key,
// and when the four are taken it pushes out the one with the fewest balls, the cheapest to
// search again (a bound before an exact finish of as many balls). Keys are whole positions
// (canonical under the board's symmetries), so what is found is never read for another position.
// The table starts small at the first store and doubles, keeping what it holds, whenever half its
// places are taken, up to the size it was made with: a short search takes little memory and
// clears quickly, a long one gets the whole table.
class TranspositionTable {
public:
    struct Entry {
        int bound = 0;      // 0 when the position is not in the table
        bool exact = false; // the best finish is `bound` balls, not only at least that many
    };

    explicit TranspositionTable(std::size_t bytes);

    Entry find(BitBoard::Bits key);
    // The bound stored for `key`, or 0 when none is.
    int lowerBound(BitBoard::Bits key) { return find(key).bound; }
    // Keeps what is learnt of `key`: an exact finish over a bound, the higher of two bounds.
    void store(BitBoard::Bits key, int bound, bool exact = false);
    void clear();
    // The most memory the table takes.
    std::size_t bytes() const { return m_maxSets * kWays * sizeof(std::uint64_t); }

private:
    static constexpr int kWays = 4;
    static constexpr int kBoundShift = 56;
    static constexpr std::uint64_t kExactBit = std::uint64_t{1} << 63;
    static constexpr std::uint64_t kKeyMask = (std::uint64_t{1} << kBoundShift) - 1;

    static constexpr std::size_t kFirstSets = std::size_t{1} << 15;

    std::uint64_t* set(BitBoard::Bits key);
    void resize(std::size_t sets);
    void put(std::uint64_t entry);
    static int boundOf(std::uint64_t entry) { return static_cast<int>((entry >> kBoundShift) & 0x3f); }

    std::vector<std::uint64_t> m_entries;
    std::size_t m_maxSets = 1;
    std::size_t m_sets = 0;
    std::size_t m_used = 0; // places taken
    int m_shift = 64;
};
