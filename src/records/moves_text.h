#pragma once

#include "rules/move_history.h"

#include <string>

// The moves as text: the numbered board, the start hole and one line per move, lines separated
// by CR LF with no break after the last.
struct MovesText {
    static std::string build(const MoveHistory& history);
};
