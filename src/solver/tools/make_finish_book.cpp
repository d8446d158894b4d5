// Works out the finish book: the best finish of every position of FinishBook::kBalls balls a game
// from a start can reach, by the hint solver with the book left out and no time limit, and writes
// them as the header finish_book_digits.h to standard output. Progress goes to standard error.
//
// Usage: dorv_make_finish_book [threads, default 2] [table GB per thread, default 8]
// About an hour on two cores with two 8 GB tables.
#include "solver/finish_book.h"
#include "solver/hint_solver.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

int main(int argc, char** argv)
{
    const int threads = argc > 1 ? std::atoi(argv[1]) : 2;
    const std::size_t tableBytes = static_cast<std::size_t>(argc > 2 ? std::atoi(argv[2]) : 8) << 30;
    const std::vector<BitBoard::Bits> positions = FinishBook::reachable();
    std::vector<char> digits(positions.size());
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex progress;
    const auto began = std::chrono::steady_clock::now();
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([&] {
            HintSolver solver(tableBytes, HintSolver::Book::Ignore);
            for (std::size_t i; (i = next++) < positions.size();) {
                const Hint hint = solver.bestMove(BitBoard::toBalls(positions[i]), nullptr, UINT64_MAX);
                if (!hint.proven() || hint.ballsLeft < 1 || hint.ballsLeft > 9)
                    failed = true;
                digits[i] = static_cast<char>('0' + hint.ballsLeft);
                if (i % 500 == 0) {
                    const std::lock_guard lock(progress);
                    std::fprintf(stderr, "%zu of %zu, %.0f s\n", i, positions.size(),
                                 std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count());
                }
            }
        });
    for (std::thread& worker : workers)
        worker.join();
    if (failed) {
        std::fprintf(stderr, "a position was not proven\n");
        return 1;
    }
    std::printf("// Made by dorv_make_finish_book: the best finish of each position of the finish book, one\n"
                "// digit per position, in the order FinishBook::reachable() gives them.\n"
                "#pragma once\n\n"
                "inline constexpr char kFinishBookDigits[] =\n");
    for (std::size_t i = 0; i < digits.size(); i += 96)
        std::printf("    \"%.*s\"%s\n", static_cast<int>(std::min<std::size_t>(96, digits.size() - i)), &digits[i],
                    i + 96 < digits.size() ? "" : ";");
    return 0;
}
