#pragma once

#include "board/board.h"
#include "rules/game_observer.h"
#include "rules/game_state.h"
#include "rules/move_history.h"
#include "rules/position_entry.h"

#include <string>
#include <vector>

// The game on the board: hole states, the game variables, the move history, the move counter
// (Label5) and the prompt (Label1), with the rules that change them — a click on a hole, undo, a
// new game's reset, loading a position or a list of moves, and the replay. Knows nothing of
// windows; the observer shows it.
class Game {
public:
    static constexpr const char* kStartPrompt = "Remove a 'ball' to start";

    explicit Game(GameObserver* observer = nullptr) : m_observer(observer) {}
    void setObserver(GameObserver* observer) { m_observer = observer; }

    const GameState& state() const { return m_state; }
    const Board& board() const { return m_board; }
    const MoveHistory& history() const { return m_history; }
    const std::string& counter() const { return m_counter; }
    const std::string& prompt() const { return m_prompt; }
    // A hole carries the selection frame while its ball is selected.
    bool isFramed(HoleNumber hole) const;

    // A click on a hole: the starting removal, a selection, a deselection or a jump. A number that
    // is no hole (from an edited moves file) changes nothing.
    void click(HoleNumber hole);
    // Takes back the last move with its penalty, or the starting removal when no move is left.
    void undo();
    // The reset of a new game once the ending game has been scored: a ball in every hole,
    // counter "0", empty history, the prompt, no selection, no replay.
    void startNewGame();
    // Puts a stored position on the board, line by line as the reader found them.
    void loadPosition(const std::vector<PositionEntry>& entries);
    // Takes a list of moves as the game's history (after a new game), as far as it was read.
    void loadHistory(MoveHistory history);

    // Starts a replay of the history: clicks the start hole. The caller runs the timer.
    void startReplay();
    // One replay tick: plays the next move as two clicks; false when the replay has ended.
    bool replayStep();

    // The switches as stored (only 1 is on), and the end of the program, as the window sets them.
    void setSound(std::int16_t value) { m_state.soundon = value; }
    void setMusic(std::int16_t value) { m_state.musicon = value; }
    void beginQuitting() { m_state.quitting = 1; }

    // The hole an undo of origin -> destination puts back, from their difference and the
    // origin's row; none for a difference that is no jump. For the 92 jumps it is the jumped hole.
    static std::optional<int> undoJumpedHole(int origin, int destination);

private:
    void dropSelection();
    void changed();
    void sound();

    GameObserver* m_observer;
    GameState m_state;
    Board m_board;
    MoveHistory m_history;
    std::string m_counter = "0";
    std::string m_prompt;
};
