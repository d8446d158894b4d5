#pragma once

#include "solver/goal_solver.h"
#include "solver/hint_solver.h"

#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>
#include <memory>

class BoardView;
class Game;
class HintOverlay;
class QTimer;

// The hint: on request, the best finish still reachable from the board and a jump that keeps it,
// worked out on a thread of its own while the game goes on, then shown for about two seconds
// and the keyboard's ring put on the ball it names.
// It changes nothing of the game; any change of the board cancels a hint being worked out and
// hides one shown.
class HintKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kShownMs = 2000;

    HintKeeper(const Game& game, BoardView& board, QObject* parent);
    ~HintKeeper() override;

    // Works out a hint for the board as it is now; nothing during a replay. In a puzzle, with the
    // hole its last ball must end in (0: anywhere), the hint aims at that goal and says whether it
    // can still be reached.
    void ask(std::optional<int> goalHole = std::nullopt);
    // The board changed: the hint being worked out or shown no longer applies.
    void cancel();

    bool working() const { return m_working; }
    // The words of the hint shown last ("Jump 32 over 26 to 19 \u2014 best finish: 2 balls left").
    const QString& shownText() const { return m_text; }
    HintOverlay* overlay() const { return m_overlay; }

    // The words for a hint, and for one in a puzzle that knows whether its goal can be reached.
    static QString describe(const Hint& hint);
    static QString describe(const Hint& hint, GoalAnswer::Reach goal);

signals:
    void shown();

private:
    void show(const Hint& hint, std::optional<GoalAnswer::Reach> goal);
    void stopWorking();

    const Game& m_game;
    BoardView& m_board;
    HintOverlay* m_overlay;
    QTimer* m_hide;
    QThread m_thread;
    // Lives on the thread while it runs; the keeper deletes it once the thread has ended (or never ran).
    std::unique_ptr<QObject> m_worker;
    // The solver lives on the worker thread, made at the first hint; its table serves later hints.
    std::unique_ptr<HintSolver> m_solver;
    std::unique_ptr<GoalSolver> m_goalSolver;
    // What the window tells a hint being worked out: stop searching, and drop the answer (the board
    // changed). Its budget is work, never time: the same answer on any machine under any load.
    struct Stop {
        std::atomic<bool> search = false;
        std::atomic<bool> dropped = false;
    };
    std::shared_ptr<Stop> m_stop;
    bool m_working = false;
    QString m_text;
};
