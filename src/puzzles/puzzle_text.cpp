#include "puzzles/puzzle_book.h"

#include <algorithm>

std::string positionText(const std::array<bool, kHoleCount>& balls)
{
    std::string text;
    for (const bool ball : balls)
        text += ball ? '1' : '0';
    return text;
}

std::string goalText(const Puzzle& puzzle)
{
    return puzzle.goalHole == 0 ? "1" : "1@" + std::to_string(puzzle.goalHole);
}

std::string solutionText(const Puzzle& puzzle) { return jumpsText(puzzle.solution); }

std::string jumpsText(const std::vector<JumpTable::Jump>& jumps)
{
    std::string text;
    for (const JumpTable::Jump& jump : jumps) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(jump.origin) + '-' + std::to_string(jump.destination);
    }
    return text;
}

bool readJumps(std::string_view text, std::vector<JumpTable::Jump>& jumps)
{
    jumps.clear();
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(' '), text.size());
        const std::string_view word = text.substr(0, end);
        const std::size_t dash = word.find('-');
        if (dash == std::string_view::npos)
            return false;
        const auto origin = parseHoleNumber(word.substr(0, dash));
        const auto destination = parseHoleNumber(word.substr(dash + 1));
        if (!origin || !destination || word.find(' ') != std::string_view::npos)
            return false;
        const auto jumped = JumpTable::instance().jumped(*origin, *destination);
        if (!jumped)
            return false;
        jumps.push_back({*origin, *jumped, *destination});
        if (end == text.size())
            break;
        text.remove_prefix(end + 1);
        // A single space between jumps, none at the end.
        if (text.empty() || text.front() == ' ')
            return false;
    }
    return true;
}

std::string englishName(const Puzzle& puzzle)
{
    return puzzle.figure.empty() ? "Hole " + std::to_string(puzzle.openHole) + " empty" : puzzle.figure;
}
