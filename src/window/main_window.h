#pragma once

#include "board/game.h"
#include "window/program_folder.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class HighScoreWindow;
class MusicPlayer;
class Panel;
class PictureControl;
class Prompts;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPrinter;
class QPushButton;
class QTimer;
class SoundInterface;

// `Form1`, the game's one main window: lays out the board, the choosers, the prompt and the
// picture-button toolbar, owns the game for the life of the process, and runs start-up,
// new games, the file commands, the replay, the switches and shut-down. The rules live in Game;
// this window shows them and forwards the player's clicks.
class MainWindow : public QWidget, private GameObserver {
    Q_OBJECT
public:
    // What the window uses from outside; tests replace any of them. Empty ones get the real thing.
    struct Services {
        Prompts* prompts = nullptr;
        SoundInterface* sound = nullptr;
        // Ends the process (after the player quit, and the hall of fame is stored).
        std::function<void()> endProcess;
        // The printer of the moves window, asked for once; none when no printer is available.
        std::function<std::unique_ptr<QPrinter>()> printer;
    };

    static constexpr const char* kTitle = "The Dorv";

    MainWindow();
    explicit MainWindow(Services services, QWidget* parent = nullptr);
    ~MainWindow() override;

    Game& game() { return m_game; }
    HighScoreWindow* highScoreWindow() const { return m_form3; }
    MusicPlayer* musicPlayer() const { return m_mm; }
    QTimer* replayTimer() const { return m_timer; }
    const QString& ballName() const { return m_ballName; }

    // The routines of the window, named as the game's developers know them.
    void loadballs();
    void Image8_Click();
    void chkscore();
    void savescore();
    void geths();
    void playmusic(const QString& fileName);
    void mm_Done();
    void savegame();
    void loadgame();
    void savemoves();
    void loadmoves();
    void playmoves();
    void Timer1_Timer();
    void showmoves();
    void Image2_Click(int index);
    void ein_Click();
    void Text1_Change();
    void setSound(bool on);
    void setMusic(bool on);
    void quit();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void hidePanels() override;
    void boardChanged() override;
    void playsound() override;

    void buildLayout();
    void buildToolbar();
    void buildChoosers();
    void Form_Load();
    void placeHoles();
    void switchBall(const QString& name);
    void showBoard(int index);
    std::optional<std::string> readOption(const QString& key) const;
    void writeOption(const QString& key, bool on);
    bool writeFile(const QString& path, const std::string& bytes, const QString& what);
    QString chooseSaveFile(const QString& title, const QString& filter, const QString& suffix);
    std::optional<std::string> chooseFileToLoad(const QString& title, const QString& filter, const QString& suffix);
    void reportCorrupted(const QString& what);
    void endProcess();

    Services m_services;
    std::unique_ptr<QPrinter> m_printer;
    bool m_printerLooked = false;
    std::unique_ptr<Prompts> m_ownPrompts;
    std::unique_ptr<SoundInterface> m_ownSound;
    Game m_game;
    QString m_ballName;
    bool m_ended = false;
    // Where the hall of fame is read and written, decided once when the program starts.
    HallOfFameLocation m_hallOfFame;

    HighScoreWindow* m_form3 = nullptr;
    MusicPlayer* m_mm = nullptr;
    QTimer* m_timer = nullptr;
    QMenu* m_view = nullptr;

    PictureControl* m_background = nullptr;
    QWidget* m_boardArea = nullptr;
    PictureControl* m_boardPicture = nullptr;
    std::array<PictureControl*, 38> m_holes{};
    PictureControl* m_emptyReference = nullptr;
    PictureControl* m_ballReference = nullptr;
    std::array<PictureControl*, 12> m_ballChoices{};
    PictureControl* m_ein = nullptr;
    std::array<PictureControl*, 3> m_boardChoices{};
    Panel* m_gamePanel = nullptr;
    Panel* m_soundPanel = nullptr;
    Panel* m_musicPanel = nullptr;
    Panel* m_movesPanel = nullptr;
    QLabel* m_prompt = nullptr;
    QLabel* m_counter = nullptr;
    QLabel* m_startHole = nullptr;
    QListWidget* m_origins = nullptr;
    QListWidget* m_destinations = nullptr;
    QLineEdit* m_codeWord = nullptr;
    QPushButton* m_codeButton = nullptr;
};
