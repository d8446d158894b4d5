#pragma once

#include <QObject>

class Panel;
class PictureControl;
class QMenu;
class QWidget;

// The picture-button toolbar: GAME, Moves, UNDO and High Scores, the GAME panel with its Sound and
// Music panels, the Moves panel and the `view` pop-up menu. Runs the panels' opening, hovering
// and pressed frames, and tells the window which command was chosen. Its commands have keys too
// (Ctrl+N, Ctrl+Z, ...): a key presses the command's picture button, so both run the same way.
class Toolbar : public QObject {
    Q_OBJECT
public:
    explicit Toolbar(QWidget* form);

    // Hides the four pop-up panels, in the order men1, men, men2, men3.
    void hidePanels();
    QMenu* viewMenu() const { return m_view; }

signals:
    void newGame();
    void loadGame();
    void saveGame();
    void soundSwitched(bool on);
    void musicSwitched(bool on);
    void quit();
    void viewOnBoard();
    void viewAsText();
    void saveMoves();
    void loadMoves();
    void undo();
    void highScores();
    // F1, Shift+F1, and Escape (after the panels have closed).
    void help();
    void about();
    void escape();

private:
    void buildGamePanel(QWidget* form);
    void buildMovesPanel(QWidget* form);
    void nameButtonsAndAddKeys(QWidget* form);

    Panel* m_gamePanel = nullptr;
    Panel* m_soundPanel = nullptr;
    Panel* m_musicPanel = nullptr;
    Panel* m_movesPanel = nullptr;
    QMenu* m_view = nullptr;
};
