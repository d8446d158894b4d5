#pragma once

#include "rules/move_history.h"

#include <string>
#include <string_view>

// The moves file (.dvm): "L1"+origin and "L2"+destination per move, then "ST"+start hole, CR LF.
struct MovesFile {
    static std::string serialise(const MoveHistory& history);
    // Applies the tagged lines, in any order, to the history. Stops at the first line whose first
    // two characters are no known tag (an empty line included) and returns false; what was read stays.
    static bool read(std::string_view bytes, MoveHistory& history);
};
