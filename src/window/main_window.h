#pragma once

#include "kit/moves_printer.h"
#include "rules/game.h"
#include "window/game_controller.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class BallChooser;
class BoardView;
class ChoiceNotice;
class LineShow;
class CommandTable;
class FileCommands;
class GameScreen;
class HighScoreWindow;
class HintKeeper;
class MediaSwitches;
class PictureControl;
class Prompts;
class PuzzlePlay;
struct Puzzle;
class Replay;
class ScoreKeeper;
class SoundInterface;
class Toolbar;
class WindowPlacer;

// `Form1`, the game's one main window: owns the game for the life of the process and composes
// the parts that show it — the commands, the board, the choosers, the toolbar, the file commands,
// the score keeper, the switches with the music and the replay — running start-up and new games
// between them; the game's moves go through the controller. Tests reach the parts by their types.
// The board has the keyboard at start-up; Tab goes round the board and the buttons.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // What the window uses from outside; tests replace any of them. Empty ones get the real thing.
    struct Services {
        Prompts* prompts = nullptr;
        SoundInterface* sound = nullptr;
        // Ends the process (after the player quit, and the hall of fame is stored).
        std::function<void()> endProcess;
        // A printer the moves window prints to straight, without the print dialog (tests print to a
        // PDF file). Without one, Print and Printer Setup open the print dialog, which offers the
        // printers there are at that moment and printing to a PDF file.
        std::function<std::unique_ptr<MovesPrinter>()> printer;
    };

    MainWindow();
    explicit MainWindow(Services services, QWidget* parent = nullptr);
    ~MainWindow() override;

    const Game& game() const { return m_game; }
    GameController& controller() const { return *m_controller; }

    // The routines and event handlers of the window, named as the game's developers know them.
    void loadballs();
    void Image8_Click();
    void Image1_Click(HoleNumber hole);
    void Image18_Click();
    void showmoves();
    void quit();
    // F1: the help window, with its way to the About box.
    void showHelp();
    // V, or Review in the moves window: the review of the game on the board.
    void review();
    // L, or Show in the review: the best line from `position` played on the board.
    void showLine(const Game& position);
    // P: the puzzles to choose from, and the one chosen played.
    void choosePuzzle();
    // Ends the game on the board as New Game does, then puts `puzzle` on the board.
    void playPuzzle(const Puzzle& puzzle);
    // Shift+L, in a puzzle: its solution played from its start.
    void showSolution();

    // The zoom of the window and of the windows it opens: 1 at its own size.
    double zoom() const;
    // Lays everything out at `zoom` (within the steps' range; 1 for what is not a number) and sizes
    // the window to it.
    void setZoom(double zoom);
    // Ctrl+plus and Ctrl+minus: the next zoom larger or smaller, no larger than the screen.
    void stepZoom(int steps);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void hidePanels();
    void connectToolbar();
    void connectCommands();
    void addHint();
    void orderTabs();
    void Form_Load();
    void switchBall(const QString& name);

    Services m_services;
    std::unique_ptr<Prompts> m_ownPrompts;
    std::unique_ptr<SoundInterface> m_ownSound;
    std::unique_ptr<MovesPrinter> m_printer;
    Game m_game;
    GameScreen* m_screen = nullptr;
    std::unique_ptr<GameController> m_controller;

    HighScoreWindow* m_form3 = nullptr;
    CommandTable* m_commands = nullptr;
    PictureControl* m_background = nullptr;
    BoardView* m_board = nullptr;
    BallChooser* m_chooser = nullptr;
    Toolbar* m_toolbar = nullptr;
    Replay* m_replay = nullptr;
    MediaSwitches* m_media = nullptr;
    ScoreKeeper* m_scores = nullptr;
    FileCommands* m_files = nullptr;
    HintKeeper* m_hint = nullptr;
    WindowPlacer* m_placer = nullptr;
    ChoiceNotice* m_notice = nullptr;
    LineShow* m_line = nullptr;
    PuzzlePlay* m_puzzles = nullptr;
};
