#include "board/board.h"

#include <algorithm>

bool Board::isEmpty(int hole) const { return isHole(hole) && !m_ball[hole - 1]; }

void Board::empty(int hole)
{
    if (isHole(hole))
        m_ball[hole - 1] = false;
}

void Board::putBall(int hole)
{
    if (isHole(hole))
        m_ball[hole - 1] = true;
}

void Board::fill() { m_ball.fill(true); }

int Board::emptyCount() const
{
    return static_cast<int>(std::count(m_ball.begin(), m_ball.end(), false));
}
