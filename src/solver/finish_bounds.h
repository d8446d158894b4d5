#pragma once

#include "solver/bit_board.h"

#include <array>
#include <cstdint>

// Bounds on how few balls a position can end with, from signed pagoda functions: a value of
// either sign for each hole such that every jump takes away at least the value it brings, so the
// value of the balls never grows over a game. When a function values a position below every set
// of t balls of the position's class (which no jump changes), no game from there gets down to t
// balls. The functions were found by linear programs over positions of random games.
class FinishBounds {
public:
    // The largest t the bounds speak of.
    static constexpr int kMostBalls = 3;
    static constexpr int kFunctions = 256;
    // The first functions, found over positions of random games, also order the jumps (slack());
    // the others, found over the positions the longest searches opened, only cut off.
    static constexpr int kOrderingFunctions = 144;

    // Eight values side by side, added and compared in one instruction.
    using Lane = std::int16_t __attribute__((vector_size(16)));
    static constexpr int kLanes = kFunctions / 8;
    // The value of a position under each function; kept along a search and changed jump by jump.
    using Values = std::array<Lane, kLanes>;

    static const FinishBounds& instance();

    Values valuesOf(BitBoard::Bits balls) const;
    // The values after the jump from the bit of index `origin` in direction `direction` (an index
    // into BitBoard::kSteps): one addition of what the jump changes, kept for every jump.
    void afterJump(const Values& before, int origin, int direction, Values& after) const
    {
        const Values& change = m_jumpChanges[direction][origin];
        for (int i = 0; i < kLanes; ++i)
            after[i] = before[i] + change[i];
    }

    // The values with a ball added at the bit of index `index` (a hole the position leaves empty).
    void plusBall(const Values& before, int index, Values& after) const
    {
        for (int i = 0; i < kLanes; ++i)
            after[i] = before[i] + m_holeValues[index][i];
    }

    // No game from the position `balls`, of values `values`, ends with `t` balls or fewer
    // (1 <= t <= kMostBalls, t below the balls on the board), as one of the functions shows.
    bool rulesOut(BitBoard::Bits balls, const Values& values, int t) const { return rulesOut(classOf(balls), values, t); }
    // The same for a position of class `positionClass` (PositionClass::index()), which no jump changes.
    bool rulesOut(int positionClass, const Values& values, int t) const;
    // afterJump() and rulesOut() in one pass that stops at the first function ruling the position
    // out: `after` then holds only part of the values.
    bool rulesOutAfterJump(int positionClass, const Values& before, int origin, int direction, int t, Values& after) const
    {
        return fallsShortAfterJump(before, origin, direction, m_least[t][positionClass], after);
    }
    bool rulesOut(BitBoard::Bits balls, int t) const { return rulesOut(balls, valuesOf(balls), t); }

    // Some function values a position of values `values` below `goal`, the values of another
    // position: no game leads from the one to the other.
    static bool fallsShort(const Values& values, const Values& goal);
    // afterJump() and fallsShort() in one pass that stops at the first function falling short:
    // `after` then holds only part of the values.
    bool fallsShortAfterJump(const Values& before, int origin, int direction, const Values& goal, Values& after) const;

    // How far the position is from being ruled out for `t` balls: the least, over the functions
    // that order the jumps, of its value above that of the least valued set of t balls of its class.
    int slack(int positionClass, const Values& values, int t) const;

private:
    FinishBounds();
    static int classOf(BitBoard::Bits balls);

    // The value of each hole by its bit's index, for every function.
    std::array<Values, 64> m_holeValues{};
    // What each jump changes, by direction and origin: the destination's value less the origin's
    // and the jumped hole's.
    std::array<std::array<Values, 64>, 4> m_jumpChanges{};
    // The least value of t balls of each position class, by t and class, for every function.
    std::array<std::array<Values, 16>, kMostBalls + 1> m_least{};
};
