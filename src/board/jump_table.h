#pragma once

#include "board/board_geometry.h"

#include <array>
#include <optional>

// The 92 legal jumps: every run of three holes along a row or a column, in both directions.
// Built from the board's geometry when the program is compiled.
class JumpTable {
public:
    struct Jump {
        HoleNumber origin;
        HoleNumber jumped;
        HoleNumber destination;
    };
    static constexpr int kJumpCount = 92;

    static const JumpTable& instance();

    // The hole jumped over from origin to destination, or none when the pair is not a jump.
    std::optional<HoleNumber> jumped(HoleNumber origin, HoleNumber destination) const;
    const std::array<Jump, kJumpCount>& jumps() const { return m_jumps; }

    // Every run of three holes of the board, in both directions, in the order of their origins.
    template <typename Visit>
    static constexpr int forEachRun(Visit visit)
    {
        constexpr int kDirections[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        int count = 0;
        for (int hole = 1; hole <= kHoleCount; ++hole) {
            const int r = BoardGeometry::rowOf(static_cast<HoleNumber>(hole));
            const int c = BoardGeometry::columnOf(static_cast<HoleNumber>(hole));
            for (const auto& d : kDirections) {
                const HoleNumber over = BoardGeometry::holeAt(r + d[0], c + d[1]);
                const HoleNumber to = BoardGeometry::holeAt(r + 2 * d[0], c + 2 * d[1]);
                if (over != 0 && to != 0)
                    visit(count++, Jump{static_cast<HoleNumber>(hole), over, to});
            }
        }
        return count;
    }

private:
    constexpr JumpTable()
    {
        forEachRun([this](int k, Jump jump) { m_jumps[static_cast<std::size_t>(k)] = jump; });
    }
    std::array<Jump, kJumpCount> m_jumps{};
};
