#include "window/replay.h"

#include "window/game_controller.h"

#include <QTimer>

namespace {
constexpr int kTickMs = 1000;
}

Replay::Replay(GameController& controller, QObject* parent)
    : QObject(parent)
    , m_controller(controller)
    , m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kTickMs);
    connect(m_timer, &QTimer::timeout, this, &Replay::Timer1_Timer);
}

void Replay::playmoves()
{
    m_controller.startReplay();
    m_timer->start(kTickMs);
}

void Replay::Timer1_Timer()
{
    if (!m_controller.replayStep())
        m_timer->stop();
}

void Replay::stop() { m_timer->stop(); }
