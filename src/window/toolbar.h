#pragma once

#include "window/command_table.h"

#include <QHash>
#include <QObject>

class Panel;
class PictureControl;
class QAction;
class QMenu;
class QWidget;

// The picture-button toolbar: GAME, Moves, UNDO and High Scores, the GAME panel with its Sound and
// Music panels, the Moves panel and the `view` pop-up menu. Each button shows its command's action
// and triggers it; the toolbar runs the panels' opening, hovering and pressed frames, and tells
// the window which command was chosen, from the buttons and from the keys alike. A panel that
// closes with the keyboard on one of its buttons gives it to the button that opened the panel.
class Toolbar : public QObject {
    Q_OBJECT
public:
    Toolbar(QWidget* form, const CommandTable& commands);

    // Hides the four pop-up panels, in the order men1, men, men2, men3.
    void hidePanels();

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Command = CommandTable::Command;
    void buildGamePanel(QWidget* form);
    void buildSwitchPanels(QWidget* form);
    void buildMovesPanel(QWidget* form);
    // Shows command `id` on `button`; `run` does it.
    template <typename Run>
    void command(PictureControl* button, Command id, Run run);
    // Hides the GAME panel and its two beside it.
    void hideGamePanels();

    const CommandTable& m_commands;
    Panel* m_gamePanel = nullptr;
    Panel* m_soundPanel = nullptr;
    Panel* m_musicPanel = nullptr;
    Panel* m_movesPanel = nullptr;
    QMenu* m_view = nullptr;
    // The button that opened each panel.
    QHash<QObject*, PictureControl*> m_openers;
};
