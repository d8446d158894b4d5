#include "solver/transposition_table.h"

#include <algorithm>
#include <bit>
#include <new>

#include <sys/mman.h>

TranspositionTable::TranspositionTable(std::size_t bytes)
    : m_sets(std::max<std::size_t>(bytes / (kWays * sizeof(std::uint64_t)), 1))
{
    // Anonymous pages read as zero and take memory only once written: a large table costs what
    // the searches fill of it.
    void* pages = mmap(nullptr, this->bytes(), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED)
        throw std::bad_alloc();
    m_entries = static_cast<std::uint64_t*>(pages);
}

TranspositionTable::~TranspositionTable() { munmap(m_entries, bytes()); }

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

void TranspositionTable::clear() { std::fill(m_entries, m_entries + m_sets * kWays, std::uint64_t{0}); }
