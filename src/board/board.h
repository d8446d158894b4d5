#pragma once

#include "board/hole_number.h"

#include <array>

// The state of the 37 holes: a ball or no ball. The one copy of the board; the hole pictures show it.
// A number outside 1..37 is no hole: it neither holds a ball nor is empty, and changes nothing.
class Board {
public:
    bool hasBall(HoleNumber hole) const { return isHole(hole) && m_ball[index(hole)]; }
    bool isEmpty(HoleNumber hole) const { return isHole(hole) && !m_ball[index(hole)]; }
    void empty(HoleNumber hole) { set(hole, false); }
    void putBall(HoleNumber hole) { set(hole, true); }
    void fill() { m_ball.fill(true); }
    // The holes as `balls[h - 1]`, whether hole h holds a ball, as the solvers take them; and a
    // board of such holes.
    const std::array<bool, kHoleCount>& balls() const { return m_ball; }
    static Board withBalls(const std::array<bool, kHoleCount>& balls)
    {
        Board board;
        board.m_ball = balls;
        return board;
    }
    // Number of empty holes among 1..37.
    int emptyCount() const;
    bool operator==(const Board&) const = default;

private:
    static std::size_t index(HoleNumber hole) { return static_cast<std::size_t>(hole - 1); }
    void set(HoleNumber hole, bool ball)
    {
        if (isHole(hole))
            m_ball[index(hole)] = ball;
    }
    std::array<bool, kHoleCount> m_ball{};
};
