#pragma once

#include "board/board.h"
#include "rules/position_entry.h"

#include <string>
#include <string_view>
#include <vector>

// The saved-game file (.dvg): 37 lines "²" (0xB2, empty) or "³" (0xB3, ball), then "s²" (the
// starting ball is still to be removed) or "s³" (the game is under way), CR LF.
struct SavedGameFile {
    struct Reading {
        std::vector<PositionEntry> entries; // the lines before any bad one, in file order
        bool corrupted = false;             // a line that is no token, or a hole token past line 37
    };
    static std::string serialise(const Board& board, int firstball);
    static Reading read(std::string_view bytes);
};
