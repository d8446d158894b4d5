#pragma once

#include "board/hole_number.h"

#include <array>
#include <string>
#include <vector>

// The puzzles as they are laid out, before any is proven: each start with the goals it may be
// given, the best first. The proving tool keeps each one with the first goal it proves reachable
// and drops those it cannot prove; only what it kept makes the collection.
struct PuzzleDraft {
    std::string key;                       // the puzzle's key
    std::string figure;                    // the figure's English name; empty for a single-vacancy start
    int openHole = 0;                      // the empty hole of a single-vacancy start, else 0
    std::array<bool, kHoleCount> balls{};
    std::vector<int> goals;                // goal holes to try in turn, 0 for anywhere
};

// Every draft, in the order of the collection.
const std::vector<PuzzleDraft>& puzzleDrafts();
// A position drawn as seven rows of seven characters: 'o' a ball, '.' an empty hole, ' ' a cell
// without a hole. Throws std::invalid_argument when the drawing does not fit the board.
std::array<bool, kHoleCount> drawnPosition(const std::array<const char*, 7>& rows);
