#include "solver/finish_bounds.h"

#include "solver/finish_bound_rows.h"
#include "solver/position_class.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {
using Bits = BitBoard::Bits;
}

const FinishBounds& FinishBounds::instance()
{
    static const FinishBounds bounds;
    return bounds;
}

static_assert(FinishBounds::kFunctions == kFinishBoundCount && FinishBounds::kFunctions % 8 == 0);
static_assert(FinishBounds::kOrderingFunctions <= FinishBounds::kFunctions && FinishBounds::kOrderingFunctions % 8 == 0);

FinishBounds::FinishBounds()
{
    std::array<int, kHoleCount> index{};
    for (int hole = 1; hole <= kHoleCount; ++hole)
        index[hole - 1] = std::countr_zero(BitBoard::bitOf(static_cast<HoleNumber>(hole)));
    for (auto& byClass : m_least)
        for (Values& least : byClass)
            for (Lane& lane : least)
                lane = Lane{} + INT16_MAX;
    for (int f = 0; f < kFunctions; ++f)
        for (int hole = 0; hole < kHoleCount; ++hole)
            m_holeValues[index[hole]][f / 8][f % 8] = static_cast<std::int16_t>(kFinishBoundRows[f][hole]);
    // Every set of one, two and three balls, by the class it is in, all functions at once.
    const auto keep = [&](int t, Bits balls, const Values& total) {
        Values& least = m_least[t][PositionClass(balls).index()];
        for (int i = 0; i < kLanes; ++i)
            least[i] = total[i] < least[i] ? total[i] : least[i];
    };
    for (int a = 0; a < kHoleCount; ++a) {
        const Bits one = Bits{1} << index[a];
        const Values& first = m_holeValues[index[a]];
        keep(1, one, first);
        for (int b = a + 1; b < kHoleCount; ++b) {
            const Bits two = one | Bits{1} << index[b];
            Values pair;
            for (int i = 0; i < kLanes; ++i)
                pair[i] = first[i] + m_holeValues[index[b]][i];
            keep(2, two, pair);
            for (int c = b + 1; c < kHoleCount; ++c) {
                Values three;
                for (int i = 0; i < kLanes; ++i)
                    three[i] = pair[i] + m_holeValues[index[c]][i];
                keep(3, two | Bits{1} << index[c], three);
            }
        }
    }
    for (int d = 0; d < 4; ++d)
        for (int origin = 0; origin < 64; ++origin) {
            const int step = BitBoard::kSteps[d];
            const int destination = origin + 2 * step;
            // Column 8 and row 8 hold no hole: a run that leaves the board meets one of them.
            if (destination < 0 || destination >= 64 || std::popcount(BitBoard::jumpMask(origin, d) & BitBoard::holes()) != 3)
                continue;
            for (int i = 0; i < kLanes; ++i)
                m_jumpChanges[d][origin][i] = m_holeValues[destination][i] - m_holeValues[origin + step][i] - m_holeValues[origin][i];
        }
}

FinishBounds::Values FinishBounds::valuesOf(Bits balls) const
{
    Values values{};
    for (; balls; balls &= balls - 1) {
        const Values& hole = m_holeValues[std::countr_zero(balls)];
        for (int i = 0; i < kLanes; ++i)
            values[i] += hole[i];
    }
    return values;
}

int FinishBounds::classOf(Bits balls) { return PositionClass(balls).index(); }

bool FinishBounds::rulesOut(int positionClass, const Values& values, int t) const
{
    return fallsShort(values, m_least[t][positionClass]);
}

bool FinishBounds::fallsShort(const Values& values, const Values& goal)
{
    Lane below{};
    for (int i = 0; i < kLanes; ++i)
        below |= values[i] < goal[i];
    std::uint64_t words[2];
    std::memcpy(words, &below, sizeof words);
    return (words[0] | words[1]) != 0;
}

bool FinishBounds::fallsShortAfterJump(const Values& before, int origin, int direction, const Values& goal, Values& after) const
{
    const Values& change = m_jumpChanges[direction][origin];
    for (int i = 0; i < kLanes; ++i) {
        after[i] = before[i] + change[i];
        const Lane below = after[i] < goal[i];
        std::uint64_t words[2];
        std::memcpy(words, &below, sizeof words);
        if ((words[0] | words[1]) != 0)
            return true;
    }
    return false;
}

int FinishBounds::slack(int positionClass, const Values& values, int t) const
{
    const Values& least = m_least[t][positionClass];
    Lane lowest = values[0] - least[0];
    for (int i = 1; i < kOrderingFunctions / 8; ++i) {
        const Lane above = values[i] - least[i];
        lowest = above < lowest ? above : lowest;
    }
    int out = lowest[0];
    for (int k = 1; k < 8; ++k)
        out = std::min<int>(out, lowest[k]);
    return out;
}
