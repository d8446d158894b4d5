// Proves the puzzles: searches every draft with the goal solver, keeps each with the first of its
// goals proven reachable and a line of jumps to it, and writes them as the source the collection
// is built from. Drafts it cannot prove stay out, and the output says which and why.
// Usage: dorv_make_puzzles [--work N] [OUTPUT]   (no output: prove and print only)
#include "puzzles/puzzle_book.h"
#include "puzzles/puzzle_drafts.h"
#include "solver/bit_board.h"
#include "solver/goal_solver.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

namespace {
// Positions each goal of a draft may take: a proof the test can repeat in a second or two.
constexpr std::uint64_t kWork = 4'000'000;

// The line played with the board's jumps from `balls`: each jump legal where it meets the
// position, one ball left at the goal.
bool reaches(std::array<bool, kHoleCount> balls, const std::vector<JumpTable::Jump>& line, int goalHole)
{
    for (const JumpTable::Jump& jump : line) {
        if (!balls[jump.origin - 1] || !balls[jump.jumped - 1] || balls[jump.destination - 1])
            return false;
        balls[jump.origin - 1] = balls[jump.jumped - 1] = false;
        balls[jump.destination - 1] = true;
    }
    int count = 0;
    for (const bool ball : balls)
        count += ball;
    return count == 1 && (goalHole == 0 || balls[goalHole - 1]);
}

std::string goalWords(int goal) { return goal == 0 ? "1" : "1@" + std::to_string(goal); }
}

int main(int argc, char** argv)
{
    std::uint64_t work = kWork;
    std::string output;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--work" && i + 1 < argc)
            work = std::strtoull(argv[++i], nullptr, 10);
        else
            output = arg;
    }
    std::string entries;
    std::string left;
    std::uint64_t totalVisits = 0;
    int kept = 0;
    const std::clock_t start = std::clock();
    GoalSolver solver;
    for (const PuzzleDraft& draft : puzzleDrafts()) {
        for (const int goal : draft.goals) {
            solver.forget();
            const std::clock_t began = std::clock();
            const GoalAnswer answer = solver.solve(draft.balls, goal, nullptr, work);
            const double seconds = double(std::clock() - began) / CLOCKS_PER_SEC;
            totalVisits += solver.visited();
            const char* verdict = answer.reach == GoalAnswer::Reach::Yes ? "yes" : answer.reach == GoalAnswer::Reach::No ? "no" : "unknown";
            std::printf("%-20s %-5s %-7s %12llu visits %7.2f s\n", draft.key.c_str(), goalWords(goal).c_str(), verdict,
                        static_cast<unsigned long long>(solver.visited()), seconds);
            if (answer.reach == GoalAnswer::Reach::Yes) {
                if (!reaches(draft.balls, answer.line, goal)) {
                    std::fprintf(stderr, "%s: the line found does not reach %s\n", draft.key.c_str(), goalWords(goal).c_str());
                    return 1;
                }
                entries += "    {\"" + draft.key + "\", " + std::to_string(goal) + ", \"" + jumpsText(answer.line) + "\"},\n";
                ++kept;
                break;
            }
            left += "//   " + draft.key + " " + goalWords(goal) + ": " + (answer.reach == GoalAnswer::Reach::No ? "proven impossible" : "not settled within the work") + "\n";
        }
    }
    const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
    std::printf("%d puzzles proven, %llu positions visited, %.2f s of CPU\n", kept,
                static_cast<unsigned long long>(totalVisits), seconds);
    if (output.empty())
        return 0;
    std::ofstream out(output);
    out << "// Made by dorv_make_puzzles (src/puzzles/tools/make_puzzles.cpp): do not edit.\n"
        << "// Each puzzle kept: its key, its goal hole (0: anywhere) and a line of jumps the goal solver\n"
        << "// found to it, visiting at most " << work << " positions for each goal.\n"
        << "// Left out:\n" << left
        << entries;
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}
