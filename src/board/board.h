#pragma once

#include "board/hole_number.h"

#include <array>

// The state of the 37 holes: a ball or no ball. The one copy of the board; the hole pictures show it.
class Board {
public:
    bool isEmpty(int hole) const;
    // Hole numbers outside 1..37 are ignored by both changes.
    void empty(int hole);
    void putBall(int hole);
    void fill();
    // Number of empty holes among 1..37.
    int emptyCount() const;

private:
    std::array<bool, kHoleCount> m_ball{};
};
