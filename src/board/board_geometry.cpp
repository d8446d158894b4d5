#include "board/board_geometry.h"

#include <cctype>
#include <charconv>

namespace {
constexpr int kFirstColumn[BoardGeometry::kSize] = {3, 2, 1, 1, 1, 2, 3};
constexpr int kLastColumn[BoardGeometry::kSize] = {5, 6, 7, 7, 7, 6, 5};
}

int BoardGeometry::firstColumn(int row) { return kFirstColumn[row - 1]; }

int BoardGeometry::lastColumn(int row) { return kLastColumn[row - 1]; }

HoleNumber BoardGeometry::holeAt(int row, int column)
{
    if (row < 1 || row > kSize || column < firstColumn(row) || column > lastColumn(row))
        return 0;
    int hole = 0;
    for (int r = 1; r < row; ++r)
        hole += lastColumn(r) - firstColumn(r) + 1;
    return static_cast<HoleNumber>(hole + column - firstColumn(row) + 1);
}

int BoardGeometry::rowOf(HoleNumber hole)
{
    int last = 0;
    for (int r = 1; r <= kSize; ++r) {
        last += lastColumn(r) - firstColumn(r) + 1;
        if (hole <= last)
            return r;
    }
    return 0;
}

int BoardGeometry::columnOf(HoleNumber hole)
{
    const int row = rowOf(hole);
    for (int c = firstColumn(row); c <= lastColumn(row); ++c)
        if (holeAt(row, c) == hole)
            return c;
    return 0;
}

BoardGeometry::Position BoardGeometry::holePosition(HoleNumber hole, int left1, int top1, int width, int height)
{
    return {left1 + (columnOf(hole) - 3) * (width + kGap), top1 + (rowOf(hole) - 1) * (height + kGap)};
}

std::optional<HoleNumber> parseHoleNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !isHole(value))
        return std::nullopt;
    return static_cast<HoleNumber>(value);
}
