#pragma once

#include "solver/bit_board.h"

#include <cstddef>
#include <cstdint>

// What the hint solver has proven of positions it searched: for each, the fewest balls it cannot
// go below. A fixed-size table that forgets: a position goes into a set of four places chosen by
// its key, and when the four are taken it pushes out the one with the fewest balls, the cheapest
// to search again. Keys are whole positions (the solver's key, one for all mirror images of a
// nearly full board), so a bound found is never read for another position.
//
// An entry is one 64-bit word: the key's 37 bits low, the bound in the top byte, 0 for a free
// place. Memory: the table starts at 64 kB and doubles, its entries placed anew, whenever half
// its places are taken, up to the size given; so a short search touches a few pages, not the
// whole table. clear() gives it all back to the system.
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
    // Forgets every entry and gives the memory back to the system.
    void clear();
    // The table's size now.
    std::size_t bytes() const { return m_sets * kWays * sizeof(std::uint64_t); }
    // Starts loading the place of `key` into the cache, for a lookup soon after.
    void prefetch(BitBoard::Bits key) const { __builtin_prefetch(&m_entries[slot(key)]); }

private:
    static constexpr int kWays = 4;
    static constexpr int kBoundShift = 56;
    static constexpr std::uint64_t kKeyMask = (std::uint64_t{1} << kBoundShift) - 1;

    static constexpr std::size_t kFirstSets = 2048;

    std::size_t slot(BitBoard::Bits key) const;
    // Puts `entry` in its set; true when it took a free place.
    bool place(std::uint64_t entry);
    // A table of `sets` sets, all free.
    void allocate(std::size_t sets);
    void grow();

    std::size_t m_mostSets;
    std::size_t m_sets = 0;
    std::size_t m_taken = 0;
    std::uint64_t* m_entries = nullptr;
};
