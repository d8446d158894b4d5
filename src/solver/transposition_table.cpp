#include "solver/transposition_table.h"

#include <algorithm>
#include <bit>
#include <new>

#include <sys/mman.h>

TranspositionTable::TranspositionTable(std::size_t bytes)
    : m_mostSets(std::max<std::size_t>(bytes / (kWays * sizeof(std::uint64_t)), 1))
{
    allocate(std::min(kFirstSets, m_mostSets));
}

TranspositionTable::~TranspositionTable() { munmap(m_entries, bytes()); }

void TranspositionTable::allocate(std::size_t sets)
{
    // Anonymous pages read as zero: a new table is free everywhere.
    void* pages = mmap(nullptr, sets * kWays * sizeof(std::uint64_t), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED)
        throw std::bad_alloc();
    m_entries = static_cast<std::uint64_t*>(pages);
    m_sets = sets;
    m_taken = 0;
}

void TranspositionTable::grow()
{
    std::uint64_t* const old = m_entries;
    const std::size_t oldBytes = bytes();
    const std::size_t oldEntries = m_sets * kWays;
    allocate(std::min(m_sets * 2, m_mostSets));
    for (std::size_t i = 0; i < oldEntries; ++i)
        if (old[i] != 0 && place(old[i]))
            ++m_taken;
    munmap(old, oldBytes);
}

std::size_t TranspositionTable::slot(BitBoard::Bits key) const
{
    // The key spread over 64 bits, then scaled to the number of sets by the high half of a
    // product.
    const std::uint64_t mixed = key * 0x9e3779b97f4a7c15ULL;
    return static_cast<std::size_t>((static_cast<unsigned __int128>(mixed) * m_sets) >> 64) * kWays;
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
    if (place(key | (static_cast<std::uint64_t>(bound) << kBoundShift)) && ++m_taken > m_sets * kWays / 2 && m_sets < m_mostSets)
        grow();
}

bool TranspositionTable::place(std::uint64_t entry)
{
    const std::uint64_t key = entry & kKeyMask;
    std::uint64_t* set = &m_entries[slot(key)];
    int victim = 0;
    int fewest = 64;
    for (int i = 0; i < kWays; ++i) {
        if ((set[i] & kKeyMask) == key) {
            if (entry > set[i])
                set[i] = entry;
            return false;
        }
        const int balls = set[i] == 0 ? -1 : BitBoard::count(set[i] & kKeyMask);
        if (balls < fewest) {
            fewest = balls;
            victim = i;
        }
    }
    const bool free = set[victim] == 0;
    set[victim] = entry;
    return free;
}

void TranspositionTable::clear()
{
    if (m_sets == std::min(kFirstSets, m_mostSets) && m_taken == 0)
        return;
    munmap(m_entries, bytes());
    allocate(std::min(kFirstSets, m_mostSets));
}
