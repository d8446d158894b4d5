#pragma once

#include "solver/bit_board.h"

#include <cstddef>
#include <cstdint>

// What the hint solver has proven of positions it searched: for each, the fewest balls it cannot
// go below. A fixed-size table that forgets: a position goes into a set of places chosen by its
// key, and when they are all taken it pushes out the one with the fewest balls, the cheapest to
// search again. Keys are whole positions (the solver's key, one for all mirror images of a nearly
// full board), so a bound found is never read for another position.
//
// An entry is 32 bits. The key's 37 holes are mixed by a multiplication that can be undone; the
// set is the mixed key scaled to the number of sets, and an entry keeps only the low bits that
// tell the keys of its set apart, with the bound above them, 0 for a free place. That holds twice
// the positions of a table of whole keys in the same memory, and a search from a hard position
// visits half as many. Memory: the table starts at 64 kB and grows, doubling up to the size given,
// whenever half its places are taken; it grows in place, each entry moving only to a later set,
// so growing never holds two tables at once. A short search touches a few pages, not the whole
// table. clear() gives it all back to the system.
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
    std::size_t bytes() const { return m_sets * kWays * sizeof(std::uint32_t); }
    // Starts loading the place of `key` into the cache, for a lookup soon after.
    void prefetch(BitBoard::Bits key) const { __builtin_prefetch(&m_entries[slot(mixed(key))]); }

private:
    static constexpr int kWays = 8;
    static constexpr int kKeyBits = 37;
    static constexpr int kBoundShift = 26;
    static constexpr std::size_t kFirstSets = 2048;

    // The key's holes as 37 bits, mixed: an odd multiplier modulo 2^37, undone by its inverse.
    static std::uint64_t mixed(BitBoard::Bits key);
    static int ballsOf(std::uint64_t mixed);
    // The first place of the set of a mixed key, and the bits of it an entry keeps.
    std::size_t slot(std::uint64_t mixed) const
    {
        return static_cast<std::size_t>((static_cast<unsigned __int128>(mixed) * m_sets) >> kKeyBits) * kWays;
    }
    std::uint32_t kept(std::uint64_t mixed) const { return static_cast<std::uint32_t>(mixed) & m_keptMask; }
    // The mixed key of an entry of set `set`.
    std::uint64_t keyOf(std::size_t set, std::uint32_t entry) const;
    // Puts the bound of a mixed key in its set; true when it took a free place.
    bool place(std::uint64_t mixed, int bound);
    // The table's geometry for `sets` sets.
    void shape(std::size_t sets);
    void grow();

    std::size_t m_mostSets;
    std::size_t m_sets = 0;
    std::uint32_t m_keptMask = 0;
    std::size_t m_taken = 0;
    std::uint32_t* m_entries = nullptr;
};
