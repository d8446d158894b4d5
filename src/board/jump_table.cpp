#include "board/jump_table.h"

#include "board/board_geometry.h"

JumpTable::JumpTable()
{
    static constexpr int kDirections[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    int count = 0;
    for (int hole = 1; hole <= kHoleCount; ++hole) {
        const int r = BoardGeometry::rowOf(static_cast<HoleNumber>(hole));
        const int c = BoardGeometry::columnOf(static_cast<HoleNumber>(hole));
        for (const auto& d : kDirections) {
            const HoleNumber over = BoardGeometry::holeAt(r + d[0], c + d[1]);
            const HoleNumber to = BoardGeometry::holeAt(r + 2 * d[0], c + 2 * d[1]);
            if (over != 0 && to != 0 && count < kJumpCount)
                m_jumps[count++] = {static_cast<HoleNumber>(hole), over, to};
        }
    }
}

const JumpTable& JumpTable::instance()
{
    static const JumpTable table;
    return table;
}

std::optional<HoleNumber> JumpTable::jumped(int origin, int destination) const
{
    for (const Jump& jump : m_jumps)
        if (jump.origin == origin && jump.destination == destination)
            return jump.jumped;
    return std::nullopt;
}
