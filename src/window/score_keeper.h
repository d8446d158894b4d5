#pragma once

#include "window/hall_of_fame_location.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

class Game;
class HighScoreWindow;
class Prompts;

// The end of a game: whether its score wins a place in the hall of fame, the name box, the
// table's file dvhs.sys, and the one rule of when the process ends once the player quits.
// A place won is stored under the table's lock file; while another game holds it, the window
// goes on and the lock is tried again, and after a while the player is asked whether to wait on.
class ScoreKeeper : public QObject {
    Q_OBJECT
public:
    // How long a place won waits for the lock before the player is asked.
    static constexpr std::chrono::milliseconds kLockWait{10000};

    // `endProcess` ends the process; it is called at most once.
    ScoreKeeper(Game& game, HighScoreWindow& table, Prompts& prompts, std::function<void()> endProcess,
                QObject* parent = nullptr);

    // Evaluates the game's score: a place won is asked a name for, entered and stored.
    void chkscore();
    void savescore();
    // Reads the hall of fame from its file into the table.
    void geths();
    // Quit: the game is scored, then the process ends, once a place won is stored.
    void quit();
    // The window closes: scored as for Quit, and the process ends in any case, once a place won is
    // stored. True when it has ended.
    bool close();
    bool ended() const { return m_ended; }
    // For tests: how long a place won waits for the lock before the player is asked.
    void setLockWait(std::chrono::milliseconds wait) { m_lockWait = wait; }

private:
    struct Entry {
        std::string name;
        std::string score;
    };

    // Stores the places won so far when the lock can be had; otherwise tries again soon, or asks.
    void storeWaiting();
    // Puts the places won so far into the table shown.
    void enterWaiting();
    void endIfQuitting();
    void endProcess();

    Game& m_game;
    HighScoreWindow& m_table;
    Prompts& m_prompts;
    std::function<void()> m_endProcess;
    bool m_ended = false;
    HallOfFameLocation m_file;
    // Places won, in the order they were won, that wait for the lock.
    std::vector<Entry> m_waiting;
    QTimer m_retry;
    QDeadlineTimer m_deadline;
    std::chrono::milliseconds m_lockWait = kLockWait;
};
