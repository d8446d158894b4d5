#include "solver/transposition_table.h"

#include <algorithm>
#include <bit>
#include <new>

#include <sys/mman.h>

namespace {
constexpr std::uint64_t kKeyMask = (std::uint64_t{1} << 37) - 1;
constexpr std::uint64_t kMultiplier = 0x9e3779b97f4a7c15ULL & kKeyMask; // odd

// The inverse of an odd number modulo 2^64 by Newton's steps (each doubles the bits that are right).
constexpr std::uint64_t inverse(std::uint64_t a)
{
    std::uint64_t x = a;
    for (int i = 0; i < 6; ++i)
        x *= 2 - a * x;
    return x;
}
constexpr std::uint64_t kInverse = inverse(kMultiplier) & kKeyMask;
static_assert(((kMultiplier * kInverse) & kKeyMask) == 1);
}

TranspositionTable::TranspositionTable(std::size_t bytes)
    : m_mostSets(std::max<std::size_t>(bytes / (kWays * sizeof(std::uint32_t)), 1))
{
    clear();
}

TranspositionTable::~TranspositionTable() { munmap(m_entries, bytes()); }

void TranspositionTable::shape(std::size_t sets)
{
    m_sets = sets;
    // A set's keys span at most 2^37 / sets + 1 consecutive values: their low bits tell them apart.
    m_keptMask = static_cast<std::uint32_t>(std::bit_ceil(((std::uint64_t{1} << kKeyBits) + sets - 1) / sets) - 1);
}

std::uint64_t TranspositionTable::keyOf(std::size_t set, std::uint32_t entry) const
{
    const auto first = static_cast<std::uint64_t>(((static_cast<unsigned __int128>(set) << kKeyBits) + m_sets - 1) / m_sets);
    return first + ((entry - first) & m_keptMask);
}

void TranspositionTable::grow()
{
    // Each entry goes to the same set or a later one; from the last set back, every set taken
    // apart has its places free in the new table before any entry can arrive there.
    const std::size_t oldSets = m_sets;
    const std::size_t oldBytes = bytes();
    const std::size_t sets = std::min(oldSets * 2, m_mostSets);
    void* pages = mremap(m_entries, oldBytes, sets * kWays * sizeof(std::uint32_t), MREMAP_MAYMOVE);
    if (pages == MAP_FAILED)
        throw std::bad_alloc();
    m_entries = static_cast<std::uint32_t*>(pages);
    for (std::size_t set = oldSets; set-- > 0;) {
        std::uint32_t moving[kWays];
        std::uint64_t keys[kWays];
        for (int i = 0; i < kWays; ++i) {
            moving[i] = m_entries[set * kWays + i];
            keys[i] = keyOf(set, moving[i]);
            m_entries[set * kWays + i] = 0;
        }
        shape(sets);
        for (int i = 0; i < kWays; ++i)
            if (moving[i] != 0 && !place(keys[i], static_cast<int>(moving[i] >> kBoundShift)))
                --m_taken;
        shape(oldSets);
    }
    shape(sets);
}

std::uint64_t TranspositionTable::mixed(BitBoard::Bits b)
{
    // The rows' holes side by side: 3, 5, 7, 7, 7, 5 and 3 of them.
    const std::uint64_t holes = ((b >> 2) & 0x7) | ((b >> 9) & 0x1f) << 3 | ((b >> 16) & 0x7f) << 8 | ((b >> 24) & 0x7f) << 15
        | ((b >> 32) & 0x7f) << 22 | ((b >> 41) & 0x1f) << 29 | ((b >> 50) & 0x7) << 34;
    return (holes * kMultiplier) & kKeyMask;
}

int TranspositionTable::ballsOf(std::uint64_t mixed) { return BitBoard::count((mixed * kInverse) & kKeyMask); }

int TranspositionTable::lowerBound(BitBoard::Bits key) const
{
    const std::uint64_t m = mixed(key);
    const std::uint32_t* set = &m_entries[slot(m)];
    const std::uint32_t mine = kept(m);
    for (int i = 0; i < kWays; ++i)
        if (set[i] != 0 && (set[i] & m_keptMask) == mine)
            return static_cast<int>(set[i] >> kBoundShift);
    return 0;
}

void TranspositionTable::store(BitBoard::Bits key, int bound)
{
    if (place(mixed(key), bound) && ++m_taken > m_sets * kWays / 2 && m_sets < m_mostSets)
        grow();
}

bool TranspositionTable::place(std::uint64_t m, int bound)
{
    const std::size_t first = slot(m);
    std::uint32_t* set = &m_entries[first];
    const std::uint32_t entry = static_cast<std::uint32_t>(bound) << kBoundShift | kept(m);
    int free = -1;
    for (int i = 0; i < kWays; ++i) {
        if (set[i] == 0) {
            free = free < 0 ? i : free;
        } else if ((set[i] & m_keptMask) == kept(m)) {
            set[i] = std::max(set[i], entry);
            return false;
        }
    }
    if (free >= 0) {
        set[free] = entry;
        return true;
    }
    // A full set: the position with the fewest balls goes.
    int victim = 0;
    int fewest = kKeyBits + 1;
    for (int i = 0; i < kWays; ++i) {
        const int balls = ballsOf(keyOf(first / kWays, set[i]));
        if (balls < fewest) {
            fewest = balls;
            victim = i;
        }
    }
    set[victim] = entry;
    return false;
}

void TranspositionTable::clear()
{
    const std::size_t sets = std::min(kFirstSets, m_mostSets);
    if (m_entries && m_sets == sets && m_taken == 0)
        return;
    if (m_entries)
        munmap(m_entries, bytes());
    // Anonymous pages read as zero: a new table is free everywhere.
    void* pages = mmap(nullptr, sets * kWays * sizeof(std::uint32_t), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED)
        throw std::bad_alloc();
    m_entries = static_cast<std::uint32_t*>(pages);
    shape(sets);
    m_taken = 0;
}
