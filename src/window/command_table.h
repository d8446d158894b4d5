#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <cstddef>

class QAction;
class QKeySequence;
class QMenu;
class QWidget;

// Every command of the main window as one action, made from one table: its text (what a menu and
// assistive technology read), its key, the line the help gives the key and, for the switches and
// the choices, whether it is in force. The picture buttons, the panels, the `view` menu and the
// keys all trigger these actions; the part of the window that does a command connects to it.
class CommandTable : public QObject {
    Q_OBJECT
public:
    // The commands, in the order the help lists their keys. Each names its action; the action's
    // object name is the command's name in lower camel case ("newGame").
    enum class Command {
        Hint, BestLine, Review, Puzzles, ShowSolution, NewGame, LoadGame, SaveGame, Undo, Redo, LoadMoves, SaveMoves, ViewOnBoard, ViewAsText, HighScores, Quit,
        Sound, Music,
        // The balls of the chooser from left to right, named by their pictures.
        Ball0, Ball1, Ball2, Ball4, Ball5, Ball3, Ball6,
        NextBoard, PreviousBoard, ClosePanels, CodeWord, ZoomIn, ZoomOut, ZoomReset, Help, About,
        GameMenu, MovesMenu, SoundMenu, MusicMenu, SoundOn, SoundOff, MusicOn, MusicOff, ViewMoves,
        Board0, Board1, Board2,
    };
    static constexpr std::size_t kCommands = std::size_t(Command::Board2) + 1;
    // The command that chooses ball picture `index` (0..6) or board `index` (0..2).
    static Command ball(int index);
    static Command board(int index);

    // A key and what it does, as the help and the manual page list them.
    struct Key {
        QString keys;
        QString does;
    };

    explicit CommandTable(QWidget* form);

    QAction* action(Command command) const;
    // The `view` menu: the two ways of viewing the moves, the hint and what else knows the game,
    // and the puzzles.
    QMenu* viewMenu() const { return m_view; }
    // Every key of the window: the board's, then the commands' in the order of the table.
    QList<Key> keys() const;
    // Shows which way the sound and the music are switched.
    void showSwitches(bool sound, bool music);

private:
    QList<QAction*> m_actions;
    QMenu* m_view;
};
