#include "plain_search.h"

#include <algorithm>
#include <bit>

int PlainSearch::bestFinish(BitBoard::Bits balls)
{
    const int left = finish(balls, std::popcount(balls));
    // Give the memory back: each position starts afresh.
    std::unordered_map<BitBoard::Bits, std::uint8_t>().swap(m_known);
    return left;
}

int PlainSearch::finish(BitBoard::Bits balls, int count)
{
    if (const auto found = m_known.find(balls); found != m_known.end())
        return found->second;
    int best = count;
    for (int d = 0; d < 4 && best > 1; ++d)
        for (BitBoard::Bits origins = BitBoard::origins(balls, d); origins && best > 1; origins &= origins - 1)
            best = std::min(best, finish(balls ^ BitBoard::jumpMask(std::countr_zero(origins), d), count - 1));
    m_known.emplace(balls, static_cast<std::uint8_t>(best));
    return best;
}
