#pragma once

#include "board/hole_number.h"

#include <QLabel>
#include <QWidget>

#include <vector>

// A hint's marks on the board: a glowing ring on the ball to move and on the hole it should jump
// to (or on the ball to remove first). Drawn over the holes, visibly unlike the selection frame,
// and never in the way of a click. Its words stand in a tip under the board's holes, over none of
// them, and are spoken by a screen reader.
class HintOverlay : public QWidget {
    Q_OBJECT
public:
    explicit HintOverlay(QWidget* board);

    // Marks the holes whose rectangles (in the board's coordinates) are given, shows `text` in
    // the tip and announces it, and shows itself.
    void mark(const std::vector<QRect>& holes, const QString& text);
    const std::vector<QRect>& marked() const { return m_holes; }
    // The marks and the tip follow the board to another zoom, `factor` times the last.
    void rezoom(double factor);
    // The tip, a child of the window.
    QLabel* tip() const { return m_tip; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void placeTip();

    std::vector<QRect> m_holes;
    QLabel* m_tip;
};
