#include "records/saved_game_file.h"

#include "records/byte_lines.h"

namespace {
constexpr std::string_view kEmpty = "\xB2";
constexpr std::string_view kBall = "\xB3";
constexpr std::string_view kWaiting = "s\xB2";
constexpr std::string_view kUnderway = "s\xB3";
}

std::string SavedGameFile::serialise(const Board& board, int firstball)
{
    std::vector<std::string> lines;
    for (int hole = 1; hole <= kHoleCount; ++hole)
        lines.emplace_back(board.isEmpty(hole) ? kEmpty : kBall);
    lines.emplace_back(firstball == 1 ? kWaiting : kUnderway);
    return ByteLines::join(lines);
}

SavedGameFile::Reading SavedGameFile::read(std::string_view bytes)
{
    Reading reading;
    int n = 1;
    for (const std::string_view line : ByteLines::split(bytes)) {
        if (line == kWaiting) {
            reading.entries.push_back({PositionEntry::Kind::Waiting});
        } else if (line == kUnderway) {
            reading.entries.push_back({PositionEntry::Kind::Underway});
        } else if ((line == kEmpty || line == kBall) && isHole(n)) {
            const auto kind = line == kEmpty ? PositionEntry::Kind::Empty : PositionEntry::Kind::Ball;
            reading.entries.push_back({kind, static_cast<HoleNumber>(n)});
        } else {
            reading.corrupted = true;
            break;
        }
        ++n;
    }
    return reading;
}
