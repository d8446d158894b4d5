#include "window/replay.h"

#include "rules/game.h"

#include <QTimer>

namespace {
constexpr int kTickMs = 1000;
}

Replay::Replay(Game& game, QObject* parent)
    : QObject(parent)
    , m_game(game)
    , m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kTickMs);
    connect(m_timer, &QTimer::timeout, this, &Replay::Timer1_Timer);
}

void Replay::playmoves()
{
    m_game.startReplay();
    m_timer->start(kTickMs);
}

void Replay::Timer1_Timer()
{
    if (!m_game.replayStep())
        m_timer->stop();
}

void Replay::stop() { m_timer->stop(); }
