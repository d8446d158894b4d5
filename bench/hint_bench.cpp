// Hint benchmark: the work and time one hint takes, the memory it needs and gives back, and
// whether its answers are right, over sets of positions; and the time a review of whole games takes.
//
// - play: positions met in play, from a fixed seed: from each of the 37 single-vacancy starts,
//   every position of a game of random jumps and every other position of the best line the
//   solver plays; then the full board before the start, where the hint is the ball to remove.
// - boards: positions a saved game can hold that play from a single-vacancy start seldom meets:
//   random ball patterns of 10 to 36 balls, and positions after 3 to 10 poor jumps (the jump the
//   solver favours least) from starts with one to three empty holes, half of them then played on
//   at random down to 20 to 30 balls.
// - patterns: random ball patterns of 29 to 35 balls, where a search is longest.
// - poor: from starts with one to three empty holes, the jump the solver favours least, or now
//   and then a random one, down to 29 to 35 balls.
// - the review: games from single-vacancy starts (the solver's best line, random jumps, the
//   least favoured jumps) reviewed whole by GameReview, one solver for each game.
//
// The sets' positions are kept in bench/positions (one a line, as the slowest are printed, and
// the games as their start and jumps), so that a change of the solver, which plays the best
// lines, does not change the positions it is measured on; --write makes them again.
//
// Each set runs in a process of its own, on one core, each position from empty tables, with the
// hint's budget of work. The time is the CPU time of the hint, so a load on the machine does not
// count. Every answer is checked: one of up to 20 balls against a plain exhaustive search, and
// every proven one by playing the hinted line to its end (the balls left must equal the claim).
// The memory is the process's resident memory: its peak and, after the hint has given its
// tables back, what stays, both above the process's memory before the first hint.
//
// Usage: dorv_hint_bench [--work N] [--from DIR] [--write DIR] [--positions FILE] [--unproven FILE]
//                        [--answers FILE] [--sets play,boards,patterns,poor,review] [--slowest N] [--seed N]
//   --work: positions a hint may visit (default the window's budget);
//   --from: read each set from DIR/<set>.txt (the games from DIR/games.txt) instead of making it;
//   --write: make every set and write it to DIR, then stop;
//   --positions: read one set from FILE instead (one position a line, the bits in hex, as the
//   slowest are printed); --unproven: write the positions not proven to FILE, in that form;
//   --answers: write every position's answer to FILE, one a line: the position, the balls left,
//   whether proven (1 or 0) and the positions visited, to compare two versions of the solver;
//   --slowest: how many of the slowest positions to print (5);
//   --seed: make the sets from other seeds (their own plus N) instead of reading them.
#include "plain_search.h"
#include "solver/finish_book.h"
#include "solver/game_review.h"
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
#include <sstream>
#include <random>
#include <string>
#include <vector>

namespace {
using Bits = BitBoard::Bits;

// Added to every set's seed: --seed makes sets no one has measured before.
std::uint64_t g_seed = 0;

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
    std::mt19937_64 random(20240611 + g_seed);
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
    std::mt19937_64 random(20261207 + g_seed);
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

// Random ball patterns of 29 to 35 balls.
std::vector<Bits> patternSet()
{
    std::mt19937_64 random(20261208 + g_seed);
    std::vector<Bits> positions;
    for (int k = 0; k < 300; ++k) {
        const int balls = 29 + static_cast<int>(random() % 7);
        Bits pattern = 0;
        while (std::popcount(pattern) < balls)
            pattern |= BitBoard::bitOf(static_cast<HoleNumber>(1 + random() % kHoleCount));
        positions.push_back(pattern);
    }
    return positions;
}

// Poor play from one to three empty holes down to 29 to 35 balls: the least favoured jump, one
// time in four a random one.
std::vector<Bits> poorSet()
{
    std::mt19937_64 random(20261209 + g_seed);
    std::vector<Bits> positions;
    while (positions.size() < 300) {
        Bits balls = BitBoard::holes();
        for (int empty = 1 + static_cast<int>(random() % 3); empty > 0; --empty)
            balls &= ~BitBoard::bitOf(static_cast<HoleNumber>(1 + random() % kHoleCount));
        const int down = 29 + static_cast<int>(random() % 7);
        while (std::popcount(balls) > down) {
            const std::vector<int> codes = openJumps(balls);
            if (codes.empty())
                break;
            balls ^= JumpOrder::maskOf(random() % 4 == 0 ? codes[random() % codes.size()] : codes.back());
        }
        if (std::popcount(balls) == down)
            positions.push_back(balls);
    }
    return positions;
}

// A game to review: the start's empty hole and the jumps.
struct Game {
    std::string kind;
    int start;
    std::vector<JumpTable::Jump> jumps;
};

// Games from single-vacancy starts: the solver's best line from three starts, random jumps and the
// least favoured jumps from three more each.
std::vector<Game> reviewGames()
{
    std::mt19937_64 random(20261210 + g_seed);
    std::vector<Game> games;
    HintSolver solver;
    for (const int start : {1, 9, 18}) {
        Game game{"best", start, {}};
        Bits balls = BitBoard::holes() & ~BitBoard::bitOf(static_cast<HoleNumber>(start));
        for (Hint hint; (hint = solver.bestMove(BitBoard::toBalls(balls))).jump;) {
            game.jumps.push_back(*hint.jump);
            balls = play(balls, *hint.jump);
        }
        games.push_back(game);
    }
    for (const char* kind : {"random", "poor"})
        for (const int start : {3, 12, 23}) {
            Game game{kind, start, {}};
            Bits balls = BitBoard::holes() & ~BitBoard::bitOf(static_cast<HoleNumber>(start));
            for (std::vector<int> codes; !(codes = openJumps(balls)).empty();) {
                const int code = kind[0] == 'r' ? codes[random() % codes.size()] : codes.back();
                game.jumps.push_back(JumpOrder::jumpOf(code));
                balls ^= JumpOrder::maskOf(code);
            }
            games.push_back(game);
        }
    return games;
}

void writeGames(const std::string& file, const std::vector<Game>& games)
{
    std::ofstream out(file);
    for (const Game& game : games) {
        out << game.kind << ' ' << game.start;
        for (const JumpTable::Jump& j : game.jumps)
            out << ' ' << j.origin << '-' << j.destination;
        out << '\n';
    }
}

std::vector<Game> readGames(const std::string& file)
{
    std::vector<Game> games;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        Game game;
        if (!(words >> game.kind >> game.start))
            continue;
        for (int origin = 0, destination = 0; words >> origin && words.get() == '-' && words >> destination;) {
            const auto o = static_cast<HoleNumber>(origin), d = static_cast<HoleNumber>(destination);
            game.jumps.push_back({o, JumpTable::instance().jumped(o, d).value_or(HoleNumber{0}), d});
        }
        games.push_back(game);
    }
    return games;
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

// Runs `body` in a child process that has the finish book loaded (the window has it from its
// first hint on), with the pipe's end to write to.
Child forked(const std::function<void(int)>& body)
{
    int channel[2];
    if (pipe(channel) != 0)
        std::exit(1);
    const pid_t pid = fork();
    if (pid == 0) {
        close(channel[0]);
        FinishBook::instance();
        body(channel[1]);
        _exit(0);
    }
    close(channel[1]);
    return {pid, channel[0]};
}

Child start(const std::vector<Bits>& positions, std::uint64_t work)
{
    return forked([&](int channel) {
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
            if (write(channel, &sample, sizeof sample) != sizeof sample)
                _exit(1);
        }
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const double memory[2] = {static_cast<double>(usage.ru_maxrss) / 1024.0 - before, kept};
        if (write(channel, memory, sizeof memory) != sizeof memory)
            _exit(1);
    });
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
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

// The goals every set is held to.
constexpr double kGoalP95Ms = 50;
constexpr double kGoalMaxMs = 2000;
constexpr double kGoalReviewMs = 5000;
constexpr double kGoalPeakMb = 64;
constexpr double kGoalKeptMb = 8;

const char* mark(bool met) { return met ? "ok" : "MISSED"; }

// One set's lines, and its slowest positions.
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
    const double p95 = percentile(ms, 0.95), most = percentile(ms, 1.0);
    std::printf("%-8s %4zu positions  proven %zu/%zu (goal: all, %s)  wrong %d (goal 0, %s)\n", set.name, ms.size(),
                ms.size() - static_cast<std::size_t>(open), ms.size(), mark(open == 0), wrong, mark(wrong == 0));
    std::printf("         CPU p50 %7.2f ms  p95 %7.1f ms (goal < %.0f, %s)  max %7.1f ms (goal < %.0f, %s)\n",
                percentile(ms, 0.5), p95, kGoalP95Ms, mark(p95 < kGoalP95Ms), most, kGoalMaxMs, mark(most < kGoalMaxMs));
    std::printf("         work p50 %6.3f M  p95 %6.2f M  max %6.2f M positions visited\n", percentile(visited, 0.5) / 1e6,
                percentile(visited, 0.95) / 1e6, percentile(visited, 1.0) / 1e6);
    std::printf("         memory peak +%.1f MB (goal <= +%.0f, %s), after forget() +%.1f MB (goal <= +%.0f, %s)\n", run.peakAddedMb,
                kGoalPeakMb, mark(run.peakAddedMb <= kGoalPeakMb), run.keptMb, kGoalKeptMb, mark(run.keptMb <= kGoalKeptMb));
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

// A game's review: its CPU time and how many of its moves were proven, and the values, checked
// against the plain search where a position has up to 20 balls.
struct Reviewed {
    double ms = 0;
    int moves = 0;
    int proven = 0;
    int wrong = 0;
};

Child startReview(const std::vector<Game>& games, std::uint64_t work)
{
    return forked([&](int channel) {
        HintSolver solver;
        for (const Game& game : games) {
            const double begun = cpuMs();
            const std::vector<MoveValue> values = GameReview(solver).review(static_cast<HoleNumber>(game.start), game.jumps, nullptr, work);
            Reviewed reviewed{cpuMs() - begun, static_cast<int>(values.size()), 0, 0};
            Bits balls = BitBoard::holes() & ~BitBoard::bitOf(static_cast<HoleNumber>(game.start));
            for (std::size_t i = 0; i < values.size(); ++i) {
                reviewed.proven += values[i].proven ? 1 : 0;
                const Bits after = play(balls, game.jumps[i]);
                for (const auto& [position, claimed] : {std::pair{balls, values[i].before}, std::pair{after, values[i].after}})
                    if (std::popcount(position) <= 20 && values[i].proven && PlainSearch().bestFinish(position) != claimed)
                        ++reviewed.wrong;
                balls = after;
            }
            if (values.size() != game.jumps.size())
                ++reviewed.wrong;
            solver.forget();
            if (write(channel, &reviewed, sizeof reviewed) != sizeof reviewed)
                _exit(1);
        }
    });
}

int reportReview(const Child& child, const std::vector<Game>& games)
{
    int wrong = 0;
    double most = 0;
    bool allProven = true;
    std::printf("review   %zu games, each reviewed whole (the best finish before and after every move) by one solver\n", games.size());
    for (const Game& game : games) {
        Reviewed reviewed;
        if (read(child.channel, &reviewed, sizeof reviewed) != sizeof reviewed) {
            std::printf("the review's process failed\n");
            wrong += 1;
            break;
        }
        std::printf("         %-6s from %2d: %2d moves  CPU %7.1f ms (goal < %.0f, %s)  proven %d/%d  wrong %d\n", game.kind.c_str(),
                    game.start, reviewed.moves, reviewed.ms, kGoalReviewMs, mark(reviewed.ms < kGoalReviewMs), reviewed.proven,
                    reviewed.moves, reviewed.wrong);
        most = std::max(most, reviewed.ms);
        allProven = allProven && reviewed.proven == reviewed.moves;
        wrong += reviewed.wrong;
    }
    std::printf("         slowest review %.1f ms (goal < %.0f, %s), every move proven: %s\n", most, kGoalReviewMs,
                mark(most < kGoalReviewMs), allProven ? "yes" : "no");
    close(child.channel);
    int status = 0;
    waitpid(child.pid, &status, 0);
    return wrong;
}

std::vector<Bits> readPositions(const std::string& file)
{
    std::vector<Bits> positions;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            positions.push_back(std::stoull(line, nullptr, 16) & BitBoard::holes());
    return positions;
}

void writePositions(const std::string& file, const std::vector<Bits>& positions)
{
    std::ofstream out(file);
    for (const Bits balls : positions)
        out << "0x" << std::hex << balls << '\n';
}

struct Maker {
    const char* name;
    std::vector<Bits> (*make)();
};
constexpr Maker kMakers[] = {{"play", playSet}, {"boards", boardSet}, {"patterns", patternSet}, {"poor", poorSet}};
}

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const char* positionsFile = nullptr;
    const char* unprovenFile = nullptr;
    const char* answersFile = nullptr;
    const char* from = nullptr;
    const char* into = nullptr;
    std::string sets = "play,boards,patterns,poor,review";
    std::uint64_t work = HintSolver::kDefaultWork;
    std::size_t slowest = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--positions") == 0)
            positionsFile = argv[i + 1];
        else if (std::strcmp(argv[i], "--unproven") == 0)
            unprovenFile = argv[i + 1];
        else if (std::strcmp(argv[i], "--answers") == 0)
            answersFile = argv[i + 1];
        else if (std::strcmp(argv[i], "--from") == 0)
            from = argv[i + 1];
        else if (std::strcmp(argv[i], "--write") == 0)
            into = argv[i + 1];
        else if (std::strcmp(argv[i], "--sets") == 0)
            sets = argv[i + 1];
        else if (std::strcmp(argv[i], "--work") == 0)
            work = std::strtoull(argv[i + 1], nullptr, 10);
        else if (std::strcmp(argv[i], "--seed") == 0)
            g_seed = std::strtoull(argv[i + 1], nullptr, 10);
        else if (std::strcmp(argv[i], "--slowest") == 0)
            slowest = std::strtoull(argv[i + 1], nullptr, 10);
    }
    if (into) {
        for (const Maker& maker : kMakers)
            writePositions(std::string(into) + "/" + maker.name + ".txt", maker.make());
        writeGames(std::string(into) + "/games.txt", reviewGames());
        return 0;
    }
    const auto chosenSet = [&](const char* name) { return ("," + sets + ",").find("," + std::string(name) + ",") != std::string::npos; };
    std::vector<Set> chosen;
    if (positionsFile) {
        chosen.push_back({"file", readPositions(positionsFile)});
    } else {
        for (const Maker& maker : kMakers)
            if (chosenSet(maker.name))
                chosen.push_back({maker.name, from && g_seed == 0 ? readPositions(std::string(from) + "/" + maker.name + ".txt") : maker.make()});
    }
    std::printf("hint budget: %llu positions visited; each set on one core, each position from empty tables\n",
                static_cast<unsigned long long>(work));
    int wrong = 0;
    std::ofstream unproven;
    if (unprovenFile)
        unproven.open(unprovenFile);
    std::ofstream answers;
    if (answersFile)
        answers.open(answersFile);
    // Two sets at a time: the machine's cores.
    for (std::size_t first = 0; first < chosen.size(); first += 2) {
        std::vector<Child> children;
        for (std::size_t s = first; s < std::min(first + 2, chosen.size()); ++s)
            children.push_back(start(chosen[s].positions, work));
        for (std::size_t s = first; s < std::min(first + 2, chosen.size()); ++s) {
            const Run run = finish(children[s - first], chosen[s].positions, work);
            if (run.samples.size() != chosen[s].positions.size()) {
                std::printf("the %s set's process failed\n", chosen[s].name);
                return 1;
            }
            wrong += report(chosen[s], run, slowest);
            for (std::size_t i = 0; i < run.samples.size(); ++i) {
                if (answersFile)
                    answers << "0x" << std::hex << chosen[s].positions[i] << std::dec << ' ' << run.samples[i].ballsLeft << ' '
                            << (run.samples[i].proven ? 1 : 0) << ' ' << run.samples[i].visited << '\n';
                if (unprovenFile && !run.samples[i].proven)
                    unproven << std::hex << "0x" << chosen[s].positions[i] << '\n';
                if (run.samples[i].wrong)
                    std::printf("         wrong: %#llx  %d left %s, jump %d-%d, removal %d\n",
                                static_cast<unsigned long long>(chosen[s].positions[i]), run.samples[i].ballsLeft,
                                run.samples[i].proven ? "proven" : "not proven", run.samples[i].jump[0], run.samples[i].jump[1],
                                run.samples[i].removal);
            }
        }
    }
    if (!positionsFile && chosenSet("review")) {
        const std::vector<Game> games = from && g_seed == 0 ? readGames(std::string(from) + "/games.txt") : reviewGames();
        wrong += reportReview(startReview(games, work), games);
    }
    std::printf("wrong answers: %d\n", wrong);
    return wrong == 0 ? 0 : 2;
}
