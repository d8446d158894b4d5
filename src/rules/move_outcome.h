#pragma once

#include "board/hole_number.h"

#include <bitset>

// What one click, undo, new game or load did to the game, for the window to show and sound: its
// kind with the holes it names, the holes whose ball or selection frame changed, the score after
// it and whether any jump is left on the board.
struct MoveOutcome {
    enum class Kind {
        Nothing,         // the game is as it was: nothing to show
        StartingRemoval, // the ball of `hole` taken off to start
        Selection,       // the ball of `hole` selected
        Deselection,     // the selection of `hole` let go
        Jump,            // the ball of `origin` over `jumped` to `destination`
        Undo,            // the last move, or the starting removal, taken back
        NewGame,         // a ball in every hole, the starting ball to take off
        Loaded,          // a stored position or list of moves taken in
    };
    using Holes = std::bitset<kHoleCount + 1>;

    Kind kind = Kind::Nothing;
    HoleNumber hole = 0;
    HoleNumber origin = 0, jumped = 0, destination = 0;
    Holes holes;
    double score = 0;
    bool jumpLeft = false;
    // The move sound goes with it: a ball came off the board while the sound is on.
    bool sound = false;

    bool changed() const { return kind != Kind::Nothing; }
};
