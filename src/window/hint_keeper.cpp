#include "window/hint_keeper.h"

#include "kit/picture_control.h"
#include "rules/game.h"
#include "window/board_view.h"
#include "window/hint_overlay.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

HintKeeper::HintKeeper(const Game& game, BoardView& board, QObject* parent)
    : QObject(parent)
    , m_game(game)
    , m_board(board)
    , m_overlay(new HintOverlay(&board))
    , m_hide(new QTimer(this))
    , m_worker(std::make_unique<QObject>())
{
    m_hide->setSingleShot(true);
    connect(m_hide, &QTimer::timeout, m_overlay, &QWidget::hide);
    m_worker->moveToThread(&m_thread);
}

HintKeeper::~HintKeeper()
{
    stopWorking();
    m_thread.quit();
    m_thread.wait();
}

QString HintKeeper::describe(const Hint& hint)
{
    if (!hint.jump && !hint.removal)
        return tr("No jump left");
    const QString balls = hint.ballsLeft == 1 ? tr("one ball left") : tr("%1 balls left").arg(hint.ballsLeft);
    const QString finish = hint.proven() ? balls : tr("at most %1").arg(balls);
    if (hint.removal)
        return tr("Take the ball on %1 off \u2014 best finish: %2").arg(*hint.removal).arg(finish);
    return tr("Jump %1 over %2 to %3 \u2014 best finish: %4")
        .arg(hint.jump->origin)
        .arg(hint.jump->jumped)
        .arg(hint.jump->destination)
        .arg(finish);
}

QString HintKeeper::describe(const Hint& hint, GoalAnswer::Reach goal)
{
    switch (goal) {
    case GoalAnswer::Reach::Yes:
        if (!hint.jump)
            return describe(hint);
        return tr("Jump %1 over %2 to %3 \u2014 the goal can still be reached")
            .arg(hint.jump->origin)
            .arg(hint.jump->jumped)
            .arg(hint.jump->destination);
    case GoalAnswer::Reach::No:
        return tr("The goal can no longer be reached. %1").arg(describe(hint));
    case GoalAnswer::Reach::Unknown:
        break;
    }
    return tr("%1. Whether the goal can still be reached is not known.").arg(describe(hint));
}

void HintKeeper::ask(std::optional<int> goalHole)
{
    if (m_game.state().replaying == 1)
        return;
    cancel();
    const HintSolver::Balls balls = m_game.board().balls();
    const bool beforeStart = m_game.state().firstball == 1;
    m_stop = std::make_shared<Stop>();
    m_working = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    if (!m_thread.isRunning())
        m_thread.start(QThread::LowPriority);
    QPointer<HintKeeper> keeper(this);
    QMetaObject::invokeMethod(m_worker.get(), [this, keeper, balls, beforeStart, goalHole, stop = m_stop] {
        if (stop->dropped.load())
            return;
        std::optional<GoalAnswer::Reach> goal;
        Hint hint;
        if (goalHole && !beforeStart) {
            if (!m_goalSolver)
                m_goalSolver = std::make_unique<GoalSolver>();
            const GoalAnswer answer = m_goalSolver->solve(balls, *goalHole, &stop->search);
            m_goalSolver->forget();
            goal = answer.reach;
            if (!answer.line.empty())
                hint.jump = answer.line.front();
            hint.ballsLeft = 1;
        }
        // Where the goal is out of reach, or not known to be in reach, the fewest balls still are.
        if (goal != GoalAnswer::Reach::Yes) {
            if (!m_solver)
                m_solver = std::make_unique<HintSolver>();
            hint = beforeStart ? m_solver->bestRemoval(balls, &stop->search) : m_solver->bestMove(balls, &stop->search);
            // The tables are for one hint: their memory goes back before the hint is shown.
            m_solver->forget();
        }
        // Back on the window's thread, unless the board changed meanwhile.
        QMetaObject::invokeMethod(qApp, [keeper, hint, goal, stop] {
            if (keeper && !stop->dropped.load())
                keeper->show(hint, goal);
        });
    });
}

void HintKeeper::cancel()
{
    if (m_stop)
        m_stop->dropped = true;
    stopWorking();
    if (m_overlay->isVisible()) {
        m_hide->stop();
        m_overlay->hide();
    }
}

void HintKeeper::stopWorking()
{
    if (m_stop)
        m_stop->search = true;
    if (m_working) {
        m_working = false;
        QApplication::restoreOverrideCursor();
    }
}

void HintKeeper::show(const Hint& hint, std::optional<GoalAnswer::Reach> goal)
{
    stopWorking();
    std::vector<QRect> marks;
    if (hint.removal)
        marks.push_back(m_board.hole(*hint.removal)->geometry());
    if (hint.jump) {
        marks.push_back(m_board.hole(hint.jump->origin)->geometry());
        marks.push_back(m_board.hole(hint.jump->destination)->geometry());
    }
    m_text = goal ? describe(hint, *goal) : describe(hint);
    // The keyboard's ring goes to the ball to take off or to move, so Space plays it.
    if (hint.removal || hint.jump) {
        m_board.setFocus(Qt::OtherFocusReason);
        m_board.placeCursor(hint.removal ? *hint.removal : hint.jump->origin);
    }
    m_overlay->mark(marks, m_text);
    m_hide->start(kShownMs);
    emit shown();
}
