#pragma once

#include "board/hole_number.h"

// Where the 37 holes stand: a 7 x 7 square without three cells at each corner.
// Rows and columns count from 1 at the top-left.
struct BoardGeometry {
    static constexpr int kSize = 7;

    // The hole at (row, column), or 0 when that cell holds none (also off the square).
    static constexpr HoleNumber holeAt(int row, int column)
    {
        if (row < 1 || row > kSize || column < firstColumn(row) || column > lastColumn(row))
            return 0;
        int hole = 0;
        for (int r = 1; r < row; ++r)
            hole += lastColumn(r) - firstColumn(r) + 1;
        return static_cast<HoleNumber>(hole + column - firstColumn(row) + 1);
    }
    // The row and the column of a hole; 0 for a number that is no hole.
    static constexpr int rowOf(HoleNumber hole)
    {
        if (!isHole(hole))
            return 0;
        int last = 0;
        for (int r = 1;; ++r) {
            last += lastColumn(r) - firstColumn(r) + 1;
            if (hole <= last)
                return r;
        }
    }
    static constexpr int columnOf(HoleNumber hole)
    {
        const int row = rowOf(hole);
        if (row == 0)
            return 0;
        int before = 0;
        for (int r = 1; r < row; ++r)
            before += lastColumn(r) - firstColumn(r) + 1;
        return firstColumn(row) + hole - before - 1;
    }

    // The four ways a cursor moves over the board.
    enum class Direction { Up, Down, Left, Right };
    // The hole a cursor on `hole` reaches moving one step in `direction`: the nearest hole beyond
    // it in that row or column, passing over cells without a hole; `hole` itself when there is none
    // before the edge of the square. 0 for a number that is no hole.
    static constexpr HoleNumber neighbourInDirection(HoleNumber hole, Direction direction)
    {
        if (!isHole(hole))
            return 0;
        const int rowStep = direction == Direction::Up ? -1 : direction == Direction::Down ? 1 : 0;
        const int columnStep = direction == Direction::Left ? -1 : direction == Direction::Right ? 1 : 0;
        for (int row = rowOf(hole) + rowStep, column = columnOf(hole) + columnStep;
             row >= 1 && row <= kSize && column >= 1 && column <= kSize; row += rowStep, column += columnStep)
            if (const HoleNumber next = holeAt(row, column))
                return next;
        return hole;
    }

    // Where a new game places a hole, in twips, from hole 1's position and size: rows and columns
    // stand one hole's size plus a 100-twip gap apart, hole 1 being row 1, column 3.
    struct Position {
        int left;
        int top;
    };
    static constexpr int kGap = 100;
    static Position holePosition(HoleNumber hole, int left1, int top1, int width, int height);

private:
    // First and last column of a row 1..7: three holes in the outer rows, five, then seven.
    static constexpr int firstColumn(int row) { return row == 1 || row == 7 ? 3 : row == 2 || row == 6 ? 2 : 1; }
    static constexpr int lastColumn(int row) { return kSize + 1 - firstColumn(row); }
};
