#pragma once

#include <QObject>

class Game;
class QTimer;

// The replay of the moves on the board: one move a second (Timer1) until the last.
class Replay : public QObject {
    Q_OBJECT
public:
    Replay(Game& game, QObject* parent);

    QTimer* timer() const { return m_timer; }
    void playmoves();
    void Timer1_Timer();
    void stop();

private:
    Game& m_game;
    QTimer* m_timer;
};
