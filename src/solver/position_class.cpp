#include "solver/position_class.h"

#include <array>
#include <bit>

namespace {
using Bits = BitBoard::Bits;

struct Lines {
    std::array<Bits, 3> diagonal{};
    std::array<Bits, 3> antiDiagonal{};
};

const Lines& lines()
{
    static const Lines table = [] {
        Lines out;
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 7; ++c) {
                const Bits bit = (Bits{1} << (8 * r + c)) & BitBoard::holes();
                out.diagonal[(r + c) % 3] |= bit;
                out.antiDiagonal[(r - c + 9) % 3] |= bit;
            }
        return out;
    }();
    return table;
}

// The line whose count's parity differs from the other two, or -1 when the three agree.
int oddOneOut(Bits balls, const std::array<Bits, 3>& line)
{
    const int p0 = BitBoard::count(balls & line[0]) & 1;
    const int p1 = BitBoard::count(balls & line[1]) & 1;
    const int p2 = BitBoard::count(balls & line[2]) & 1;
    if (p0 == p1 && p1 == p2)
        return -1;
    return p1 == p2 ? 0 : p0 == p2 ? 1 : 2;
}
}

PositionClass::PositionClass(Bits balls)
    : m_diagonal(oddOneOut(balls, lines().diagonal)), m_antiDiagonal(oddOneOut(balls, lines().antiDiagonal))
{
}

Bits PositionClass::lastBallHoles() const
{
    if (!allowsOneBall())
        return 0;
    return lines().diagonal[m_diagonal] & lines().antiDiagonal[m_antiDiagonal];
}
