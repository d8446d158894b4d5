// Hint benchmark: the work and time one hint takes, the memory it needs and gives back, and
// whether its answers are right, over two sets of positions.
//
// - play: positions met in play, from a fixed seed: from each of the 37 single-vacancy starts,
//   every position of a game of random jumps and every other position of the best line the
//   solver plays; then the full board before the start, where the hint is the ball to remove.
// - boards: positions a saved game can hold that play from a single-vacancy start seldom meets:
//   random ball patterns of 10 to 36 balls, and positions after 3 to 10 poor jumps (the jump the
//   solver favours least) from starts with one to three empty holes, half of them then played on
//   at random down to 20 to 30 balls.
//
// Each set runs in a process of its own, on one core, each position from empty tables, with the
// hint's budget of work. The time is the CPU time of the hint, so a load on the machine does not
// count. Every answer is checked: one of up to 20 balls against a plain exhaustive search, and
// every proven one by playing the hinted line to its end (the balls left must equal the claim).
// The memory is the process's resident memory: its peak and, after the hint has given its
// tables back, what stays, both above the process's memory before the first hint.
//
// Usage: dorv_hint_bench [--work N] [--positions FILE] [--unproven FILE] [--sets play,boards] [--slowest N]
//   --work: positions a hint may visit (default the window's budget);
//   --positions: read one set from FILE instead (one position a line, the bits in hex, as the
//   slowest are printed); --unproven: write the positions not proven to FILE, in that form;
//   --slowest: how many of the slowest positions to print (5).
#include "plain_search.h"
#include "solver/finish_book.h"
#include "solver/hint_solver.h"
#include "solver/jump_order.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {
using Bits = BitBoard::Bits;

struct Sample {
    double ms;
    std::uint64_t visited;
    int ballsLeft;
    bool proven;
    int removal;     // the hole to take off, 0 for none
    int jump[2];     // origin and destination, 0 for none
    bool wrong;      // set by the check
};

struct Run {
    std::vector<Sample> samples;
    double peakAddedMb = 0;
    double keptMb = 0;
};

struct Set {
    const char* name;
    std::vector<Bits> positions;
};

Bits play(Bits balls, const JumpTable::Jump& j)
{
    return balls ^ BitBoard::bitOf(j.origin) ^ BitBoard::bitOf(j.jumped) ^ BitBoard::bitOf(j.destination);
}

std::vector<int> openJumps(Bits balls)
{
    int codes[JumpOrder::kCodes];
    return {codes, codes + JumpOrder::ordered(balls, 0, codes)};
}

// The positions met in play; a position of 37 balls stands for the hint before the start. The
// best lines give their odd positions from odd-numbered starts and their even ones from the
// others, so that every ball count is met.
std::vector<Bits> playSet()
{
    std::mt19937_64 random(20240611);
    std::vector<Bits> positions;
    HintSolver solver;
    for (int hole = 1; hole <= kHoleCount; ++hole) {
        const Bits start = BitBoard::holes() & ~BitBoard::bitOf(static_cast<HoleNumber>(hole));
        for (Bits balls = start;;) {
            positions.push_back(balls);
            const std::vector<int> codes = openJumps(balls);
            if (codes.empty())
                break;
            balls ^= JumpOrder::maskOf(codes[random() % codes.size()]);
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

// The positions no single-vacancy game is likely to meet.
std::vector<Bits> boardSet()
{
    std::mt19937_64 random(20261207);
    const auto below = [&](int n) { return static_cast<int>(random() % static_cast<std::uint64_t>(n)); };
    std::vector<Bits> positions;
    for (int k = 0; k < 260; ++k) {
        const int balls = 10 + below(27);
        std::vector<int> holes(kHoleCount);
        for (int h = 0; h < kHoleCount; ++h)
            holes[h] = h + 1;
        std::shuffle(holes.begin(), holes.end(), random);
        Bits pattern = 0;
        for (int i = 0; i < balls; ++i)
            pattern |= BitBoard::bitOf(static_cast<HoleNumber>(holes[i]));
        positions.push_back(pattern);
    }
    for (int k = 0; k < 260; ++k) {
        Bits balls = BitBoard::holes();
        for (int empty = 1 + below(3); empty > 0;) {
            const Bits hole = BitBoard::bitOf(static_cast<HoleNumber>(1 + below(kHoleCount)));
            if (balls & hole) {
                balls &= ~hole;
                --empty;
            }
        }
        for (int poor = 3 + below(8); poor > 0; --poor) {
            const std::vector<int> codes = openJumps(balls);
            if (codes.empty())
                break;
            balls ^= JumpOrder::maskOf(codes.back());
        }
        if (k % 2 == 1)
            for (const int down = 20 + below(11); std::popcount(balls) > down;) {
                const std::vector<int> codes = openJumps(balls);
                if (codes.empty())
                    break;
                balls ^= JumpOrder::maskOf(codes[random() % codes.size()]);
            }
        positions.push_back(balls);
    }
    return positions;
}

double residentMb()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Whether the answer for `balls` is wrong: against the plain search up to 20 balls, and by
// playing the hinted line to its end when proven.
bool wrongAnswer(HintSolver& solver, Bits balls, const Sample& hint, std::uint64_t work)
{
    if (std::popcount(balls) <= 20) {
        const int exact = PlainSearch().bestFinish(balls);
        if (hint.proven ? hint.ballsLeft != exact : hint.ballsLeft < exact)
            return true;
    }
    if (!hint.proven)
        return false;
    Bits line = balls;
    if (hint.removal)
        line &= ~BitBoard::bitOf(static_cast<HoleNumber>(hint.removal));
    else if (hint.jump[0]) {
        const auto jumped = JumpTable::instance().jumped(static_cast<HoleNumber>(hint.jump[0]), static_cast<HoleNumber>(hint.jump[1]));
        if (!jumped)
            return true;
        line = play(line, {static_cast<HoleNumber>(hint.jump[0]), *jumped, static_cast<HoleNumber>(hint.jump[1])});
    }
    for (;;) {
        const Hint next = solver.bestMove(BitBoard::toBalls(line), nullptr, 4 * work);
        if (!next.jump)
            break;
        line = play(line, *next.jump);
    }
    return std::popcount(line) != hint.ballsLeft;
}

// Runs the hints of one set in a child process; the samples come back through a pipe, the
// memory figures after them.
struct Child {
    pid_t pid;
    int channel;
};

Child start(const std::vector<Bits>& positions, std::uint64_t work)
{
    int channel[2];
    if (pipe(channel) != 0)
        std::exit(1);
    const pid_t pid = fork();
    if (pid == 0) {
        close(channel[0]);
        FinishBook::instance(); // the window has it from its first hint on
        const double before = residentMb();
        double kept = 0;
        HintSolver solver;
        for (const Bits balls : positions) {
            const double begun = cpuMs();
            const Hint hint = balls == BitBoard::holes() ? solver.bestRemoval(BitBoard::toBalls(balls), nullptr, work)
                                                         : solver.bestMove(BitBoard::toBalls(balls), nullptr, work);
            Sample sample{cpuMs() - begun, solver.visited(), hint.ballsLeft, hint.proven(), hint.removal.value_or(0), {0, 0}, false};
            if (hint.jump)
                sample.jump[0] = hint.jump->origin, sample.jump[1] = hint.jump->destination;
            solver.forget();
            kept = std::max(kept, residentMb() - before);
            if (write(channel[1], &sample, sizeof sample) != sizeof sample)
                _exit(1);
        }
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const double memory[2] = {static_cast<double>(usage.ru_maxrss) / 1024.0 - before, kept};
        if (write(channel[1], memory, sizeof memory) != sizeof memory)
            _exit(1);
        _exit(0);
    }
    close(channel[1]);
    return {pid, channel[0]};
}

Run finish(const Child& child, const std::vector<Bits>& positions, std::uint64_t work)
{
    const std::size_t count = positions.size();
    Run run;
    Sample sample;
    while (run.samples.size() < count && read(child.channel, &sample, sizeof sample) == sizeof sample)
        run.samples.push_back(sample);
    double memory[2] = {};
    if (read(child.channel, memory, sizeof memory) == sizeof memory) {
        run.peakAddedMb = memory[0];
        run.keptMb = memory[1];
    }
    close(child.channel);
    int status = 0;
    waitpid(child.pid, &status, 0);
    HintSolver solver;
    for (std::size_t i = 0; i < run.samples.size(); ++i) {
        run.samples[i].wrong = wrongAnswer(solver, positions[i], run.samples[i], work);
        solver.forget();
    }
    return run;
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

// One set's line, and its slowest positions.
int report(const Set& set, const Run& run, std::size_t slowest)
{
    std::vector<double> ms;
    std::vector<double> visited;
    int open = 0, wrong = 0;
    for (const Sample& s : run.samples) {
        ms.push_back(s.ms);
        visited.push_back(static_cast<double>(s.visited));
        open += s.proven ? 0 : 1;
        wrong += s.wrong ? 1 : 0;
    }
    std::printf("%-6s %4zu positions  CPU p50 %7.2f ms  p95 %7.1f ms  max %7.1f ms  |  visited p95 %5.2f M  max %6.2f M  |"
                "  proven %zu/%zu  wrong %d  |  memory peak +%.1f MB, after the hint +%.1f MB\n",
                set.name, ms.size(), percentile(ms, 0.5), percentile(ms, 0.95), percentile(ms, 1.0),
                percentile(visited, 0.95) / 1e6, percentile(visited, 1.0) / 1e6, ms.size() - static_cast<std::size_t>(open),
                ms.size(), wrong, run.peakAddedMb, run.keptMb);
    std::vector<std::size_t> order(run.samples.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return run.samples[a].ms > run.samples[b].ms; });
    for (std::size_t k = 0; k < std::min<std::size_t>(slowest, order.size()); ++k) {
        const Sample& s = run.samples[order[k]];
        std::printf("         slow: %2d balls %8.1f ms %7.2f M visited  %d left %s  %#llx\n", std::popcount(set.positions[order[k]]),
                    s.ms, static_cast<double>(s.visited) / 1e6, s.ballsLeft, s.proven ? "proven" : "not proven",
                    static_cast<unsigned long long>(set.positions[order[k]]));
    }
    return wrong;
}
}

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const char* positionsFile = nullptr;
    const char* unprovenFile = nullptr;
    std::string sets = "play,boards";
    std::uint64_t work = HintSolver::kDefaultWork;
    std::size_t slowest = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--positions") == 0)
            positionsFile = argv[i + 1];
        else if (std::strcmp(argv[i], "--unproven") == 0)
            unprovenFile = argv[i + 1];
        else if (std::strcmp(argv[i], "--sets") == 0)
            sets = argv[i + 1];
        else if (std::strcmp(argv[i], "--work") == 0)
            work = std::strtoull(argv[i + 1], nullptr, 10);
        else if (std::strcmp(argv[i], "--slowest") == 0)
            slowest = std::strtoull(argv[i + 1], nullptr, 10);
    }
    std::vector<Set> chosen;
    if (positionsFile) {
        Set set{"file", {}};
        std::ifstream in(positionsFile);
        for (std::string line; std::getline(in, line);)
            if (!line.empty())
                set.positions.push_back(std::stoull(line, nullptr, 16) & BitBoard::holes());
        chosen.push_back(set);
    } else {
        if (sets.find("play") != std::string::npos)
            chosen.push_back({"play", playSet()});
        if (sets.find("boards") != std::string::npos)
            chosen.push_back({"boards", boardSet()});
    }
    std::printf("hint budget: %llu positions visited; each set on one core, from empty tables\n",
                static_cast<unsigned long long>(work));
    std::vector<Child> children;
    for (const Set& set : chosen)
        children.push_back(start(set.positions, work));
    int wrong = 0;
    std::ofstream unproven;
    if (unprovenFile)
        unproven.open(unprovenFile);
    for (std::size_t s = 0; s < chosen.size(); ++s) {
        const Run run = finish(children[s], chosen[s].positions, work);
        if (run.samples.size() != chosen[s].positions.size()) {
            std::printf("the %s set's process failed\n", chosen[s].name);
            return 1;
        }
        wrong += report(chosen[s], run, slowest);
        for (std::size_t i = 0; i < run.samples.size(); ++i) {
            if (unprovenFile && !run.samples[i].proven)
                unproven << std::hex << "0x" << chosen[s].positions[i] << '\n';
            if (run.samples[i].wrong)
                std::printf("         wrong: %#llx  %d left %s, jump %d-%d, removal %d\n",
                            static_cast<unsigned long long>(chosen[s].positions[i]), run.samples[i].ballsLeft,
                            run.samples[i].proven ? "proven" : "not proven", run.samples[i].jump[0], run.samples[i].jump[1],
                            run.samples[i].removal);
        }
    }
    std::printf("wrong answers: %d\n", wrong);
    std::printf("targets: every answer proven, p95 < 1000 ms, max < 5000 ms (play: p50 < 1 ms, p95 < 100 ms);"
                " memory peak <= +64 MB, after the hint <= +8 MB; 0 wrong\n");
    return wrong == 0 ? 0 : 2;
}
