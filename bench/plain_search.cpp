#include "plain_search.h"

#include <algorithm>
#include <bit>

PlainSearch::Result PlainSearch::bestFinish(BitBoard::Bits balls, std::chrono::milliseconds cap)
{
    m_known.clear();
    m_deadline = std::chrono::steady_clock::now() + cap;
    m_stopped = false;
    const int left = finish(balls, std::popcount(balls));
    // Give the memory back: each position starts afresh, as the hint would.
    std::unordered_map<BitBoard::Bits, std::uint8_t>().swap(m_known);
    return {left, !m_stopped};
}

int PlainSearch::finish(BitBoard::Bits balls, int count)
{
    if (const auto found = m_known.find(balls); found != m_known.end())
        return found->second;
    if ((++m_visited & 1023) == 0 && std::chrono::steady_clock::now() >= m_deadline)
        m_stopped = true;
    int best = count;
    for (int d = 0; d < 4 && !m_stopped && best > 1; ++d)
        for (BitBoard::Bits origins = BitBoard::origins(balls, d); origins && best > 1 && !m_stopped; origins &= origins - 1)
            best = std::min(best, finish(balls ^ BitBoard::jumpMask(std::countr_zero(origins), d), count - 1));
    if (!m_stopped)
        m_known.emplace(balls, static_cast<std::uint8_t>(best));
    return best;
}
