#pragma once

#include "board/jump_table.h"
#include "rules/game.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

class BoardView;
class GameController;
class GoalSolver;
class HintSolver;
class QTimer;
class QWidget;

// Shows the best line from a position on the board, one jump a second as the replay plays: the
// line is worked out off the window's thread, then played on a copy of the game, so the game
// itself, its moves, its score and its files stay as they were. Any click or key in the window
// stops the showing (and does nothing else); at the end of the line, or when stopped, the board
// shows the game again.
class LineShow : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickMs = 1000;

    LineShow(QWidget* form, BoardView& board, GameController& controller);
    ~LineShow() override;

    // The best line from `position` (before the start: from the best ball to take off). In a
    // puzzle, with the hole its last ball must end in (0: anywhere), a line to that goal while
    // one is left, else the line to the fewest balls.
    void showFrom(const Game& position, std::optional<int> goalHole = std::nullopt);
    // A line known already, such as a puzzle's solution, from `position`.
    void showLine(const Game& position, std::vector<JumpTable::Jump> line);
    void stop();
    bool showing() const { return m_showing; }
    // The words for the end of a line that leaves `balls`.
    static QString describe(int balls);

signals:
    // The line has been played to its end, leaving `balls`.
    void ended(int balls);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void begin(const Game& position);
    void play(std::vector<JumpTable::Jump> line);
    void tick();
    void joinWorker();

    QWidget* m_form;
    BoardView& m_board;
    GameController& m_controller;
    QTimer* m_timer;
    Game m_shown;
    std::vector<JumpTable::Jump> m_line;
    std::size_t m_next = 0;
    bool m_showing = false;
    bool m_working = false;    // the line is being worked out
    bool m_swallowing = false; // a key that stopped the showing is held until it is let go
    std::unique_ptr<HintSolver> m_solver;
    std::unique_ptr<GoalSolver> m_goalSolver;
    std::thread m_worker;
    std::shared_ptr<std::atomic<bool>> m_cancel;
};
