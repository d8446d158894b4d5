#pragma once

#include "board/jump_table.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// A start and a goal the player is asked to reach: a board with one empty hole, or a figure laid
// on the board, to be cleared down to a single ball, anywhere or in a given hole.
struct Puzzle {
    std::string key;        // stable ASCII id for the player's record of solved puzzles,
                            // e.g. "cross", "open-3", "open-3-to-3" (never changes once shipped)
    std::string figure;     // the English name of a figure ("Cross"); empty for a single-vacancy start
    int openHole = 0;       // the empty hole of a single-vacancy start, else 0
    std::array<bool, kHoleCount> balls{};   // the starting position
    int goalHole = 0;       // 0: one ball anywhere; 1..37: the last ball in that hole
    std::vector<JumpTable::Jump> solution;  // a proven line from `balls` to the goal
};

// The collection of puzzles, every one proven solvable: a line of jumps to its goal comes with it.
class PuzzleBook {
public:
    static const std::vector<Puzzle>& all();         // in the order a chooser shows them
    static const Puzzle* find(std::string_view key);  // nullptr when no puzzle has that key
};

// Text forms for scripts (never translated): 37 characters '1'/'0' holes 1..37;
// "1" or "1@N"; "o-d o-d ..." origin-destination jumps separated by single spaces.
std::string positionText(const std::array<bool, kHoleCount>& balls);
std::string goalText(const Puzzle&);
std::string solutionText(const Puzzle&);

// The same for any line of jumps, and back: false when the text is not such a line (each jump
// one of the board's, origin-destination, single spaces between them).
std::string jumpsText(const std::vector<JumpTable::Jump>& jumps);
bool readJumps(std::string_view text, std::vector<JumpTable::Jump>& jumps);
// The puzzle's English name, as the command line prints it: the figure's, or "Hole 3 empty".
std::string englishName(const Puzzle&);
