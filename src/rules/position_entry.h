#pragma once

#include "board/hole_number.h"

// One line of a stored position, as a reader understood it: a hole empty or holding a ball, or
// whether the starting ball is still to be removed.
struct PositionEntry {
    enum class Kind { Empty, Ball, Waiting, Underway };
    Kind kind;
    HoleNumber hole = 0; // for Empty and Ball: the hole the line stands for
};
