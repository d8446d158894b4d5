#include "window/line_show.h"

#include "solver/goal_solver.h"
#include "solver/hint_solver.h"
#include "window/board_view.h"
#include "window/game_controller.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

LineShow::LineShow(QWidget* form, BoardView& board, GameController& controller)
    : QObject(form)
    , m_form(form)
    , m_board(board)
    , m_controller(controller)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(kTickMs);
    connect(m_timer, &QTimer::timeout, this, &LineShow::tick);
}

LineShow::~LineShow()
{
    if (m_cancel)
        *m_cancel = true;
    joinWorker();
    if (m_showing || m_swallowing)
        qApp->removeEventFilter(this);
}

QString LineShow::describe(int balls)
{
    return balls == 1 ? tr("Best line: one ball left") : tr("Best line: %1 balls left").arg(balls);
}

void LineShow::joinWorker()
{
    if (m_worker.joinable())
        m_worker.join();
}

void LineShow::begin(const Game& position)
{
    stop();
    m_shown = position;
    m_shown.setSound(0);
    m_showing = true;
    if (!m_swallowing)
        qApp->installEventFilter(this);
}

void LineShow::showLine(const Game& position, std::vector<JumpTable::Jump> line)
{
    begin(position);
    play(std::move(line));
}

void LineShow::showFrom(const Game& position, std::optional<int> goalHole)
{
    begin(position);
    m_working = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    HintSolver::Balls balls = position.board().balls();
    const bool beforeStart = position.state().firstball == 1;
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    if (!m_solver)
        m_solver = std::make_unique<HintSolver>();
    if (goalHole && !m_goalSolver)
        m_goalSolver = std::make_unique<GoalSolver>();
    joinWorker();
    QPointer<LineShow> self(this);
    GoalSolver* toGoal = goalHole && !beforeStart ? m_goalSolver.get() : nullptr;
    m_worker = std::thread([self, balls, beforeStart, goal = goalHole.value_or(0), toGoal, cancel = m_cancel,
                            solver = m_solver.get()]() mutable {
        std::vector<JumpTable::Jump> line;
        if (toGoal) {
            GoalAnswer answer = toGoal->solve(balls, goal, cancel.get());
            toGoal->forget();
            if (answer.reach == GoalAnswer::Reach::Yes) {
                line = std::move(answer.line);
                for (const JumpTable::Jump& jump : line) {
                    balls[std::size_t(jump.origin - 1)] = balls[std::size_t(jump.jumped - 1)] = false;
                    balls[std::size_t(jump.destination - 1)] = true;
                }
            }
        }
        if (beforeStart) {
            const Hint removal = solver->bestRemoval(balls, cancel.get());
            if (removal.removal) {
                balls[std::size_t(*removal.removal - 1)] = false;
                line.push_back({0, 0, *removal.removal});
            }
        }
        while (!cancel->load()) {
            const Hint hint = solver->bestMove(balls, cancel.get());
            if (!hint.jump)
                break;
            line.push_back(*hint.jump);
            balls[std::size_t(hint.jump->origin - 1)] = balls[std::size_t(hint.jump->jumped - 1)] = false;
            balls[std::size_t(hint.jump->destination - 1)] = true;
        }
        solver->forget();
        QMetaObject::invokeMethod(qApp, [self, cancel, line = std::move(line)]() mutable {
            if (self && !cancel->load())
                self->play(std::move(line));
        });
    });
}

void LineShow::play(std::vector<JumpTable::Jump> line)
{
    m_working = false;
    QApplication::restoreOverrideCursor();
    m_line = std::move(line);
    m_next = 0;
    // The position the line starts from, which may be another than the game's.
    MoveOutcome::Holes every;
    every.set();
    every.reset(0);
    m_board.showHoles(m_shown, every);
    m_timer->start();
}

void LineShow::tick()
{
    if (m_next == m_line.size()) {
        stop();
        return;
    }
    const JumpTable::Jump jump = m_line[m_next++];
    MoveOutcome::Holes holes;
    if (jump.origin == 0) {
        holes = m_shown.click(jump.destination).holes;
    } else {
        holes = m_shown.click(jump.origin).holes;
        holes |= m_shown.click(jump.destination).holes;
    }
    m_board.showHoles(m_shown, holes);
    if (m_next == m_line.size())
        emit ended(kHoleCount - m_shown.board().emptyCount());
}

void LineShow::stop()
{
    if (!m_showing)
        return;
    if (m_cancel)
        *m_cancel = true;
    m_timer->stop();
    m_showing = false;
    m_line.clear();
    if (!m_swallowing)
        qApp->removeEventFilter(this);
    if (std::exchange(m_working, false))
        QApplication::restoreOverrideCursor();
    m_controller.showAll();
}

bool LineShow::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != m_form)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!m_showing)
            return false;
        stop();
        return true;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        // The key stops the showing and nothing else: its shortcut is held back, and the key is
        // swallowed until it is let go.
        if (m_showing) {
            m_swallowing = true;
            stop();
        }
        if (!m_swallowing)
            return false;
        event->accept();
        return true;
    case QEvent::KeyRelease:
        if (m_swallowing && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
            m_swallowing = false;
            if (!m_showing)
                qApp->removeEventFilter(this);
            return true;
        }
        return false;
    default:
        return false;
    }
}
