#include "solver/finish_bounds.h"

#include "solver/finish_bound_rows.h"
#include "solver/position_class.h"

#include <algorithm>
#include <bit>
#include <climits>

namespace {
using Bits = BitBoard::Bits;
}

const FinishBounds& FinishBounds::instance()
{
    static const FinishBounds bounds;
    return bounds;
}

FinishBounds::FinishBounds()
{
    std::array<int, kHoleCount> index{};
    for (int hole = 1; hole <= kHoleCount; ++hole)
        index[hole - 1] = std::countr_zero(BitBoard::bitOf(static_cast<HoleNumber>(hole)));
    m_functions.resize(kFinishBoundCount);
    for (int f = 0; f < kFinishBoundCount; ++f) {
        const auto& value = kFinishBoundRows[f];
        Function& function = m_functions[f];
        for (int r = 0; r < 7; ++r)
            for (int byte = 0; byte < 128; ++byte) {
                int total = 0;
                for (int hole = 0; hole < kHoleCount; ++hole)
                    if (index[hole] / 8 == r && (byte >> (index[hole] % 8)) & 1)
                        total += value[hole];
                function.rows[r][byte] = static_cast<std::int16_t>(total);
            }
        for (auto& byClass : function.least)
            byClass.fill(INT_MAX);
        // Every set of one, two and three balls, by the class it is in.
        const auto keep = [&](int t, Bits balls, int total) {
            int& least = function.least[t][PositionClass(balls).index()];
            least = std::min(least, total);
        };
        for (int a = 0; a < kHoleCount; ++a) {
            const Bits one = Bits{1} << index[a];
            keep(1, one, value[a]);
            for (int b = a + 1; b < kHoleCount; ++b) {
                const Bits two = one | Bits{1} << index[b];
                keep(2, two, value[a] + value[b]);
                for (int c = b + 1; c < kHoleCount; ++c)
                    keep(3, two | Bits{1} << index[c], value[a] + value[b] + value[c]);
            }
        }
    }
}

bool FinishBounds::rulesOut(Bits balls, int t) const
{
    const int positionClass = PositionClass(balls).index();
    for (const Function& function : m_functions) {
        int total = 0;
        for (int r = 0; r < 7; ++r)
            total += function.rows[r][(balls >> (8 * r)) & 0x7f];
        if (total < function.least[t][positionClass])
            return true;
    }
    return false;
}
