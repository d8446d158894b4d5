#include "window/end_notice.h"

#include "kit/accessible_controls.h"
#include "rules/game.h"
#include "solver/hint_solver.h"
#include "window/side_note.h"

#include <QLabel>

namespace {
// A start from one empty hole is settled by the finish book in a few dozen positions; the budget
// only keeps a damaged book from holding the window.
constexpr std::uint64_t kWork = 200'000;
constexpr std::size_t kTableBytes = std::size_t{1} << 20;
}

EndNotice::EndNotice(QWidget* form)
    : QObject(form)
    // Pale gold, in the middle of its place.
    , m_label(SideNote::make(form, "ending", "endingWords", SideNote::Align::Middle, {"#fbe7a1", "rgba(24, 14, 4, 190)", "#8a6a2a", 10}))
    , m_area(m_label->parentWidget())
{
}

EndNotice::~EndNotice() = default;

QString EndNotice::describe(int balls, const QString& score, std::optional<int> bestFromStart)
{
    QString text = balls == 1 ? tr("No jump left \u2014 one ball, score %1.").arg(score)
                              : tr("No jump left \u2014 %1 balls, score %2.").arg(balls).arg(score);
    if (bestFromStart)
        text += QLatin1Char(' ')
            + (*bestFromStart == 1 ? tr("From this start one ball was possible.")
                                   : tr("From this start %1 balls were possible.").arg(*bestFromStart));
    return text;
}

std::optional<int> EndNotice::bestFrom(HoleNumber start)
{
    auto& known = m_fromStart[static_cast<std::size_t>(start)];
    if (known)
        return known;
    if (!m_solver)
        m_solver = std::make_unique<HintSolver>(kTableBytes);
    HintSolver::Balls balls;
    balls.fill(true);
    balls[static_cast<std::size_t>(start - 1)] = false;
    const Hint best = m_solver->bestMove(balls, nullptr, kWork);
    if (best.proven())
        known = best.ballsLeft;
    return known;
}

void EndNotice::follow(const Game& game)
{
    if (!game.ended()) {
        m_area->hide();
        m_label->clear();
        return;
    }
    const auto start = game.knownStart();
    const QString text = describe(kHoleCount - game.board().emptyCount(), QString::fromStdString(game.counter()),
                                  start ? bestFrom(*start) : std::nullopt);
    if (!m_area->isHidden() && m_label->text() == text)
        return;
    m_label->setText(text);
    m_area->raise();
    m_area->show();
    AccessibleControls::alert(m_label, text);
}

QString EndNotice::text() const { return m_area->isHidden() ? QString() : m_label->text(); }
