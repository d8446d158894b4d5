#include "solver/finish_book.h"

#include "solver/finish_book_digits.h"

#include <algorithm>
#include <bit>

using Bits = BitBoard::Bits;

const FinishBook& FinishBook::instance()
{
    static const FinishBook book;
    return book;
}

FinishBook::FinishBook() : m_positions(reachable()), m_digits(kFinishBookDigits, sizeof kFinishBookDigits - 1)
{
    if (m_digits.size() != m_positions.size())
        m_positions.clear();
}

std::vector<Bits> FinishBook::reachable()
{
    std::vector<Bits> layer;
    for (Bits h = BitBoard::holes(); h; h &= h - 1)
        layer.push_back(BitBoard::canonical(BitBoard::holes() & ~(h & -h)));
    std::vector<Bits> next;
    for (int balls = BitBoard::count(BitBoard::holes()) - 1;; --balls) {
        std::sort(layer.begin(), layer.end());
        layer.erase(std::unique(layer.begin(), layer.end()), layer.end());
        if (balls == kBalls)
            return layer;
        next.clear();
        for (const Bits b : layer)
            for (int d = 0; d < 4; ++d)
                for (Bits o = BitBoard::origins(b, d); o; o &= o - 1)
                    next.push_back(BitBoard::canonical(b ^ BitBoard::jumpMask(std::countr_zero(o), d)));
        layer.swap(next);
    }
}

int FinishBook::bestFinish(Bits balls) const
{
    if (BitBoard::count(balls) != kBalls)
        return 0;
    const Bits key = BitBoard::canonical(balls);
    const auto at = std::lower_bound(m_positions.begin(), m_positions.end(), key);
    if (at == m_positions.end() || *at != key)
        return 0;
    return m_digits[static_cast<std::size_t>(at - m_positions.begin())] - '0';
}
