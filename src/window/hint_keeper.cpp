#include "window/hint_keeper.h"

#include "kit/picture_control.h"
#include "rules/game.h"
#include "window/board_view.h"
#include "window/hint_overlay.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QToolTip>

HintKeeper::HintKeeper(const Game& game, BoardView& board, QObject* parent)
    : QObject(parent)
    , m_game(game)
    , m_board(board)
    , m_overlay(new HintOverlay(&board))
    , m_hide(new QTimer(this))
    , m_worker(new QObject)
{
    m_hide->setSingleShot(true);
    connect(m_hide, &QTimer::timeout, this, [this] {
        m_overlay->hide();
        QToolTip::hideText();
    });
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
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
        return QStringLiteral("No jump left");
    const QString balls = hint.ballsLeft == 1 ? QStringLiteral("one ball left") : QStringLiteral("%1 balls left").arg(hint.ballsLeft);
    return QStringLiteral("Best finish from here: ") + (hint.proven ? QString() : QStringLiteral("at most ")) + balls;
}

void HintKeeper::ask()
{
    if (m_game.state().replaying == 1)
        return;
    cancel();
    HintSolver::Balls balls{};
    for (HoleNumber n = 1; n <= kHoleCount; ++n)
        balls[static_cast<std::size_t>(n - 1)] = m_game.board().hasBall(n);
    const bool beforeStart = m_game.state().firstball == 1;
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_working = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    if (!m_thread.isRunning())
        m_thread.start(QThread::LowPriority);
    QPointer<HintKeeper> keeper(this);
    QMetaObject::invokeMethod(m_worker, [this, keeper, balls, beforeStart, stop = m_cancel] {
        if (stop->load())
            return;
        if (!m_solver)
            m_solver = std::make_unique<HintSolver>();
        const Hint hint = beforeStart ? m_solver->bestRemoval(stop.get()) : m_solver->bestMove(balls, stop.get());
        // Back on the window's thread, unless the board changed meanwhile.
        QMetaObject::invokeMethod(qApp, [keeper, hint, stop] {
            if (keeper && !stop->load())
                keeper->show(hint);
        });
    });
}

void HintKeeper::cancel()
{
    stopWorking();
    if (m_overlay->isVisible()) {
        m_hide->stop();
        m_overlay->hide();
        QToolTip::hideText();
    }
}

void HintKeeper::stopWorking()
{
    if (m_cancel)
        m_cancel->store(true);
    if (m_working) {
        m_working = false;
        QApplication::restoreOverrideCursor();
    }
}

void HintKeeper::show(const Hint& hint)
{
    stopWorking();
    std::vector<QRect> marks;
    if (hint.removal)
        marks.push_back(m_board.hole(*hint.removal)->geometry());
    if (hint.jump) {
        marks.push_back(m_board.hole(hint.jump->origin)->geometry());
        marks.push_back(m_board.hole(hint.jump->destination)->geometry());
    }
    m_text = describe(hint);
    m_overlay->mark(marks);
    const QRect near = marks.empty() ? m_board.rect() : marks.back();
    QToolTip::showText(m_board.mapToGlobal(near.bottomRight()), m_text, &m_board, {}, kShownMs);
    m_hide->start(kShownMs);
    emit shown();
}
