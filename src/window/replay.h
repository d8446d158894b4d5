#pragma once

#include <QObject>

class GameController;
class QTimer;

// The replay of the moves on the board: one move a second (Timer1) until the last.
class Replay : public QObject {
    Q_OBJECT
public:
    Replay(GameController& controller, QObject* parent);

    QTimer* timer() const { return m_timer; }
    void playmoves();
    void Timer1_Timer();
    void stop();

private:
    GameController& m_controller;
    QTimer* m_timer;
};
