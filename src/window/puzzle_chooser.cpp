#include "window/puzzle_chooser.h"

#include "kit/twips.h"
#include "puzzles/puzzle_book.h"
#include "window/puzzle_picture.h"
#include "window/puzzle_play.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

PuzzleChooser::PuzzleChooser(const std::vector<Puzzle>& puzzles, const QStringList& solved, QWidget* parent)
    : QDialog(parent)
    , m_puzzles(puzzles)
    , m_list(new QListWidget(this))
{
    setWindowTitle(tr("Puzzles"));
    setObjectName(QStringLiteral("puzzles"));
    // Sizes follow the window's zoom, as the rest of its text does.
    const Twips at = Twips::of(parent);
    const int side = at.zoomed(1440);
    auto* intro = new QLabel(tr("Every puzzle here is proven solvable. Choose one to play; the game on the board ends as for a new game."), this);
    intro->setWordWrap(true);
    m_list->setObjectName(QStringLiteral("puzzleList"));
    m_list->setViewMode(QListView::IconMode);
    m_list->setMovement(QListView::Static);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setWrapping(true);
    m_list->setWordWrap(true);
    m_list->setIconSize(QSize(side, side));
    // Room below the picture for five lines: a name, a goal wrapped in two or three, the tick.
    m_list->setGridSize(QSize(side * 3 / 2 + at.zoomed(240), side + at.zoomed(1500)));
    m_list->setSpacing(at.zoomed(60));
    m_list->setAccessibleName(tr("Puzzles"));
    const qreal ratio = devicePixelRatioF();
    for (const Puzzle& puzzle : m_puzzles) {
        const bool done = solved.contains(QString::fromStdString(puzzle.key));
        const QString name = PuzzlePlay::name(puzzle);
        const QString goal = PuzzlePlay::goal(puzzle);
        QString shown = name + QLatin1Char('\n') + goal;
        if (done)
            shown += QLatin1Char('\n') + tr("\u2714 Solved");
        auto* item = new QListWidgetItem(QIcon(PuzzlePicture::draw(puzzle.balls, puzzle.goalHole, side, ratio)), shown, m_list);
        item->setData(Qt::AccessibleTextRole, done ? tr("%1. %2. Solved.").arg(name, goal) : tr("%1. %2.").arg(name, goal));
        item->setToolTip(shown);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    m_list->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* play = buttons->addButton(tr("&Play"), QDialogButtonBox::AcceptRole);
    play->setObjectName(QStringLiteral("play"));
    play->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemActivated, this, &QDialog::accept);
    auto* column = new QVBoxLayout(this);
    column->addWidget(intro);
    column->addWidget(m_list, 1);
    column->addWidget(buttons);
    resize(at.zoomed(9000), at.zoomed(7200));
    m_list->setFocus();
}

const Puzzle* PuzzleChooser::chosen() const
{
    const int row = m_list->currentRow();
    if (result() != Accepted || row < 0 || row >= int(m_puzzles.size()))
        return nullptr;
    return &m_puzzles[std::size_t(row)];
}
