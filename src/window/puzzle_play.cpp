#include "window/puzzle_play.h"

#include "board/board_geometry.h"
#include "kit/accessible_controls.h"
#include "kit/game_settings.h"
#include "puzzles/puzzle_book.h"
#include "rules/game.h"
#include "window/command_table.h"
#include "window/side_note.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>

PuzzlePlay::PuzzlePlay(QWidget* form, CommandTable& commands)
    : QObject(form)
    , m_commands(commands)
    // Pale blue at the top of its place, above the end of a game: the goal, not the game's own words.
    , m_label(SideNote::make(form, "puzzle", "puzzleWords", SideNote::Align::Top, {"#cdeeff", "rgba(4, 14, 24, 190)", "#4f7e96", 9}))
    , m_area(m_label->parentWidget())
{
    m_commands.action(CommandTable::Command::ShowSolution)->setEnabled(false);
}

std::optional<int> PuzzlePlay::goalHole() const
{
    if (!m_puzzle)
        return std::nullopt;
    return m_puzzle->goalHole;
}

QStringList PuzzlePlay::solved() { return GameSettings().solvedPuzzles(); }

QString PuzzlePlay::name(const Puzzle& puzzle)
{
    if (puzzle.figure.empty())
        return tr("Hole %1 empty").arg(puzzle.openHole);
    return QCoreApplication::translate("PuzzleNames", puzzle.figure.c_str());
}

QString PuzzlePlay::goal(const Puzzle& puzzle)
{
    if (puzzle.goalHole == 0)
        return tr("Goal: one ball left");
    if (puzzle.goalHole == BoardGeometry::holeAt(4, 4))
        return tr("Goal: one ball left, in the centre");
    return tr("Goal: one ball left, in hole %1").arg(puzzle.goalHole);
}

Board PuzzlePlay::position(const Puzzle& puzzle) { return Board::withBalls(puzzle.balls); }

bool PuzzlePlay::reached(const Puzzle& puzzle, const Board& board)
{
    if (board.emptyCount() != kHoleCount - 1)
        return false;
    return puzzle.goalHole == 0 || board.hasBall(static_cast<HoleNumber>(puzzle.goalHole));
}

void PuzzlePlay::begin(const Puzzle& puzzle)
{
    m_puzzle = &puzzle;
    m_reached = false;
    m_commands.action(CommandTable::Command::ShowSolution)->setEnabled(true);
}

void PuzzlePlay::follow(const Game& game)
{
    if (!m_puzzle)
        return;
    if (!game.puzzleStart() || *game.puzzleStart() != position(*m_puzzle)) {
        m_puzzle = nullptr;
        m_area->hide();
        m_label->clear();
        m_commands.action(CommandTable::Command::ShowSolution)->setEnabled(false);
        return;
    }
    const bool reachedNow = reached(*m_puzzle, game.board());
    const bool solvedNow = reachedNow && !m_reached;
    m_reached = reachedNow;
    if (solvedNow)
        markSolved();
    show(solvedNow);
}

void PuzzlePlay::show(bool solvedNow)
{
    QString text = name(*m_puzzle) + QLatin1Char('\n') + goal(*m_puzzle);
    if (m_reached)
        text += QLatin1Char('\n') + tr("Solved!");
    const bool first = m_area->isHidden();
    if (first || m_label->text() != text) {
        m_label->setText(text);
        m_area->raise();
        m_area->show();
    }
    // A screen reader hears the goal once, as the puzzle starts, and that it is reached.
    if (solvedNow)
        AccessibleControls::alert(m_label, tr("Puzzle solved: %1").arg(name(*m_puzzle)));
    else if (first)
        AccessibleControls::alert(m_label, text);
}

void PuzzlePlay::markSolved()
{
    GameSettings settings;
    QStringList keys = settings.solvedPuzzles();
    const QString key = QString::fromStdString(m_puzzle->key);
    if (!keys.contains(key)) {
        keys << key;
        settings.setSolvedPuzzles(keys);
    }
}

QString PuzzlePlay::text() const { return m_area->isHidden() ? QString() : m_label->text(); }
