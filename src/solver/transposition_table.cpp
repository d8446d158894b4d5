#include "solver/transposition_table.h"

#include <algorithm>
#include <bit>

TranspositionTable::TranspositionTable(std::size_t bytes)
{
    // A power of two of sets, at least one.
    m_maxSets = std::bit_floor(std::max<std::size_t>(bytes / (kWays * sizeof(std::uint64_t)), 1));
}

void TranspositionTable::resize(std::size_t sets)
{
    std::vector<std::uint64_t> old;
    old.swap(m_entries);
    m_sets = sets;
    m_shift = 64 - std::countr_zero(m_sets);
    m_entries.assign(m_sets * kWays, 0);
    m_used = 0;
    for (const std::uint64_t entry : old)
        if (entry != 0)
            put(entry);
}

std::uint64_t* TranspositionTable::set(BitBoard::Bits key)
{
    // Fibonacci hashing: the top bits of the product; a shift of 64 (one set) gives set 0.
    const std::uint64_t mixed = key * 0x9e3779b97f4a7c15ULL;
    return &m_entries[m_shift >= 64 ? 0 : static_cast<std::size_t>(mixed >> m_shift) * kWays];
}

TranspositionTable::Entry TranspositionTable::find(BitBoard::Bits key)
{
    if (m_entries.empty())
        return {};
    const std::uint64_t* places = set(key);
    for (int i = 0; i < kWays; ++i)
        if ((places[i] & kKeyMask) == key && places[i] != 0)
            return {boundOf(places[i]), (places[i] & kExactBit) != 0};
    return {};
}

void TranspositionTable::store(BitBoard::Bits key, int bound, bool exact)
{
    if (m_entries.empty())
        resize(std::min(kFirstSets, m_maxSets));
    else if (m_used * 2 > m_entries.size() && m_sets < m_maxSets)
        resize(m_sets * 2);
    put(key | (static_cast<std::uint64_t>(bound) << kBoundShift) | (exact ? kExactBit : 0));
}

void TranspositionTable::put(std::uint64_t entry)
{
    const std::uint64_t key = entry & kKeyMask;
    std::uint64_t* places = set(key);
    int victim = 0;
    int cheapest = 1 << 30;
    for (int i = 0; i < kWays; ++i) {
        if ((places[i] & kKeyMask) == key && places[i] != 0) {
            const bool wasExact = (places[i] & kExactBit) != 0;
            if (!wasExact && ((entry & kExactBit) || boundOf(entry) > boundOf(places[i])))
                places[i] = entry;
            return;
        }
        // Worth: the balls of the position, an exact finish above a bound of as many.
        const int worth = places[i] == 0 ? -1 : 2 * std::popcount(places[i] & kKeyMask) + ((places[i] & kExactBit) ? 1 : 0);
        if (worth < cheapest) {
            cheapest = worth;
            victim = i;
        }
    }
    if (places[victim] == 0)
        ++m_used;
    places[victim] = entry;
}

void TranspositionTable::clear()
{
    // Back to nothing: the next store starts small again.
    std::vector<std::uint64_t>().swap(m_entries);
    m_sets = 0;
    m_used = 0;
    m_shift = 64;
}
