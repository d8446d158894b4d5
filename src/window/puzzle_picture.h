#pragma once

#include "board/hole_number.h"

#include <QPixmap>

#include <array>

// A small picture of a position on the 37 holes, for the puzzle chooser: balls as gold beads,
// empty holes as dark dimples, and the hole the last ball must end in ringed.
namespace PuzzlePicture {
// `side` in device-independent pixels, drawn sharp at `pixelRatio`; goalHole 0 rings no hole.
QPixmap draw(const std::array<bool, kHoleCount>& balls, int goalHole, int side, qreal pixelRatio);
}
