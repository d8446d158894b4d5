#include "board/jump_table.h"

// The geometry must give exactly the table's number of jumps: neither one lost nor one too many.
static_assert(JumpTable::forEachRun([](int, JumpTable::Jump) {}) == JumpTable::kJumpCount);

const JumpTable& JumpTable::instance()
{
    static constexpr JumpTable table;
    return table;
}

std::optional<HoleNumber> JumpTable::jumped(HoleNumber origin, HoleNumber destination) const
{
    for (const Jump& jump : m_jumps)
        if (jump.origin == origin && jump.destination == destination)
            return jump.jumped;
    return std::nullopt;
}
