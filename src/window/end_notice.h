#pragma once

#include "board/hole_number.h"

#include <QObject>

#include <array>
#include <memory>
#include <optional>

class Game;
class HintSolver;
class QLabel;
class QWidget;

// Says, while a game under way has no jump left, that it is over: the balls left, the score and,
// where the game went from a known start by its own moves, the best finish that start allowed
// ("No jump left — 3 balls, score 27. From this start one ball was possible."). It stands beside
// the board, over no hole, without a box, until the board changes; a screen reader hears it as an
// alert. The game goes on as before: only a new game, a load or leaving ends it.
class EndNotice : public QObject {
    Q_OBJECT
public:
    explicit EndNotice(QWidget* form);
    ~EndNotice() override;

    // Shows or hides the notice for the game as it now stands.
    void follow(const Game& game);
    // The words shown, empty while none are.
    QString text() const;

    // The words for a game with no jump left.
    static QString describe(int balls, const QString& score, std::optional<int> bestFromStart);

private:
    // The fewest balls a start from one empty hole allows, proven; none if it was not.
    std::optional<int> bestFrom(HoleNumber start);

    QLabel* m_label;
    QWidget* m_area;
    std::unique_ptr<HintSolver> m_solver;
    std::array<std::optional<int>, kHoleCount + 1> m_fromStart{};
};
