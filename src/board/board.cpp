#include "board/board.h"

#include <algorithm>

int Board::emptyCount() const
{
    return static_cast<int>(std::count(m_ball.begin(), m_ball.end(), false));
}
