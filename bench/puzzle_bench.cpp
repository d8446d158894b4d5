// Puzzle benchmark: the goal solver on the puzzles. First the whole collection proven from
// scratch, a fresh solver for each puzzle (what the test does); then the hints of a puzzle in
// play: from every position along each stored solution, and from the position after one wrong
// jump at each of them (the first jump open there that is not the solution's), with one solver
// kept for the game as the window keeps it. Figures: positions visited and CPU time per answer
// (p50, p95, max), the answers left unknown, and the slowest positions.
//
// Usage: dorv_puzzle_bench [--work N] [--slowest N] [--fresh]
//   --work: positions an answer may visit (default the solver's budget);
//   --slowest: how many of the slowest answers to print (5);
//   --fresh: a fresh solver for every hint, not one kept for the game;
//   --each: print every answer as it comes.
#include "puzzles/puzzle_book.h"
#include "solver/goal_solver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {
using Balls = std::array<bool, kHoleCount>;

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

struct Sample {
    std::string what;
    double seconds;
    std::uint64_t visited;
    GoalAnswer::Reach reach;
};

Balls after(Balls balls, const JumpTable::Jump& jump)
{
    balls[jump.origin - 1] = balls[jump.jumped - 1] = false;
    balls[jump.destination - 1] = true;
    return balls;
}

const char* said(GoalAnswer::Reach reach)
{
    return reach == GoalAnswer::Reach::Yes ? "yes" : reach == GoalAnswer::Reach::No ? "no" : "unknown";
}

void report(const char* name, std::vector<Sample> samples, int slowest)
{
    if (samples.empty())
        return;
    std::sort(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) { return a.seconds < b.seconds; });
    const auto at = [&](double share) { return samples[std::min(samples.size() - 1, std::size_t(share * double(samples.size())))]; };
    std::vector<std::uint64_t> visits;
    double total = 0;
    int yes = 0, no = 0, unknown = 0;
    for (const Sample& s : samples) {
        visits.push_back(s.visited);
        total += s.seconds;
        (s.reach == GoalAnswer::Reach::Yes ? yes : s.reach == GoalAnswer::Reach::No ? no : unknown)++;
    }
    std::sort(visits.begin(), visits.end());
    const auto visitAt = [&](double share) { return visits[std::min(visits.size() - 1, std::size_t(share * double(visits.size())))]; };
    std::printf("%s: %zu answers (%d yes, %d no, %d unknown), %.2f s of CPU in all\n", name, samples.size(), yes, no, unknown, total);
    std::printf("  CPU s   p50 %.3f  p95 %.3f  max %.3f\n", at(0.5).seconds, at(0.95).seconds, samples.back().seconds);
    std::printf("  visits  p50 %llu  p95 %llu  max %llu\n", static_cast<unsigned long long>(visitAt(0.5)),
                static_cast<unsigned long long>(visitAt(0.95)), static_cast<unsigned long long>(visits.back()));
    for (int k = 0; k < slowest && k < int(samples.size()); ++k) {
        const Sample& s = samples[samples.size() - 1 - std::size_t(k)];
        std::printf("  slow: %-44s %-7s %12llu visits %.3f s\n", s.what.c_str(), said(s.reach),
                    static_cast<unsigned long long>(s.visited), s.seconds);
    }
}
}

int main(int argc, char** argv)
{
    std::uint64_t work = GoalSolver::kDefaultWork;
    int slowest = 5;
    bool fresh = false;
    bool each = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--work" && i + 1 < argc)
            work = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--slowest" && i + 1 < argc)
            slowest = std::atoi(argv[++i]);
        else if (arg == "--fresh")
            fresh = true;
        else if (arg == "--each")
            each = true;
        else {
            std::fprintf(stderr, "usage: dorv_puzzle_bench [--work N] [--slowest N] [--fresh] [--each]\n");
            return 2;
        }
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::vector<Sample> proofs, along, off;
    const auto keep = [each](std::vector<Sample>& samples, Sample sample) {
        if (each)
            std::printf("%-50s %-7s %12llu visits %.3f s\n", sample.what.c_str(), said(sample.reach),
                        static_cast<unsigned long long>(sample.visited), sample.seconds);
        samples.push_back(std::move(sample));
    };
    for (const Puzzle& puzzle : PuzzleBook::all()) {
        GoalSolver solver;
        const double began = cpuSeconds();
        const GoalAnswer answer = solver.solve(puzzle.balls, puzzle.goalHole, nullptr, work);
        keep(proofs, {puzzle.key, cpuSeconds() - began, solver.visited(), answer.reach});
    }
    std::uint64_t allVisits = 0;
    for (const Sample& s : proofs)
        allVisits += s.visited;
    double allSeconds = 0;
    for (const Sample& s : proofs)
        allSeconds += s.seconds;
    std::printf("The collection: %zu puzzles proven from scratch, %llu positions visited, %.2f s of CPU\n",
                proofs.size(), static_cast<unsigned long long>(allVisits), allSeconds);
    report("proofs", proofs, slowest);

    for (const Puzzle& puzzle : PuzzleBook::all()) {
        GoalSolver kept;
        Balls balls = puzzle.balls;
        for (std::size_t k = 0; k < puzzle.solution.size(); ++k) {
            const JumpTable::Jump& right = puzzle.solution[k];
            GoalSolver once;
            GoalSolver& solver = fresh ? once : kept;
            double began = cpuSeconds();
            GoalAnswer answer = solver.solve(balls, puzzle.goalHole, nullptr, work);
            keep(along, {puzzle.key + " after " + std::to_string(k), cpuSeconds() - began, solver.visited(), answer.reach});
            // The first other jump open here, played instead.
            for (const JumpTable::Jump& jump : JumpTable::instance().jumps()) {
                if (!balls[jump.origin - 1] || !balls[jump.jumped - 1] || balls[jump.destination - 1])
                    continue;
                if (jump.origin == right.origin && jump.destination == right.destination)
                    continue;
                GoalSolver other;
                GoalSolver& wrong = fresh ? other : kept;
                began = cpuSeconds();
                answer = wrong.solve(after(balls, jump), puzzle.goalHole, nullptr, work);
                keep(off, {puzzle.key + " after " + std::to_string(k) + " then " + std::to_string(jump.origin) + "-"
                                   + std::to_string(jump.destination),
                               cpuSeconds() - began, wrong.visited(), answer.reach});
                break;
            }
            balls = after(balls, right);
        }
    }
    report("hints along the solutions", along, slowest);
    report("hints after one wrong jump", off, slowest);
    return 0;
}
