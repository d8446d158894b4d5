#pragma once

#include <QDialog>
#include <QStringList>

#include <vector>

class QListWidget;
struct Puzzle;

// The puzzles to choose from: each with a picture of its board (the goal's hole ringed), its
// name, its goal and a tick once the player has solved it. Arrows move through them, Enter or a
// double click plays the one chosen; every entry reads to assistive technology as it shows.
class PuzzleChooser : public QDialog {
    Q_OBJECT
public:
    PuzzleChooser(const std::vector<Puzzle>& puzzles, const QStringList& solved, QWidget* parent);

    // The puzzle chosen, once the dialog is accepted; none before or when cancelled.
    const Puzzle* chosen() const;

private:
    const std::vector<Puzzle>& m_puzzles;
    QListWidget* m_list;
};
