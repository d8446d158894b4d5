#pragma once

#include "board/board.h"
#include "board/game_observer.h"
#include "board/game_state.h"
#include "records/move_history.h"

#include <optional>
#include <string>
#include <vector>

struct SavedGameEntry;

// The game on the board: hole states, the game variables, the move history, the move counter
// (Label5) and the prompt (Label1), with the rules that change them — the move engine, a new
// game's reset, undo and the replay stepper. Knows nothing of windows; the observer shows it.
class Game {
public:
    static constexpr const char* kStartPrompt = "Remove a 'ball' to start";

    explicit Game(GameObserver* observer = nullptr) : m_observer(observer) {}
    void setObserver(GameObserver* observer) { m_observer = observer; }

    GameState& state() { return m_state; }
    const GameState& state() const { return m_state; }
    const Board& board() const { return m_board; }
    MoveHistory& history() { return m_history; }
    const MoveHistory& history() const { return m_history; }
    const std::string& counter() const { return m_counter; }
    const std::string& prompt() const { return m_prompt; }
    // A hole carries the selection frame while its ball is selected.
    bool isFramed(int hole) const;

    // A click on hole `index`: the starting removal, a selection, a deselection or a jump.
    void Image1_Click(int index);
    // Undo: takes back the last move with its penalty, or the starting removal when no move is left.
    void Image18_Click();
    // The reset of a new game once the ending game has been scored: a ball in every hole,
    // counter "0", empty history, the prompt, no selection, no replay.
    void startNewGame();
    // Puts a stored position on the board, line by line as the saved-game reader found them.
    void applySavedGame(const std::vector<SavedGameEntry>& entries);

    // Starts a replay of the history: clicks the start hole. The caller runs the timer.
    void playmoves();
    // One replay tick: plays the next move as two clicks; false when the timer must stop.
    bool Timer1_Timer();

    // The hole jumped over when the move origin -> destination is taken back, found from
    // their difference and the origin's row; none for a difference that is no jump.
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
