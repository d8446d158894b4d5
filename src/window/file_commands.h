#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class GameController;
class Prompts;

// Saving and loading a game (.dvg) and a list of moves (.dvm): the file dialogs, the "Replace
// file?" question, the confirmation, and the messages for files that cannot be read, are
// corrupted or cannot be written.
class FileCommands : public QObject {
    Q_OBJECT
public:
    // `newGame` ends the game on the board and starts a new one (New in the GAME panel);
    // `startOver` only resets the board (after a corrupted saved game).
    FileCommands(GameController& controller, Prompts& prompts, std::function<void()> newGame,
                 std::function<void()> startOver, QObject* parent = nullptr);

    void savegame();
    void loadgame();
    void savemoves();
    void loadmoves();

    // Writes a file of the game; a failure is told with the file's name and the reason.
    static bool writeFile(Prompts& prompts, const QString& path, const std::string& bytes, const QString& what);
    // Tells that a file of the game could not be written, with its name and the reason.
    static void reportUnsaved(Prompts& prompts, const QString& path, const QString& what, const QString& reason);

private:
    QString chooseSaveFile(const QString& title, const QString& filter, const QString& suffix);
    std::optional<std::string> chooseFileToLoad(const QString& title, const QString& filter, const QString& suffix);
    void reportCorrupted(const QString& what);

    GameController& m_controller;
    Prompts& m_prompts;
    std::function<void()> m_newGame;
    std::function<void()> m_startOver;
};
