// The saved-game reader: a position that reads without fault, put on a board and saved, reads
// back to the same board and the same waiting-or-under-way state; the board keeps its 37 holes.
#include "fuzz_check.h"

#include "rules/game.h"
#include "records/byte_lines.h"
#include "records/saved_game_file.h"

#include <string>

namespace {
void checkBoard(const Game& game)
{
    FUZZ_CHECK(game.board().emptyCount() >= 0 && game.board().emptyCount() <= kHoleCount);
    FUZZ_CHECK(game.state().firstball == 0 || game.state().firstball == 1);
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzzBytes(data, size);
    const SavedGameFile::Reading reading = SavedGameFile::read(bytes);
    FUZZ_CHECK(reading.entries.size() <= ByteLines::split(bytes).size());
    for (const PositionEntry& entry : reading.entries) {
        const bool hole = entry.kind == PositionEntry::Kind::Empty || entry.kind == PositionEntry::Kind::Ball;
        FUZZ_CHECK(hole ? isHole(entry.hole) : entry.hole == 0);
    }

    // Loading puts the lines read on the board as it stands, a corrupted file's good lines too.
    Game game;
    game.startNewGame();
    game.loadPosition(reading.entries);
    checkBoard(game);
    if (reading.corrupted)
        return 0;

    const std::string written = SavedGameFile::serialise(game.board(), game.state().firstball);
    FUZZ_CHECK(ByteLines::split(written).size() == kHoleCount + 1);
    const SavedGameFile::Reading again = SavedGameFile::read(written);
    FUZZ_CHECK(!again.corrupted);
    FUZZ_CHECK(again.entries.size() == kHoleCount + 1);

    Game loaded;
    loaded.startNewGame();
    loaded.loadPosition(again.entries);
    checkBoard(loaded);
    for (int hole = 1; hole <= kHoleCount; ++hole)
        FUZZ_CHECK(loaded.board().isEmpty(hole) == game.board().isEmpty(hole));
    FUZZ_CHECK(loaded.state().firstball == game.state().firstball);
    FUZZ_CHECK(loaded.prompt() == game.prompt());
    FUZZ_CHECK(SavedGameFile::serialise(loaded.board(), loaded.state().firstball) == written);
    return 0;
}
