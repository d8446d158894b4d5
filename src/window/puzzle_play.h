#pragma once

#include "board/board.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class CommandTable;
class Game;
class QLabel;
class QWidget;
struct Puzzle;

// The puzzle on the board: its name and goal shown beside the board while the game is in it,
// the goal said as reached when it is (and kept among the player's solved puzzles), and the
// commands that belong to a puzzle enabled only then. A new game or a load leaves the puzzle.
class PuzzlePlay : public QObject {
    Q_OBJECT
public:
    PuzzlePlay(QWidget* form, CommandTable& commands);

    // The puzzle the game is in; none outside one.
    const Puzzle* puzzle() const { return m_puzzle; }
    // The hole the last ball must end in (0: anywhere) while the game is in a puzzle.
    std::optional<int> goalHole() const;
    // The puzzle about to be put on the board.
    void begin(const Puzzle& puzzle);
    // Follows the game as it now stands: leaves the puzzle when the game left it, says the goal
    // reached when it is.
    void follow(const Game& game);
    // The words beside the board, empty while none are shown.
    QString text() const;

    // The keys of the puzzles the player has solved, as kept in the settings.
    static QStringList solved();
    // A puzzle's name, its goal and its starting position, as the player sees them.
    static QString name(const Puzzle& puzzle);
    static QString goal(const Puzzle& puzzle);
    static Board position(const Puzzle& puzzle);
    // Whether `board` is the puzzle's goal: one ball left, where the goal wants it.
    static bool reached(const Puzzle& puzzle, const Board& board);

private:
    void show(bool solvedNow);
    void markSolved();

    CommandTable& m_commands;
    QLabel* m_label;
    QWidget* m_area;
    const Puzzle* m_puzzle = nullptr;
    bool m_reached = false;
};
