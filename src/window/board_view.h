#pragma once

#include "board/hole_number.h"
#include "rules/move_outcome.h"

#include <QWidget>

#include <array>

class Game;
class PictureControl;

// The board panel (Picture2): the board's picture and the 37 holes, each showing a ball or none
// and the selection frame; with the two reference pictures of the window (Image3, Image4). The
// holes of a new game are placed as copies of hole 1. The board takes the keyboard: the arrow keys
// move a cursor over the holes, and Space or Enter plays the hole under it as a click does.
class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(QWidget* form);

    PictureControl* hole(HoleNumber hole) const { return m_holes[static_cast<std::size_t>(hole)]; }
    // The ball picture the holes show, and the window's reference picture of it.
    const QString& ballName() const { return m_ballName; }
    void setBallName(const QString& name);
    // Shows the game's `holes`, a ball or none and the selection frame.
    void showHoles(const Game& game, const MoveOutcome::Holes& holes);
    // Only hole 1 left, showing a ball without a frame: the board as a new game starts from it.
    void stripToHoleOne();
    // Holes 2..37 placed from hole 1's position and size, and shown.
    void placeHoles();
    // Every hole, and the keyboard's cursor on its hole, placed at the windows' zoom.
    void arrangeHoles();
    // The board picture `index` of the board chooser.
    void showBoard(int index);
    // Keeps the pictures behind the holes after holes were shown.
    void lowerPictures();

    // The hole under the keyboard's cursor; 0 while the cursor is hidden.
    HoleNumber cursor() const;
    // Shows the keyboard's cursor on `hole`.
    void placeCursor(HoleNumber hole);

signals:
    void holeClicked(HoleNumber hole);

protected:
    // The cursor's keys: the arrows show the cursor, then move it; Home puts it on the centre hole;
    // Space and Enter play its hole.
    void keyPressEvent(QKeyEvent* event) override;
    // Tab shows the cursor where it was; Tab away hides it.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    PictureControl* m_boardPicture;
    std::array<PictureControl*, kHoleCount + 1> m_holes{};
    PictureControl* m_ballReference;
    QWidget* m_cursor;
    HoleNumber m_cursorHole = 19;
    QString m_ballName;
};
