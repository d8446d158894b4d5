#pragma once

#include "board/hole_number.h"

#include <array>
#include <optional>

// The 92 legal jumps: every run of three holes along a row or a column, in both directions.
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
    std::optional<HoleNumber> jumped(int origin, int destination) const;
    const std::array<Jump, kJumpCount>& jumps() const { return m_jumps; }

private:
    JumpTable();
    std::array<Jump, kJumpCount> m_jumps{};
};
