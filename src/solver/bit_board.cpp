#include "solver/bit_board.h"

#include "board/board_geometry.h"

#include <bit>

namespace {
using Bits = BitBoard::Bits;

constexpr Bits kHoles = 0x1c3e7f7f7f3e1cULL;

// Row r becomes row 6 - r.
Bits flipRows(Bits b) { return __builtin_bswap64(b) >> 8; }

// Column c becomes column 6 - c: each row's byte reversed, then moved back by one place.
Bits flipColumns(Bits b)
{
    b = ((b >> 1) & 0x5555555555555555ULL) | ((b & 0x5555555555555555ULL) << 1);
    b = ((b >> 2) & 0x3333333333333333ULL) | ((b & 0x3333333333333333ULL) << 2);
    b = ((b >> 4) & 0x0f0f0f0f0f0f0f0fULL) | ((b & 0x0f0f0f0f0f0f0f0fULL) << 4);
    return b >> 1;
}

// Row and column change places: bit 8 r + c goes to bit 8 c + r.
Bits transpose(Bits b)
{
    Bits t = 0x0f0f0f0f00000000ULL & (b ^ (b << 28));
    b ^= t ^ (t >> 28);
    t = 0x3333000033330000ULL & (b ^ (b << 14));
    b ^= t ^ (t >> 14);
    t = 0x5500550055005500ULL & (b ^ (b << 7));
    b ^= t ^ (t >> 7);
    return b;
}
}

Bits BitBoard::holes() { return kHoles; }

Bits BitBoard::bitOf(HoleNumber hole)
{
    if (!isHole(hole))
        return 0;
    return Bits{1} << (8 * (BoardGeometry::rowOf(hole) - 1) + BoardGeometry::columnOf(hole) - 1);
}

HoleNumber BitBoard::holeOfIndex(int index)
{
    if (index < 0 || index >= 64)
        return 0;
    return BoardGeometry::holeAt(index / 8 + 1, index % 8 + 1);
}

Bits BitBoard::fromBalls(const std::array<bool, kHoleCount>& balls)
{
    Bits b = 0;
    for (int hole = 1; hole <= kHoleCount; ++hole)
        if (balls[hole - 1])
            b |= bitOf(static_cast<HoleNumber>(hole));
    return b;
}

std::array<bool, kHoleCount> BitBoard::toBalls(Bits balls)
{
    std::array<bool, kHoleCount> out{};
    for (int hole = 1; hole <= kHoleCount; ++hole)
        out[hole - 1] = (balls & bitOf(static_cast<HoleNumber>(hole))) != 0;
    return out;
}

Bits BitBoard::symmetry(Bits b, int s)
{
    if (s & 1)
        b = flipRows(b);
    if (s & 2)
        b = flipColumns(b);
    if (s & 4)
        b = transpose(b);
    return b;
}

Bits BitBoard::canonical(Bits b)
{
    const Bits v = flipRows(b);
    const Bits h = flipColumns(b);
    const Bits vh = flipColumns(v);
    Bits least = b;
    for (Bits image : {v, h, vh, transpose(b), transpose(v), transpose(h), transpose(vh)})
        least = image < least ? image : least;
    return least;
}
