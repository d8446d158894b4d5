#include "board/board_geometry.h"

BoardGeometry::Position BoardGeometry::holePosition(HoleNumber hole, int left1, int top1, int width, int height)
{
    return {left1 + (columnOf(hole) - 3) * (width + kGap), top1 + (rowOf(hole) - 1) * (height + kGap)};
}
