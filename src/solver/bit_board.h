#pragma once

#include "board/hole_number.h"

#include <array>
#include <cstdint>

// The 37 holes as the bits of a 64-bit word, for the hint solver: the hole at row r, column c
// (both counted from 1) is bit 8 (r - 1) + (c - 1). Column 8 and row 8 are never holes, so a
// shift by one place (along a row) or by eight (along a column) never carries a ball onto the
// next row or off the board unnoticed.
class BitBoard {
public:
    using Bits = std::uint64_t;

    // Every hole of the board.
    static Bits holes();
    static Bits bitOf(HoleNumber hole);
    // The hole of a single bit's index (0..63), or 0 for an index that is no hole.
    static HoleNumber holeOfIndex(int index);

    static Bits fromBalls(const std::array<bool, kHoleCount>& balls);
    static std::array<bool, kHoleCount> toBalls(Bits balls);

    // The four jump directions as bit steps: right, left, down, up.
    static constexpr std::array<int, 4> kSteps = {1, -1, 8, -8};

    // The origins of every jump in direction `d` (index into kSteps) open in `balls`: a ball at
    // the origin and at the next hole, the hole after that empty.
    static Bits origins(Bits balls, int d)
    {
        const Bits empty = ~balls & holes();
        switch (d) {
        case 0: return balls & (balls >> 1) & (empty >> 2);
        case 1: return balls & (balls << 1) & (empty << 2);
        case 2: return balls & (balls >> 8) & (empty >> 16);
        default: return balls & (balls << 8) & (empty << 16);
        }
    }
    // The three holes a jump from the origin at bit `index` in direction `d` changes.
    static Bits jumpMask(int index, int d)
    {
        const int step = kSteps[d];
        return (Bits{1} << index) | (Bits{1} << (index + step)) | (Bits{1} << (index + 2 * step));
    }
    static bool anyJump(Bits balls)
    {
        return (origins(balls, 0) | origins(balls, 1) | origins(balls, 2) | origins(balls, 3)) != 0;
    }

    // The balls in `b`, counted in a few instructions on every processor (without the popcount
    // instruction, std::popcount is a call into the compiler's library).
    static constexpr int count(Bits b)
    {
        b -= (b >> 1) & 0x5555555555555555ULL;
        b = (b & 0x3333333333333333ULL) + ((b >> 2) & 0x3333333333333333ULL);
        b = (b + (b >> 4)) & 0x0f0f0f0f0f0f0f0fULL;
        return static_cast<int>((b * 0x0101010101010101ULL) >> 56);
    }

    // The board turned or mirrored by symmetry `s` (0..7; 0 leaves it as it is).
    static Bits symmetry(Bits balls, int s);
    // The least of the eight symmetric images: one key for a position and its mirror images.
    static Bits canonical(Bits balls);
};
