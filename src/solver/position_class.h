#pragma once

#include "solver/bit_board.h"

// What no sequence of jumps can change in a position. Number the diagonals of the board by
// (row + column) mod 3 and the anti-diagonals by (row - column) mod 3. The three holes of a jump
// lie on three different diagonals, and the jump changes the ball count of each by one, so the
// parities of the three diagonal counts either stay or all flip together; the same holds for the
// anti-diagonals. A position's class is those parities up to flipping all three, on both sides:
// 4 x 4 = 16 classes. A single ball is in one of the 9 classes where both sides are
// unbalanced; in the other 7 no jumps can end with one ball.
class PositionClass {
public:
    explicit PositionClass(BitBoard::Bits balls);

    // One ball alone on the board can be in this class.
    bool allowsOneBall() const { return m_diagonal >= 0 && m_antiDiagonal >= 0; }
    // The holes where a last ball of this class can stand (none when a last ball can't).
    BitBoard::Bits lastBallHoles() const;
    // The class as a number from 0 to 15.
    int index() const { return 4 * (m_diagonal + 1) + m_antiDiagonal + 1; }

    bool operator==(const PositionClass&) const = default;

private:
    // The odd one out among the three counts (the diagonal number, 0..2), -1 when all agree.
    int m_diagonal = -1;
    int m_antiDiagonal = -1;
};
