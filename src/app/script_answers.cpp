#include "app/script_answers.h"

#include "board/jump_table.h"
#include "puzzles/puzzle_book.h"
#include "records/moves_file.h"
#include "solver/game_review.h"
#include "solver/hint_solver.h"

#include <optional>
#include <vector>

namespace {
using Balls = HintSolver::Balls;

std::optional<Balls> readPosition(std::string_view text)
{
    if (text.size() != std::size_t(kHoleCount))
        return std::nullopt;
    Balls balls{};
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] != '0' && text[k] != '1')
            return std::nullopt;
        balls[k] = text[k] == '1';
    }
    return balls;
}

const char* ending(const Hint& hint)
{
    switch (hint.ending) {
    case Hint::Ending::Proven: return "proven";
    case Hint::Ending::OutOfWork: return "out of work";
    case Hint::Ending::Cancelled: return "cancelled";
    }
    return "";
}

std::string jumpText(const JumpTable::Jump& jump, bool withJumped)
{
    std::string text = std::to_string(jump.origin) + '-';
    if (withJumped)
        text += std::to_string(jump.jumped) + '-';
    return text + std::to_string(jump.destination);
}

}

ScriptAnswers::Answer ScriptAnswers::best(std::string_view position)
{
    const auto balls = readPosition(position);
    if (!balls)
        return {2, {}, "not a position: '" + std::string(position)
                           + "'; give 37 characters, 1 for a ball and 0 for an empty hole, holes 1 to 37 row by row\n"};
    HintSolver solver;
    const Hint hint = solver.bestMove(*balls);
    return {0, std::to_string(hint.ballsLeft) + '\t' + (hint.jump ? jumpText(*hint.jump, true) : "-") + '\t' + ending(hint) + '\n', {}};
}

ScriptAnswers::Answer ScriptAnswers::review(std::string_view bytes, std::string_view name)
{
    const std::string file(name);
    MoveHistory history;
    const bool whole = MovesFile::read(bytes, history);
    const auto start = parseHoleNumber(history.startHole());
    if (!whole || !start || history.origins().size() != history.destinations().size())
        return {2, {}, file + ": not a moves file: it must hold a start hole (ST) and a destination (L2) for every origin (L1)\n"};

    // The game as played from its start, each move a jump of the board it was played on.
    std::vector<JumpTable::Jump> jumps;
    for (std::size_t k = 0; k < history.count(); ++k) {
        const auto origin = parseHoleNumber(history.origin(k));
        const auto destination = parseHoleNumber(*history.destination(k));
        const auto jumped = origin && destination ? JumpTable::instance().jumped(*origin, *destination) : std::nullopt;
        jumps.push_back({origin.value_or(0), jumped.value_or(0), destination.value_or(0)});
    }
    const std::vector<Balls> positions = GameReview::positions(GameReview::startingFrom(*start), jumps);
    if (const std::size_t played = positions.size() - 1; played < jumps.size())
        return {2, {}, file + ": move " + std::to_string(played + 1) + " (" + history.origin(played) + '-'
                           + *history.destination(played) + ") is no jump on the board it was played on\n"};

    // One solver for the whole game: what it learns of one position serves the others.
    HintSolver solver;
    const std::vector<MoveValue> values = GameReview(solver).review(*start, jumps);
    bool proven = true;
    for (const MoveValue& value : values)
        proven = proven && value.proven;
    const auto finish = [](int count, bool sure) { return std::to_string(count) + (sure ? "" : "?"); };
    Answer answer;
    const Hint fromStart = values.empty() ? solver.bestMove(positions.front()) : Hint{};
    answer.out = "# start " + std::to_string(*start) + ", best finish "
        + (values.empty() ? finish(fromStart.ballsLeft, fromStart.proven()) : finish(values.front().before, values.front().proven))
        + '\n';
    std::optional<std::size_t> lost;
    for (std::size_t k = 0; k < values.size(); ++k) {
        answer.out += std::to_string(k + 1) + '\t' + jumpText(jumps[k], false) + '\t' + finish(values[k].before, values[k].proven) + '\t'
            + finish(values[k].after, values[k].proven) + '\n';
        if (!lost && values[k].after > values[k].before)
            lost = k;
    }
    const int left = kHoleCount - 1 - int(jumps.size());
    answer.out += "# " + std::to_string(jumps.size()) + (jumps.size() == 1 ? " move, " : " moves, ") + std::to_string(left) + (left == 1 ? " ball" : " balls")
        + " left\n";
    if (lost) {
        const Hint keeping = solver.bestMove(positions[*lost]);
        answer.out += "# move " + std::to_string(*lost + 1) + " lost the best finish"
            + (keeping.jump ? "; " + jumpText(*keeping.jump, true) + " kept it\n" : "\n");
    } else {
        answer.out += "# no move lost the best finish\n";
    }
    if (!proven)
        answer.out += "# a value with ? is the best line found, not proven\n";
    return answer;
}

ScriptAnswers::Answer ScriptAnswers::listPuzzles()
{
    Answer answer;
    for (const Puzzle& puzzle : PuzzleBook::all())
        answer.out += englishName(puzzle) + '\t' + positionText(puzzle.balls) + '\t' + goalText(puzzle) + '\t'
            + solutionText(puzzle) + '\n';
    return answer;
}
