#pragma once

#include "board/hole_number.h"

#include <QWidget>

#include <array>

class Game;
class PictureControl;
class QKeyEvent;

// The board panel (Picture2): the board's picture and the 37 holes, each showing a ball or none
// and the selection frame; with the two reference pictures of the window (Image3, Image4). The
// holes of a new game are placed as copies of hole 1. The arrow keys move a cursor over the holes,
// and Space or Enter clicks the hole under it as the mouse does.
class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(QWidget* form);

    PictureControl* hole(HoleNumber hole) const { return m_holes[static_cast<std::size_t>(hole)]; }
    // Shows the game's holes and frame with the ball picture `ballName`.
    void showGame(const Game& game, const QString& ballName);
    // Only hole 1 left, showing a ball without a frame: the board as a new game starts from it.
    void stripToHoleOne(const QString& ballName);
    // Holes 2..37 placed from hole 1's position and size, and shown.
    void placeHoles();
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The cursor's keys, pressed in the window: the arrows show the cursor, then move it; Home
    // puts it on the centre hole; Space and Enter click its hole. False for any other key.
    bool cursorKey(const QKeyEvent& key);

    PictureControl* m_boardPicture;
    std::array<PictureControl*, kHoleCount + 1> m_holes{};
    PictureControl* m_ballReference;
    QWidget* m_cursor;
    HoleNumber m_cursorHole = 19;
};
