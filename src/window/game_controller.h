#pragma once

#include "rules/game.h"

// Plays the player's clicks, undos, new games and loads and the replay's ticks on the game, and
// turns what each did into what the window shows and sounds, in the order the player sees it: the
// panels close before a click acts; the changed holes, the prompt, the score and the start hole are
// shown, then the move sound plays; the starting removal's prompt and start hole change once its
// sound has played. A click that changed nothing shows nothing.
class GameController {
public:
    // What the window does for the game.
    class Screen {
    public:
        virtual ~Screen() = default;
        // Hides the four pop-up panels, in the order men1, men, men2, men3.
        virtual void hidePanels() = 0;
        // Shows the game's `holes` again and, with `words`, its prompt, score and start hole.
        virtual void show(const Game& game, const MoveOutcome::Holes& holes, bool words) = 0;
        // Plays the move sound, returning when it has finished.
        virtual void playMoveSound() = 0;
    };

    GameController(Game& game, Screen& screen);

    const Game& game() const { return m_game; }

    MoveOutcome click(HoleNumber hole);
    MoveOutcome undo();
    MoveOutcome redo();
    MoveOutcome newGame();
    MoveOutcome startPuzzle(const Board& position);
    MoveOutcome loadPosition(const std::vector<PositionEntry>& entries);
    MoveOutcome loadHistory(MoveHistory history);
    void startReplay();
    // False once the replay has ended.
    bool replayStep();
    // The whole game shown again (in another ball picture).
    void showAll();

private:
    MoveOutcome present(const MoveOutcome& outcome);

    Game& m_game;
    Screen& m_screen;
};
