#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A hole of the board, numbered 1..37 row by row from the top-left. Every hole number of the
// game, from a click, a file or the jump table, has this type.
using HoleNumber = std::int16_t;

inline constexpr int kHoleCount = 37;

inline constexpr bool isHole(int n) { return n >= 1 && n <= kHoleCount; }

// Reads a hole number from text as the lists, labels and files hold it ("19", " 19 ");
// anything that is not a whole number 1..37 gives no hole.
std::optional<HoleNumber> parseHoleNumber(std::string_view text);
