#pragma once

#include "board/board.h"
#include "rules/game_state.h"
#include "rules/move_history.h"
#include "rules/move_outcome.h"
#include "rules/position_entry.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The game on the board: hole states, the game variables, the move history, the score (Label5)
// and the prompt (Label1), with the rules that change them — a click on a hole, undo, a new game's
// reset, loading a position or a list of moves, and the replay. Knows nothing of windows: each
// rule returns what it did, and the window shows that.
class Game {
public:
    static constexpr const char* kStartPrompt = "Remove a 'ball' to start";

    const GameState& state() const { return m_state; }
    const Board& board() const { return m_board; }
    const MoveHistory& history() const { return m_history; }
    // The score, reckoned as the number its text shows, and that text ("0", "17", "1.7", "-0.1").
    double score() const { return m_score; }
    std::string counter() const;
    const std::string& prompt() const { return m_prompt; }
    // A hole carries the selection frame while its ball is selected.
    bool isFramed(HoleNumber hole) const;
    // Some ball can jump on the board as it is.
    bool jumpLeft() const;
    // The game is under way and no jump is left: it is over, whatever ends it later.
    bool ended() const { return m_state.firstball == 0 && !jumpLeft(); }
    // The hole whose ball was taken off to start, where the board is what that start and the
    // moves of the history leave (not a saved position loaded since); none otherwise.
    std::optional<HoleNumber> knownStart() const;
    // The position the game started from (the full board less its start hole, or a puzzle's
    // position), where the board is what it and the moves of the history leave; none otherwise.
    std::optional<Board> knownStartPosition() const;

    // A click on a hole: the starting removal, a selection, a deselection or a jump. A number that
    // is no hole (from an edited moves file) changes nothing.
    MoveOutcome click(HoleNumber hole);
    // Takes back the last move with its penalty, or the starting removal when no move is left.
    MoveOutcome undo();
    // Plays the last jump (or starting removal) taken back again, as a click would: the jump
    // counts (+1) and the undo's penalty stays. Any other jump or removal, a new game, a load or a
    // replay forgets what can be played again; so does an undo of a move that is no jump.
    MoveOutcome redo();
    bool canRedo() const { return !m_undone.empty() && m_state.replaying != 1; }
    // The reset of a new game once the ending game has been scored: a ball in every hole,
    // counter "0", empty history, the prompt, no selection, no replay.
    MoveOutcome startNewGame();
    // A puzzle's position as a game under way: the reset of a new game, then `position` on the
    // board with no starting ball to take off, so the counter stays "0" and the history empty.
    // Until a new game or a load, undo takes moves back without a start hole and the replay
    // starts from this position.
    MoveOutcome startPuzzle(const Board& position);
    // The position the puzzle on the board started from; none outside a puzzle.
    const std::optional<Board>& puzzleStart() const { return m_puzzleStart; }
    // Puts a stored position on the board, line by line as the reader found them.
    MoveOutcome loadPosition(const std::vector<PositionEntry>& entries);
    // Takes a list of moves as the game's history (after a new game), as far as it was read.
    MoveOutcome loadHistory(MoveHistory history);

    // Starts a replay of the history: clicks the start hole, when it is one, or in a puzzle puts
    // the puzzle's position back on the board. The caller runs the timer.
    std::optional<MoveOutcome> startReplay();
    // The next move of the replay, as the holes its two clicks are made on (none where the history
    // names no hole), and the replay moves past it; none, and the replay ends, after the last.
    struct ReplayMove {
        std::optional<HoleNumber> origin, destination;
    };
    std::optional<ReplayMove> nextReplayMove();

    // The switches as stored (only 1 is on), and the end of the program, as the window sets them.
    void setSound(std::int16_t value) { m_state.soundon = value; }
    void setMusic(std::int16_t value) { m_state.musicon = value; }
    void beginQuitting() { m_state.quitting = 1; }

    // The hole an undo of origin -> destination puts back, from their difference and the
    // origin's row; none for a difference that is no jump. For the 92 jumps it is the jumped hole.
    static std::optional<int> undoJumpedHole(int origin, int destination);

private:
    // The balls and the framed hole before a rule acts, to tell which holes it changed.
    struct Shown {
        std::array<bool, kHoleCount + 1> balls{};
        HoleNumber framed = 0;
    };
    Shown shown() const;
    MoveOutcome outcome(MoveOutcome::Kind kind, const Shown& before) const;
    MoveOutcome everyHole(MoveOutcome::Kind kind) const;
    MoveOutcome unchanged() const;
    MoveOutcome play(HoleNumber hole);
    // Whether the moves of the history, played from `played`, leave the board as it is.
    bool historyLeadsFrom(Board played) const;
    void dropSelection();

    GameState m_state;
    Board m_board;
    MoveHistory m_history;
    double m_score = 0;
    std::string m_prompt;
    // What undo took back, the last taken last: jumps, and the starting removal as origin 0.
    struct Undone {
        HoleNumber origin = 0, destination = 0;
    };
    std::vector<Undone> m_undone;
    std::optional<Board> m_puzzleStart;
};
