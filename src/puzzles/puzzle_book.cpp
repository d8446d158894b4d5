#include "puzzles/puzzle_book.h"

#include "puzzles/puzzle_drafts.h"

#include <algorithm>
#include <stdexcept>

namespace {
// A puzzle the proving tool kept: its key, the goal it proved and a line of jumps to it.
struct Proven {
    const char* key;
    int goalHole;
    const char* solution;
};

const Proven kProven[] = {
#include "puzzles/puzzle_solutions.inc"
};

std::vector<Puzzle> makeBook()
{
    std::vector<Puzzle> book;
    for (const PuzzleDraft& draft : puzzleDrafts()) {
        const auto proven = std::find_if(std::begin(kProven), std::end(kProven),
                                         [&](const Proven& p) { return draft.key == p.key; });
        if (proven == std::end(kProven))
            continue;
        Puzzle puzzle{draft.key, draft.figure, draft.openHole, draft.balls, proven->goalHole, {}};
        if (!readJumps(proven->solution, puzzle.solution))
            throw std::logic_error("the stored solution of " + draft.key + " is no line of jumps");
        book.push_back(std::move(puzzle));
    }
    return book;
}
}

const std::vector<Puzzle>& PuzzleBook::all()
{
    static const std::vector<Puzzle> book = makeBook();
    return book;
}

const Puzzle* PuzzleBook::find(std::string_view key)
{
    const auto& book = all();
    const auto found = std::find_if(book.begin(), book.end(), [key](const Puzzle& p) { return p.key == key; });
    return found == book.end() ? nullptr : &*found;
}
