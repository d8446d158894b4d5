#pragma once

#include <string>
#include <string_view>

// The answers the program gives scripts and players' tools on its command line, without a window:
//   --best POSITION   the best finish of a position and a jump that keeps it;
//   --review FILE     every move of a moves file with the best finish before and after it;
//   --list-puzzles    the puzzles, each with its start, its goal and a proven solution.
// A position is 37 characters, 1 a ball and 0 an empty hole, holes 1 to 37 row by row from the top.
// Numbers are written the same in every locale; lines are tab-separated.
namespace ScriptAnswers {
struct Answer {
    int status = 0; // 0, or 2 for input the answer cannot use
    std::string out;
    std::string err;
};

// "2\t30-24-17\tproven": the fewest balls that can be left, one jump that keeps it as
// origin-over-destination ("-" when no jump is left), and "proven" or how the search stopped short.
Answer best(std::string_view position);
// One line a move: its number, origin-destination ("17-19"), the best finish before it and after
// it; comment lines start with "#" (the start's best finish, the first move that lost it and the
// jump that would have kept it). `bytes` are the file's, `name` names it in a message.
Answer review(std::string_view bytes, std::string_view name);
// One line a puzzle, in the order of the collection: its English name ("Cross", "Hole 3 empty"),
// the start as a position, the goal ("1" for one ball anywhere, "1@19" for the last ball in hole
// 19) and a solution, origin-destination jumps separated by spaces ("17-19 30-17 ...").
Answer listPuzzles();
}
