#include "solver/transposition_table.h"

#include <algorithm>
#include <bit>

TranspositionTable::TranspositionTable(std::size_t bytes)
{
    // A power of two of sets, at least one.
    const std::size_t sets = std::bit_floor(std::max<std::size_t>(bytes / (kWays * sizeof(std::uint64_t)), 1));
    m_shift = 64 - std::countr_zero(sets);
    m_entries.assign(sets * kWays, 0);
}

std::size_t TranspositionTable::slot(BitBoard::Bits key) const
{
    // Fibonacci hashing: the top bits of the product; a shift of 64 (one set) gives set 0.
    const std::uint64_t mixed = key * 0x9e3779b97f4a7c15ULL;
    return m_shift >= 64 ? 0 : static_cast<std::size_t>(mixed >> m_shift) * kWays;
}

int TranspositionTable::lowerBound(BitBoard::Bits key) const
{
    const std::uint64_t* set = &m_entries[slot(key)];
    for (int i = 0; i < kWays; ++i)
        if ((set[i] & kKeyMask) == key)
            return static_cast<int>(set[i] >> kBoundShift);
    return 0;
}

void TranspositionTable::store(BitBoard::Bits key, int bound)
{
    std::uint64_t* set = &m_entries[slot(key)];
    const std::uint64_t entry = key | (static_cast<std::uint64_t>(bound) << kBoundShift);
    int victim = 0;
    int fewest = 64;
    for (int i = 0; i < kWays; ++i) {
        if ((set[i] & kKeyMask) == key) {
            if (bound > static_cast<int>(set[i] >> kBoundShift))
                set[i] = entry;
            return;
        }
        const int balls = set[i] == 0 ? -1 : BitBoard::count(set[i] & kKeyMask);
        if (balls < fewest) {
            fewest = balls;
            victim = i;
        }
    }
    set[victim] = entry;
}

void TranspositionTable::clear() { std::fill(m_entries.begin(), m_entries.end(), 0); }
