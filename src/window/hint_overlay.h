#pragma once

#include "board/hole_number.h"

#include <QWidget>

#include <vector>

// A hint's marks on the board: a glowing ring on the ball to move and on the hole it should jump
// to (or on the ball to remove first). Drawn over the holes, visibly unlike the selection frame,
// and never in the way of a click.
class HintOverlay : public QWidget {
    Q_OBJECT
public:
    explicit HintOverlay(QWidget* board);

    // Marks the holes whose rectangles (in the board's coordinates) are given, and shows itself.
    void mark(const std::vector<QRect>& holes);
    const std::vector<QRect>& marked() const { return m_holes; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<QRect> m_holes;
};
