#pragma once

#include "board/hole_number.h"

// Where the 37 holes stand: a 7 x 7 square without three cells at each corner.
// Rows and columns count from 1 at the top-left.
struct BoardGeometry {
    static constexpr int kSize = 7;

    // First and last column of a row that holds holes.
    static int firstColumn(int row);
    static int lastColumn(int row);

    // The hole at (row, column), or 0 when that cell holds none.
    static HoleNumber holeAt(int row, int column);
    static int rowOf(HoleNumber hole);
    static int columnOf(HoleNumber hole);

    // Where a new game places a hole, in twips, from hole 1's position and size: rows and columns
    // stand one hole's size plus a 100-twip gap apart, hole 1 being row 1, column 3.
    struct Position {
        int left;
        int top;
    };
    static constexpr int kGap = 100;
    static Position holePosition(HoleNumber hole, int left1, int top1, int width, int height);
};
