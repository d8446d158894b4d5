#include "window/end_notice.h"

#include "kit/accessible_controls.h"
#include "rules/game.h"
#include "solver/hint_solver.h"
#include "window/layout.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {
// A start from one empty hole is settled by the finish book in a few dozen positions; the budget
// only keeps a damaged book from holding the window.
constexpr std::uint64_t kWork = 200'000;
constexpr std::size_t kTableBytes = std::size_t{1} << 20;
}

EndNotice::EndNotice(QWidget* form)
    : QObject(form)
    , m_area(new QWidget(form))
    , m_label(new QLabel(m_area))
{
    // The words stand in the middle of their place, in a box as high as they need.
    Layout::place(m_area, "ending");
    m_area->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* column = new QVBoxLayout(m_area);
    column->setContentsMargins(0, 0, 0, 0);
    column->addStretch();
    column->addWidget(m_label);
    column->addStretch();
    m_label->setObjectName(QStringLiteral("endingWords"));
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Pale gold on a dark glass, readable over the bright clouds of the background.
    m_label->setStyleSheet(QStringLiteral("QLabel { color: #fbe7a1; background: rgba(24, 14, 4, 190);"
                                          " border: 1px solid #8a6a2a; border-radius: 6px; padding: 3px; }"));
    QFont font = m_label->font();
    font.setPointSizeF(10);
    font.setBold(true);
    m_label->setFont(font);
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
