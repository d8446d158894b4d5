#pragma once

#include "window/hall_of_fame_location.h"

#include <QObject>
#include <QString>

#include <functional>

class Game;
class HighScoreWindow;
class Prompts;

// The end of a game: whether its score wins a place in the hall of fame, the name box, the
// table's file dvhs.sys, and the one rule of when the process ends once the player quits.
class ScoreKeeper : public QObject {
    Q_OBJECT
public:
    // `endProcess` ends the process; it is called at most once.
    ScoreKeeper(Game& game, HighScoreWindow& table, Prompts& prompts, std::function<void()> endProcess,
                QObject* parent = nullptr);

    // Evaluates the game's score: a place won is asked a name for, entered and stored.
    void chkscore();
    void savescore();
    // Reads the hall of fame from its file into the table.
    void geths();
    // Quit: the game is scored, then the process ends.
    void quit();
    // The window closes: scored as for Quit, and the process ends in any case.
    void close();
    bool ended() const { return m_ended; }

private:
    void endProcess();

    Game& m_game;
    HighScoreWindow& m_table;
    Prompts& m_prompts;
    std::function<void()> m_endProcess;
    bool m_ended = false;
    // Where the hall of fame is read and written, decided once when the program starts.
    HallOfFameLocation m_file;
};
