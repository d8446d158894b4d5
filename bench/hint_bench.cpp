// Hint benchmark: the time one hint takes and the memory it needs, over positions met in play,
// for the hint solver and for a plain depth-first search beside it.
//
// The positions, from a fixed seed: from each of the 37 single-vacancy starts, every position of
// a game of random jumps and every other position of the best line the solver plays; then the full
// board before the start, where the hint is the ball to remove. Each search runs in a process of
// its own, on one core, starting with an empty table each position; the peak resident memory is
// that process's.
//
// The two searches run side by side, one process each, so the machine needs two free cores.
//
// Usage: dorv_hint_bench [--positions FILE] [--unproven FILE] [hint budget in ms, default the
//        solver's 10 s] [plain-search cap in ms, default 2000; 0 leaves the plain search out]
//        [random games per start, default 1]
// --positions reads the positions from FILE instead (one a line, the bits in hex, as the slowest
// are printed); --unproven writes the positions the solver did not prove to FILE, in that form:
// together, a fixed set of hard positions to work on.
#include "plain_search.h"
#include "solver/hint_solver.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <functional>
#include <random>
#include <vector>

namespace {
using Bits = BitBoard::Bits;
using Clock = std::chrono::steady_clock;

struct Sample {
    double ms;
    int ballsLeft;
    bool finished;
};

struct Run {
    std::vector<Sample> samples;
    long peakKb = 0;
};

std::vector<int> openJumps(Bits balls)
{
    std::vector<int> codes;
    for (int d = 0; d < 4; ++d)
        for (Bits o = BitBoard::origins(balls, d); o; o &= o - 1)
            codes.push_back(d * 64 + std::countr_zero(o));
    return codes;
}

Bits play(Bits balls, const JumpTable::Jump& j)
{
    return balls ^ BitBoard::bitOf(j.origin) ^ BitBoard::bitOf(j.jumped) ^ BitBoard::bitOf(j.destination);
}

// The positions of the benchmark; a position of 37 balls stands for the hint before the start.
// The best lines give their odd positions from odd-numbered starts and their even ones from the
// others, so that every ball count is met.
std::vector<Bits> corpus(int randomGames)
{
    std::mt19937_64 random(20240611);
    std::vector<Bits> positions;
    HintSolver solver;
    for (int hole = 1; hole <= kHoleCount; ++hole) {
        const Bits start = BitBoard::holes() & ~BitBoard::bitOf(static_cast<HoleNumber>(hole));
        for (int game = 0; game < randomGames; ++game) {
            Bits balls = start;
            for (;;) {
                positions.push_back(balls);
                const std::vector<int> codes = openJumps(balls);
                if (codes.empty())
                    break;
                const int code = codes[random() % codes.size()];
                balls ^= BitBoard::jumpMask(code % 64, code / 64);
            }
        }
        Bits balls = start;
        for (int move = 0;; ++move) {
            if (move % 2 == hole % 2)
                positions.push_back(balls);
            const Hint hint = solver.bestMove(BitBoard::toBalls(balls));
            if (!hint.jump)
                break;
            balls = play(balls, *hint.jump);
        }
    }
    positions.push_back(BitBoard::holes());
    return positions;
}

// Starts a child process that runs `measure` over the positions and sends the samples back
// through a pipe.
struct Child {
    pid_t pid;
    int channel;
};

Child start(const std::vector<Bits>& positions, const std::function<Sample(Bits)>& measure)
{
    int channel[2];
    if (pipe(channel) != 0)
        std::exit(1);
    const pid_t pid = fork();
    if (pid == 0) {
        close(channel[0]);
        for (const Bits balls : positions) {
            const Sample sample = measure(balls);
            if (write(channel[1], &sample, sizeof sample) != sizeof sample)
                _exit(1);
        }
        _exit(0);
    }
    close(channel[1]);
    return {pid, channel[0]};
}

// The child's samples, and its peak resident memory from wait4().
Run finish(const Child& child)
{
    Run run;
    Sample sample;
    while (read(child.channel, &sample, sizeof sample) == sizeof sample)
        run.samples.push_back(sample);
    close(child.channel);
    int status = 0;
    rusage usage{};
    wait4(child.pid, &status, 0, &usage);
    run.peakKb = usage.ru_maxrss;
    return run;
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

void report(const char* name, const Run& run, const char* unfinished)
{
    std::vector<double> ms;
    int open = 0;
    for (const Sample& s : run.samples) {
        ms.push_back(s.ms);
        open += s.finished ? 0 : 1;
    }
    double total = 0;
    for (double m : ms)
        total += m;
    std::printf("%-13s p50 %8.2f ms   p95 %8.2f ms   max %8.1f ms   mean %7.2f ms   peak RSS %6.1f MB   %s %d\n",
                name, percentile(ms, 0.5), percentile(ms, 0.95), percentile(ms, 1.0), total / static_cast<double>(ms.size()),
                static_cast<double>(run.peakKb) / 1024.0, unfinished, open);
}

double since(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }
}

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const char* positionsFile = nullptr;
    const char* unprovenFile = nullptr;
    std::vector<const char*> args;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--positions") == 0 && i + 1 < argc)
            positionsFile = argv[++i];
        else if (std::strcmp(argv[i], "--unproven") == 0 && i + 1 < argc)
            unprovenFile = argv[++i];
        else
            args.push_back(argv[i]);
    }
    const std::chrono::milliseconds budget(args.size() > 0 ? std::atoi(args[0]) : HintSolver::kDefaultBudget.count());
    const std::chrono::milliseconds cap(args.size() > 1 ? std::atoi(args[1]) : 2000);
    const int randomGames = args.size() > 2 ? std::atoi(args[2]) : 1;
    const auto built = Clock::now();
    std::vector<Bits> positions;
    if (positionsFile) {
        std::ifstream in(positionsFile);
        for (std::string line; std::getline(in, line);)
            if (!line.empty())
                positions.push_back(std::stoull(line, nullptr, 16) & BitBoard::holes());
    } else {
        positions = corpus(randomGames);
    }
    std::vector<int> perCount(kHoleCount + 1);
    for (const Bits balls : positions)
        ++perCount[std::popcount(balls)];
    std::printf("positions: %zu (corpus made in %.1f s); by balls:", positions.size(), since(built) / 1000.0);
    for (int n = 1; n <= kHoleCount; ++n)
        std::printf(" %d:%d", n, perCount[n]);
    std::printf("\n");

    const Child solverChild = start(positions, [budget](Bits balls) {
        static HintSolver solver;
        solver.forget();
        const auto begun = Clock::now();
        const Hint hint = balls == BitBoard::holes() ? solver.bestRemoval(nullptr, budget)
                                                     : solver.bestMove(BitBoard::toBalls(balls), nullptr, budget);
        return Sample{since(begun), hint.ballsLeft, hint.proven};
    });
    const bool withPlain = cap.count() > 0;
    const Child plainChild = start(withPlain ? positions : std::vector<Bits>{}, [cap](Bits balls) {
        static PlainSearch search;
        const auto begun = Clock::now();
        int best = kHoleCount + 1;
        bool finished = true;
        if (balls == BitBoard::holes()) {
            // Before the start: every removal in turn, until one ends with one ball.
            for (int hole = 1; hole <= kHoleCount && best > 1; ++hole) {
                const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - begun);
                const auto r = search.bestFinish(balls & ~BitBoard::bitOf(static_cast<HoleNumber>(hole)), std::max(cap - spent, std::chrono::milliseconds(0)));
                finished = finished && r.finished;
                best = std::min(best, r.ballsLeft);
            }
            finished = finished || best == 1;
        } else {
            const auto r = search.bestFinish(balls, cap);
            best = r.ballsLeft;
            finished = r.finished;
        }
        return Sample{since(begun), best, finished};
    });
    const Run solved = finish(solverChild);
    const Run plain = finish(plainChild);
    if (solved.samples.size() != positions.size() || (withPlain && plain.samples.size() != positions.size())) {
        std::printf("a search process failed\n");
        return 1;
    }
    std::printf("time per hint on one core, each position from an empty table (hint budget %lld ms, plain search capped at %lld ms):\n",
                static_cast<long long>(budget.count()), static_cast<long long>(cap.count()));
    report("hint solver", solved, "not proven:");
    if (withPlain) {
        report("plain search", plain, "not finished:");
        int disagree = 0;
        for (std::size_t i = 0; i < positions.size(); ++i)
            if (solved.samples[i].finished && plain.samples[i].finished && solved.samples[i].ballsLeft != plain.samples[i].ballsLeft)
                ++disagree;
        std::printf("finishes that differ where both searches completed: %d\n", disagree);
    }
    if (unprovenFile) {
        std::ofstream out(unprovenFile);
        for (std::size_t i = 0; i < positions.size(); ++i)
            if (!solved.samples[i].finished)
                out << std::hex << "0x" << positions[i] << '\n';
    }
    // Every finish, for comparing one build of the solver with another.
    if (std::getenv("DORV_HINT_FINISHES"))
        for (std::size_t i = 0; i < positions.size(); ++i)
            std::printf("finish %#llx %d %s %.1f\n", static_cast<unsigned long long>(positions[i]), solved.samples[i].ballsLeft,
                        solved.samples[i].finished ? "proven" : "open", solved.samples[i].ms);
    std::printf("targets for the hint solver: p50 < 100 ms, p95 < 1000 ms, max < 10000 ms, peak RSS <= 256 MB\n");
    // The slowest positions, to look into.
    std::vector<std::size_t> order(positions.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return solved.samples[a].ms > solved.samples[b].ms; });
    std::printf("slowest for the hint solver (balls, ms, finish, proven, position as hex bits):\n");
    for (std::size_t k = 0; k < std::min<std::size_t>(8, order.size()); ++k) {
        const Sample& s = solved.samples[order[k]];
        std::printf("  %2d balls %9.1f ms  %d left %s  %#llx\n", std::popcount(positions[order[k]]), s.ms, s.ballsLeft,
                    s.finished ? "proven" : "not proven", static_cast<unsigned long long>(positions[order[k]]));
    }
    return 0;
}
