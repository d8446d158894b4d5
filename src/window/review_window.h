#pragma once

#include "board/jump_table.h"
#include "rules/game.h"
#include "solver/game_review.h"

#include <QDialog>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

class HintSolver;
class QLabel;
class QPushButton;
class QTableWidget;

// The review of the game on the board: every move with the best finish before and after it, the
// first move that lost the best finish marked with the jump that would have kept it. The finishes
// are worked out off the window's thread while the window is open; closing it stops the work.
// "Show" asks for the best line from the chosen move's position. The game itself is not touched.
class ReviewWindow : public QDialog {
    Q_OBJECT
public:
    ReviewWindow(const Game& game, QWidget* parent = nullptr);
    ~ReviewWindow() override;

    // The words above the moves: working, the start's best finish and where it was lost.
    QString summary() const;
    bool working() const { return m_working; }
    // The game as it stood before move `move` (counted from 0), its starting ball off (or a
    // puzzle's position on the board).
    Game before(int move) const;

signals:
    // The player asked for the best line from `position`.
    void showLine(const Game& position);
    void reviewed();

private:
    struct Result {
        std::vector<MoveValue> values;
        std::optional<JumpTable::Jump> keeping; // the best jump before the first move that lost
    };
    void fill(const Result& result);

    // Where the game started: the position, and the ball taken off a full board (none in a puzzle).
    std::optional<Board> m_start;
    std::optional<HoleNumber> m_startHole;
    std::vector<JumpTable::Jump> m_jumps;
    QLabel* m_summary;
    QTableWidget* m_table;
    QPushButton* m_show;
    bool m_working = false;
    std::unique_ptr<HintSolver> m_solver;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    std::thread m_worker;
};
