// The move engine on loaded games. The first byte chooses what the rest is:
//   even: a moves file, loaded into a new game as the Moves menu does;
//   odd:  a saved game put on a new game's board, then, after a 0 byte, one hole click per byte.
// Then the moves are replayed to the end and taken back to the start. At every step the board
// keeps its 37 holes and the counter holds a number; the replay records nothing, and each undo
// takes back exactly one move once a start hole is known.
#include "fuzz_check.h"

#include "rules/game.h"
#include "records/moves_file.h"
#include "records/saved_game_file.h"
#include "rules/score_number.h"

namespace {
constexpr std::size_t kMaxInput = 64 * 1024;

void checkGame(const Game& game)
{
    FUZZ_CHECK(game.board().emptyCount() >= 0 && game.board().emptyCount() <= kHoleCount);
    FUZZ_CHECK(ScoreNumber::parse(game.counter()).has_value());
    FUZZ_CHECK(game.state().selstate == 0 || isHole(game.state().selhole));
    FUZZ_CHECK(game.history().count() <= kMaxInput);
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0 || size > kMaxInput)
        return 0;
    const std::string_view rest = fuzzBytes(data + 1, size - 1);

    Game game;
    game.startNewGame();
    if (data[0] % 2 == 0) {
        MoveHistory history;
        MovesFile::read(rest, history);
        game.loadHistory(history);
    } else {
        const std::size_t end = rest.find('\0');
        game.loadPosition(SavedGameFile::read(rest.substr(0, end)).entries);
        checkGame(game);
        if (end != std::string_view::npos)
            for (const char hole : rest.substr(end + 1)) {
                game.click(static_cast<HoleNumber>(static_cast<std::uint8_t>(hole) % 40));
                checkGame(game);
            }
    }
    checkGame(game);

    game.startReplay();
    checkGame(game);
    const std::size_t moves = game.history().count();
    const std::string counter = game.counter();
    std::size_t ticks = 0;
    while (const auto move = game.nextReplayMove()) {
        for (const auto hole : {move->origin, move->destination})
            if (hole)
                game.click(*hole);
        FUZZ_CHECK(++ticks <= moves);
        FUZZ_CHECK(game.history().count() == moves);
        FUZZ_CHECK(game.counter() == counter);
        checkGame(game);
    }
    FUZZ_CHECK(game.state().replaying == 0);

    // Undo needs a start hole: without one (a moves file without its start line) it does nothing.
    const bool started = game.history().startHole().find_first_not_of(' ') != std::string::npos;
    const std::size_t recorded = game.history().count();
    for (std::size_t k = 1; k <= recorded; ++k) {
        game.undo();
        FUZZ_CHECK(game.history().count() == (started ? recorded - k : recorded));
        checkGame(game);
    }
    // With every move gone, undo puts the starting ball back.
    game.undo();
    checkGame(game);
    if (started) {
        FUZZ_CHECK(game.history().count() == 0);
        FUZZ_CHECK(game.state().firstball == 1);
        FUZZ_CHECK(game.prompt() == Game::kStartPrompt);
        if (const auto start = parseHoleNumber(game.history().startHole()))
            FUZZ_CHECK(!game.board().isEmpty(*start));
    }
    return 0;
}
