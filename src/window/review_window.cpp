#include "window/review_window.h"

#include "kit/artwork.h"
#include "kit/twips.h"
#include "solver/hint_solver.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QString ballsText(int balls)
{
    return balls == 1 ? ReviewWindow::tr("one ball") : ReviewWindow::tr("%1 balls").arg(balls);
}

QString jumpText(const JumpTable::Jump& jump)
{
    return QStringLiteral("%1-%2-%3").arg(jump.origin).arg(jump.jumped).arg(jump.destination);
}

// The first move whose position after it allows fewer balls no more.
std::optional<std::size_t> firstLost(const std::vector<MoveValue>& values)
{
    for (std::size_t k = 0; k < values.size(); ++k)
        if (values[k].after > values[k].before)
            return k;
    return std::nullopt;
}
}

ReviewWindow::ReviewWindow(const Game& game, QWidget* parent)
    : QDialog(parent)
    , m_start(game.knownStartPosition())
    , m_startHole(game.puzzleStart() ? std::nullopt : game.knownStart())
    , m_summary(new QLabel(this))
    , m_table(new QTableWidget(this))
    , m_show(new QPushButton(tr("&Show the best line from the chosen move"), this))
{
    setObjectName(QStringLiteral("Review"));
    setWindowTitle(tr("Review of the game"));
    setWindowIcon(QIcon(Artwork::pixmap(QStringLiteral("icon"), QSize(32, 32), 2)));
    setModal(true);
    resize(QSize(420, 440) * Twips::of(this).zoom());

    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    m_table->setObjectName(QStringLiteral("moves"));
    m_table->setColumnCount(4);
    m_table->setHorizontalHeaderLabels({tr("Move"), tr("Jump"), tr("Best before"), tr("Best after")});
    m_table->setAccessibleName(tr("The moves and the best finish before and after each"));
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_show->setObjectName(QStringLiteral("show"));
    m_show->setEnabled(false);
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("close"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_show, &QPushButton::clicked, this, [this] {
        const int row = m_table->currentRow();
        if (row < 0)
            return;
        const Game position = before(row);
        accept();
        emit showLine(position);
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_show);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table);
    layout->addLayout(buttons);

    if (!m_start) {
        m_summary->setText(tr("The moves on the board do not start from one ball taken off a full board: "
                              "there is nothing to review."));
        close->setFocus();
        return;
    }
    const MoveHistory& history = game.history();
    for (std::size_t k = 0; k < history.count(); ++k) {
        const HoleNumber origin = *parseHoleNumber(history.origin(k));
        const HoleNumber destination = *parseHoleNumber(*history.destination(k));
        m_jumps.push_back({origin, *JumpTable::instance().jumped(origin, destination), destination});
    }
    m_table->setRowCount(int(m_jumps.size()));
    for (int row = 0; row < int(m_jumps.size()); ++row) {
        const JumpTable::Jump& jump = m_jumps[std::size_t(row)];
        m_table->setItem(row, 0, new QTableWidgetItem(QString::number(row + 1)));
        m_table->setItem(row, 1, new QTableWidgetItem(QStringLiteral("%1-%2").arg(jump.origin).arg(jump.destination)));
    }
    m_summary->setText(tr("Working out the best finishes\u2026"));
    m_working = true;
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_solver = std::make_unique<HintSolver>();
    QPointer<ReviewWindow> self(this);
    m_worker = std::thread([self, cancel = m_cancel, solver = m_solver.get(), start = m_start->balls(), jumps = m_jumps] {
        Result result;
        result.values = GameReview(*solver).review(start, jumps, cancel.get());
        if (const auto lost = firstLost(result.values); lost && !cancel->load())
            result.keeping = solver->bestMove(GameReview::positions(start, jumps)[*lost], cancel.get()).jump;
        solver->forget();
        QMetaObject::invokeMethod(qApp, [self, cancel, result] {
            if (self && !cancel->load())
                self->fill(result);
        });
    });
    m_table->setFocus();
}

ReviewWindow::~ReviewWindow()
{
    if (m_cancel)
        *m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

QString ReviewWindow::summary() const { return m_summary->text(); }

Game ReviewWindow::before(int move) const
{
    Game position;
    position.startNewGame();
    if (m_startHole)
        position.click(*m_startHole);
    else if (m_start)
        position.startPuzzle(*m_start);
    for (int k = 0; k < move && k < int(m_jumps.size()); ++k) {
        position.click(m_jumps[std::size_t(k)].origin);
        position.click(m_jumps[std::size_t(k)].destination);
    }
    return position;
}

void ReviewWindow::fill(const Result& result)
{
    m_working = false;
    bool proven = true;
    for (std::size_t k = 0; k < result.values.size(); ++k) {
        const MoveValue& value = result.values[k];
        const int row = int(k);
        m_table->setItem(row, 2, new QTableWidgetItem(QString::number(value.before)));
        m_table->setItem(row, 3, new QTableWidgetItem(QString::number(value.after)));
        proven = proven && value.proven;
    }
    const auto lost = firstLost(result.values);
    QString text = result.values.empty() ? tr("No move has been played yet.")
                                         : tr("From the start, %1 could be left.").arg(ballsText(result.values.front().before));
    if (lost) {
        for (int column = 0; column < m_table->columnCount(); ++column) {
            QTableWidgetItem* item = m_table->item(int(*lost), column);
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
            item->setBackground(QColor(0xfb, 0xe7, 0xa1));
            item->setForeground(Qt::black);
        }
        const QString told = result.keeping
            ? tr("Move %1 lost the best finish; %2 would have kept it.").arg(*lost + 1).arg(jumpText(*result.keeping))
            : tr("Move %1 lost the best finish.").arg(*lost + 1);
        text += QLatin1Char(' ') + told;
        // Said, not only shown: a screen reader on the row and a pointer over it hear why it stands out.
        QTableWidgetItem* number = m_table->item(int(*lost), 0);
        number->setData(Qt::AccessibleTextRole, told);
        number->setToolTip(told);
        m_table->setCurrentCell(int(*lost), 0);
    } else if (!result.values.empty()) {
        text += QLatin1Char(' ') + tr("No move lost the best finish.");
        m_table->setCurrentCell(0, 0);
    }
    if (!proven)
        text += QLatin1Char(' ') + tr("Some finishes are the best lines found, not proven.");
    m_summary->setText(text);
    m_show->setEnabled(!result.values.empty());
    emit reviewed();
}
