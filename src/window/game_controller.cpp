#include "window/game_controller.h"

GameController::GameController(Game& game, Screen& screen)
    : m_game(game)
    , m_screen(screen)
{
}

MoveOutcome GameController::present(const MoveOutcome& outcome)
{
    if (!outcome.changed())
        return outcome;
    const bool removal = outcome.kind == MoveOutcome::Kind::StartingRemoval;
    // The starting removal's hole is shown with the prompt still up; the prompt goes after the sound.
    m_screen.show(m_game, outcome.holes, !removal);
    if (outcome.sound)
        m_screen.playMoveSound();
    if (removal)
        m_screen.show(m_game, {}, true);
    return outcome;
}

MoveOutcome GameController::click(HoleNumber hole)
{
    m_screen.hidePanels();
    return present(m_game.click(hole));
}

MoveOutcome GameController::undo()
{
    m_screen.hidePanels();
    return present(m_game.undo());
}

MoveOutcome GameController::redo()
{
    m_screen.hidePanels();
    return present(m_game.redo());
}

MoveOutcome GameController::newGame() { return present(m_game.startNewGame()); }

MoveOutcome GameController::startPuzzle(const Board& position) { return present(m_game.startPuzzle(position)); }

MoveOutcome GameController::loadPosition(const std::vector<PositionEntry>& entries)
{
    return present(m_game.loadPosition(entries));
}

MoveOutcome GameController::loadHistory(MoveHistory history) { return present(m_game.loadHistory(std::move(history))); }

void GameController::startReplay()
{
    if (const auto start = m_game.startReplay()) {
        m_screen.hidePanels();
        present(*start);
    }
}

bool GameController::replayStep()
{
    const auto move = m_game.nextReplayMove();
    if (!move)
        return false;
    for (const auto hole : {move->origin, move->destination})
        if (hole)
            click(*hole);
    return true;
}

void GameController::showAll()
{
    MoveOutcome::Holes every;
    every.set();
    every.reset(0);
    m_screen.show(m_game, every, true);
}
