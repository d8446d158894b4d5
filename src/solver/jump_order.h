#pragma once

#include "board/jump_table.h"
#include "solver/bit_board.h"

#include <cstdint>

// The hint solver's jumps as codes, and the order it tries them in. A jump's code is its direction
// (index into BitBoard::kSteps) times 64 plus its origin's bit.
namespace JumpOrder {

constexpr int kCodes = 4 * 64;

inline int originOf(int code) { return code % 64; }
inline int directionOf(int code) { return code / 64; }
inline BitBoard::Bits maskOf(int code) { return BitBoard::jumpMask(originOf(code), directionOf(code)); }
// The jump as the board's holes.
JumpTable::Jump jumpOf(int code);

// A well-spread 64-bit mix (the splitmix finaliser).
std::uint64_t mix(std::uint64_t x);

// The jumps open in `balls` as codes, most favoured first; returns how many. Most jumps open
// afterwards first: a position that keeps its balls together and mobile is the likeliest to be
// cleared. Then the static merit (balls brought in towards the centre, outlying ones taken off),
// then, when `shuffle` is not 0, an order among equals that it picks.
int ordered(BitBoard::Bits balls, std::uint64_t shuffle, int* codes);
// The jumps open in `balls` as codes, in no particular order; returns how many.
int openJumps(BitBoard::Bits balls, int* codes);
// Puts `n` jumps open in `balls` in the order of ordered().
// `first`, when given, is a merit of each jump that goes before all others (0..255, higher first).
void rank(BitBoard::Bits balls, std::uint64_t shuffle, int* codes, int n, const int* first = nullptr);

} // namespace JumpOrder
