#pragma once

#include "window/game_controller.h"

#include <QObject>

class BoardView;
class CommandTable;
class EndNotice;
class HintKeeper;
class PuzzlePlay;
class QLabel;
class QWidget;
class SoundInterface;
class Toolbar;

// The game as the window shows it: the holes on the board, the prompt (Label1), the score (Label5)
// and the start hole (Label3); the panels closed for a click; the move sound once the jump is on
// the screen; Redo only while there is a move to play again; the end of the game told while no jump
// is left, and a puzzle's goal. Any change of the board ends the hint.
class GameScreen : public QObject, public GameController::Screen {
    Q_OBJECT
public:
    // Builds the three labels on `form`.
    GameScreen(QWidget* form, SoundInterface& sound);
    // The parts it shows the game with, once they are built.
    void showWith(BoardView& board, Toolbar& toolbar, HintKeeper& hint, CommandTable& commands, PuzzlePlay& puzzle);

    void hidePanels() override;
    void show(const Game& game, const MoveOutcome::Holes& holes, bool words) override;
    void playMoveSound() override;

private:
    SoundInterface& m_sound;
    QLabel* m_prompt;
    QLabel* m_counter;
    QLabel* m_startHole;
    BoardView* m_board = nullptr;
    Toolbar* m_toolbar = nullptr;
    HintKeeper* m_hint = nullptr;
    CommandTable* m_commands = nullptr;
    EndNotice* m_end;
    PuzzlePlay* m_puzzle = nullptr;
};
