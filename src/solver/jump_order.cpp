#include "solver/jump_order.h"

#include <array>
#include <bit>

namespace JumpOrder {
namespace {

using Bits = BitBoard::Bits;

int squaredDistanceFromCentre(int index)
{
    const int r = index / 8 - 3;
    const int c = index % 8 - 3;
    return r * r + c * c;
}

// A jump's static merit: it brings balls in towards the centre and takes off outlying ones.
const std::array<int, kCodes>& merits()
{
    static const std::array<int, kCodes> table = [] {
        std::array<int, kCodes> out{};
        for (int d = 0; d < 4; ++d)
            for (int i = 0; i < 64; ++i) {
                const int step = BitBoard::kSteps[d];
                if (i + 2 * step < 0 || i + 2 * step >= 64)
                    continue;
                out[d * 64 + i] = squaredDistanceFromCentre(i) + squaredDistanceFromCentre(i + step)
                    - squaredDistanceFromCentre(i + 2 * step);
            }
        return out;
    }();
    return table;
}

} // namespace

JumpTable::Jump jumpOf(int code)
{
    const int index = originOf(code);
    const int step = BitBoard::kSteps[directionOf(code)];
    return {BitBoard::holeOfIndex(index), BitBoard::holeOfIndex(index + step), BitBoard::holeOfIndex(index + 2 * step)};
}

std::uint64_t mix(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

int openJumps(Bits balls, int* codes)
{
    int n = 0;
    for (int d = 0; d < 4; ++d)
        for (Bits origins = BitBoard::origins(balls, d); origins; origins &= origins - 1)
            codes[n++] = d * 64 + std::countr_zero(origins);
    return n;
}

void rank(Bits balls, std::uint64_t shuffle, int* codes, int n, const int* first)
{
    const auto& merit = merits();
    // Each jump's merit above its code in one word, sorted by insertion: a position has few jumps.
    std::uint64_t ranked[kCodes];
    for (int i = 0; i < n; ++i) {
        const int code = codes[i];
        const Bits after = balls ^ maskOf(code);
        std::uint64_t open = 0;
        for (int e = 0; e < 4; ++e)
            open += static_cast<std::uint64_t>(BitBoard::count(BitBoard::origins(after, e)));
        const std::uint64_t tie = shuffle ? mix(shuffle ^ static_cast<std::uint64_t>(code)) & 0xff : 0;
        const std::uint64_t lead = first ? static_cast<std::uint64_t>(first[i]) : 0;
        const std::uint64_t word = lead << 40 | (open << 32) | static_cast<std::uint64_t>(merit[code] + 64) << 24 | tie << 16
            | static_cast<std::uint64_t>(code);
        int k = i;
        for (; k > 0 && ranked[k - 1] < word; --k)
            ranked[k] = ranked[k - 1];
        ranked[k] = word;
    }
    for (int k = 0; k < n; ++k)
        codes[k] = static_cast<int>(ranked[k] & 0xffff);
}

int ordered(Bits balls, std::uint64_t shuffle, int* codes)
{
    const int n = openJumps(balls, codes);
    rank(balls, shuffle, codes, n);
    return n;
}

} // namespace JumpOrder
