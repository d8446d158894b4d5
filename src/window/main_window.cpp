#include "window/main_window.h"

#include "kit/accessible_controls.h"
#include "kit/artwork.h"
#include "kit/history_list.h"
#include "kit/picture_control.h"
#include "kit/program_folder.h"
#include "kit/qt_prompts.h"
#include "media/move_sound.h"
#include "puzzles/puzzle_book.h"
#include "records/moves_text.h"
#include "window/ball_chooser.h"
#include "window/board_view.h"
#include "window/choice_notice.h"
#include "window/command_table.h"
#include "window/file_commands.h"
#include "window/game_screen.h"
#include "window/help_window.h"
#include "window/high_score_window.h"
#include "window/hint_keeper.h"
#include "window/hint_overlay.h"
#include "window/layout.h"
#include "window/line_show.h"
#include "window/media_switches.h"
#include "window/moves_window.h"
#include "window/puzzle_chooser.h"
#include "window/puzzle_play.h"
#include "window/replay.h"
#include "window/review_window.h"
#include "window/score_keeper.h"
#include "window/toolbar.h"
#include "window/window_placer.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>

#include <algorithm>

namespace {
using Command = CommandTable::Command;
}

MainWindow::MainWindow()
    : MainWindow(Services{})
{
}

MainWindow::MainWindow(Services services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_services(std::move(services))
{
    if (!m_services.prompts) {
        m_ownPrompts = std::make_unique<QtPrompts>(this);
        m_services.prompts = m_ownPrompts.get();
    }
    if (!m_services.sound) {
        m_ownSound = std::make_unique<MoveSound>(ProgramFolder::media(QStringLiteral("sound.dat")));
        m_services.sound = m_ownSound.get();
    }

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("The Dorv 1.0"));
    AccessibleControls::window(this);
    setWindowIcon(QIcon(Artwork::pixmap(QStringLiteral("icon"), QSize(32, 32), 2)));
    m_placer = new WindowPlacer(*this, [this](double was, double now) {
        Layout::rezoom(this);
        m_board->arrangeHoles();
        m_form3->rezoom();
        if (auto* overlay = findChild<HintOverlay*>(QStringLiteral("hint")))
            overlay->rezoom(now / was);
    });

    m_form3 = new HighScoreWindow(this);
    m_commands = new CommandTable(this);
    m_media = new MediaSwitches(m_game, this);
    m_scores = new ScoreKeeper(m_game, *m_form3, *m_services.prompts, [this] {
        m_replay->stop();
        if (m_services.endProcess)
            m_services.endProcess();
        else
            QCoreApplication::exit(0);
    }, this);

    m_background = Layout::picture(this, "bck");
    AccessibleControls::decoration(m_background);
    connect(m_background, &PictureControl::clicked, this, &MainWindow::hidePanels);
    m_screen = new GameScreen(this, *m_services.sound);
    m_controller = std::make_unique<GameController>(m_game, *m_screen);
    m_replay = new Replay(*m_controller, this);
    m_files = new FileCommands(*m_controller, *m_services.prompts, [this] { Image8_Click(); }, [this] { loadballs(); }, this);
    m_board = new BoardView(this);
    connect(m_board, &BoardView::holeClicked, this, &MainWindow::Image1_Click);
    Layout::place(new HistoryList(this, m_game.history().origins()), "List1");
    Layout::place(new HistoryList(this, m_game.history().destinations()), "List2");
    m_chooser = new BallChooser(this, *m_commands);
    connect(m_chooser, &BallChooser::ballChosen, this, &MainWindow::switchBall);
    connect(m_chooser, &BallChooser::boardChosen, m_board, &BoardView::showBoard);
    m_chooser->Image23_Click(0);

    m_toolbar = new Toolbar(this, *m_commands);
    m_notice = new ChoiceNotice(this, *m_commands);
    connectToolbar();
    connectCommands();
    addHint();
    m_puzzles = new PuzzlePlay(this, *m_commands);
    m_screen->showWith(*m_board, *m_toolbar, *m_hint, *m_commands, *m_puzzles);
    orderTabs();

    // The board holds the keyboard, so typing reaches the code-word box only after Alt+C.
    m_board->setFocus();
    Form_Load();
    m_placer->restorePlace();
}

void MainWindow::connectToolbar()
{
    connect(m_toolbar, &Toolbar::newGame, this, &MainWindow::Image8_Click);
    connect(m_toolbar, &Toolbar::loadGame, m_files, &FileCommands::loadgame);
    connect(m_toolbar, &Toolbar::saveGame, m_files, &FileCommands::savegame);
    connect(m_toolbar, &Toolbar::soundSwitched, m_media, &MediaSwitches::setSound);
    connect(m_toolbar, &Toolbar::musicSwitched, m_media, &MediaSwitches::setMusic);
    connect(m_toolbar, &Toolbar::quit, this, &MainWindow::quit);
    connect(m_toolbar, &Toolbar::viewOnBoard, m_replay, &Replay::playmoves);
    connect(m_toolbar, &Toolbar::viewAsText, this, &MainWindow::showmoves);
    connect(m_toolbar, &Toolbar::saveMoves, m_files, &FileCommands::savemoves);
    connect(m_toolbar, &Toolbar::loadMoves, m_files, &FileCommands::loadmoves);
    connect(m_toolbar, &Toolbar::undo, this, &MainWindow::Image18_Click);
    connect(m_toolbar, &Toolbar::highScores, m_form3, &QDialog::exec);
}

void MainWindow::connectCommands()
{
    connect(m_commands->action(Command::Redo), &QAction::triggered, this, [this] { m_controller->redo(); });
    connect(m_commands->action(Command::Help), &QAction::triggered, this, &MainWindow::showHelp);
    connect(m_commands->action(Command::About), &QAction::triggered, this, [this] { HelpWindow::about(this); });
    // Escape closes the panels, and takes the keyboard back from the code-word box for the board.
    connect(m_commands->action(Command::ClosePanels), &QAction::triggered, this, [this] {
        hidePanels();
        if (m_chooser->typingCodeWord() || !focusWidget())
            m_board->setFocus(Qt::ShortcutFocusReason);
    });
    connect(m_commands->action(Command::ZoomIn), &QAction::triggered, this, [this] { stepZoom(1); });
    connect(m_commands->action(Command::ZoomOut), &QAction::triggered, this, [this] { stepZoom(-1); });
    connect(m_commands->action(Command::ZoomReset), &QAction::triggered, this, [this] { setZoom(1); });
    connect(m_media, &MediaSwitches::switched, this, [this] {
        m_commands->showSwitches(m_game.state().soundon == 1, m_game.state().musicon == 1);
    });
}

void MainWindow::addHint()
{
    // The hint, from the view menu or the H key (a letter typed into the code-word box stays there).
    m_hint = new HintKeeper(m_game, *m_board, this);
    connect(m_commands->action(Command::Hint), &QAction::triggered, this, [this] {
        m_hint->ask(m_puzzles->goalHole());
        hidePanels();
    });
    // The best line from here, played on the board and then taken away again; the review.
    m_line = new LineShow(this, *m_board, *m_controller);
    connect(m_commands->action(Command::BestLine), &QAction::triggered, this, [this] { showLine(m_game); });
    connect(m_commands->action(Command::Review), &QAction::triggered, this, &MainWindow::review);
    connect(m_line, &LineShow::ended, this, [this](int balls) { m_notice->say(LineShow::describe(balls)); });
    connect(m_commands->action(Command::Puzzles), &QAction::triggered, this, &MainWindow::choosePuzzle);
    connect(m_commands->action(Command::ShowSolution), &QAction::triggered, this, &MainWindow::showSolution);
}

void MainWindow::orderTabs()
{
    // Tab goes round the window as it reads: GAME and the buttons of its panels, the balls from
    // left to right, UNDO, the board, the boards, Moves and its panel's buttons, High Scores. The
    // buttons of a closed panel are passed over.
    const auto named = [this](const char* name) { return findChild<PictureControl*>(QString::fromLatin1(name)); };
    QList<QWidget*> order;
    for (const char* name : {"Image7", "Image8", "Image9", "Image10", "Image11", "Image12", "Image13", "Image14",
                             "Image15", "Image16", "Image17"})
        order << named(name);
    QList<PictureControl*> balls;
    for (PictureControl* choice : findChildren<PictureControl*>(QStringLiteral("Image2")))
        if (choice->action())
            balls << choice;
    std::sort(balls.begin(), balls.end(), [](const PictureControl* a, const PictureControl* b) { return a->x() < b->x(); });
    for (PictureControl* ball : balls)
        order << ball;
    order << named("Image18") << m_board;
    for (PictureControl* board : findChildren<PictureControl*>(QStringLiteral("Image23")))
        order << board;
    for (const char* name : {"Image19", "Image22", "Image21", "Image20", "Image5"})
        order << named(name);
    for (qsizetype n = 1; n < order.size(); ++n)
        QWidget::setTabOrder(order[n - 1], order[n]);
}

MainWindow::~MainWindow() { m_placer->savePlace(); }

double MainWindow::zoom() const { return m_placer->zoom(); }

void MainWindow::setZoom(double zoom) { m_placer->setZoom(zoom); }

void MainWindow::stepZoom(int steps) { m_placer->stepZoom(steps); }

void MainWindow::Form_Load()
{
    m_scores->geths();
    m_game.setMusic(true);
    m_game.setSound(true);
    const QString ball = BallChooser::ballPictureName(1);
    m_board->setBallName(ball);
    m_chooser->showBall(ball);
    m_board->hole(1)->setPicture(Artwork::pixmap(ball));
    loadballs();
    m_background->setGeometry(rect());
    m_background->lower();
    m_media->readSwitches();
    m_media->startWhenShown();
}

void MainWindow::resizeEvent(QResizeEvent*)
{
    if (!m_background)
        return;
    m_background->resize(size());
    m_background->lower();
}

void MainWindow::loadballs()
{
    m_scores->chkscore();
    m_replay->stop();
    m_controller->newGame();
    m_board->placeHoles();
    m_background->lower();
}

void MainWindow::Image8_Click()
{
    m_board->stripToHoleOne();
    loadballs();
}

void MainWindow::Image1_Click(HoleNumber hole) { m_controller->click(hole); }

void MainWindow::Image18_Click() { m_controller->undo(); }

void MainWindow::quit() { m_scores->quit(); }

void MainWindow::closeEvent(QCloseEvent* event)
{
    // While a place won waits for the hall of fame's lock the window stays; the program ends once it is stored.
    event->setAccepted(m_scores->close());
}

void MainWindow::hidePanels() { m_toolbar->hidePanels(); }

void MainWindow::showmoves()
{
    // The printer is kept between showings, so that its setup applies to later printing.
    if (!m_printer)
        m_printer = m_services.printer ? m_services.printer() : MovesPrinter::load();
    MovesWindow window(QString::fromStdString(MovesText::build(m_game.history())), m_printer.get(),
                       m_services.prompts, this,
                       m_services.printer ? MovesWindow::Printing::Straight : MovesWindow::Printing::ThroughDialog);
    // A window of its own takes no font from this one: the window's, at its zoom.
    window.setFont(font());
    if (window.exec() == MovesWindow::kReview)
        review();
}

void MainWindow::review()
{
    hidePanels();
    ReviewWindow window(m_game, this);
    window.setFont(font());
    connect(&window, &ReviewWindow::showLine, this, &MainWindow::showLine);
    window.exec();
}

void MainWindow::showLine(const Game& position)
{
    hidePanels();
    m_hint->cancel();
    m_replay->stop();
    // The game's own position in a puzzle aims at its goal; a position of the review at none.
    m_line->showFrom(position, position.puzzleStart() ? m_puzzles->goalHole() : std::nullopt);
}

void MainWindow::choosePuzzle()
{
    hidePanels();
    PuzzleChooser chooser(PuzzleBook::all(), PuzzlePlay::solved(), this);
    chooser.setFont(font());
    if (chooser.exec() == QDialog::Accepted)
        if (const Puzzle* puzzle = chooser.chosen())
            playPuzzle(*puzzle);
}

void MainWindow::playPuzzle(const Puzzle& puzzle)
{
    Image8_Click();
    m_puzzles->begin(puzzle);
    m_controller->startPuzzle(PuzzlePlay::position(puzzle));
}

void MainWindow::showSolution()
{
    const Puzzle* puzzle = m_puzzles->puzzle();
    if (!puzzle)
        return;
    hidePanels();
    m_hint->cancel();
    m_replay->stop();
    Game start;
    start.startPuzzle(PuzzlePlay::position(*puzzle));
    m_line->showLine(start, puzzle->solution);
}

void MainWindow::showHelp()
{
    HelpWindow window(*m_commands, this);
    window.setFont(font());
    window.exec();
}

void MainWindow::switchBall(const QString& name)
{
    hidePanels();
    m_board->setBallName(name);
    m_chooser->showBall(name);
    m_controller->showAll();
}
