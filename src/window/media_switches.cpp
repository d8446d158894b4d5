#include "window/media_switches.h"

#include "kit/first_paint.h"
#include "kit/game_settings.h"
#include "kit/program_folder.h"
#include "media/music_player.h"
#include "rules/game.h"

#include <QTimer>
#include <QWidget>

namespace {
// A piece that ends as soon as it starts would otherwise be restarted over and over.
constexpr qint64 kMinimumLoopMs = 1000;
// The music waits this long at most for the window's first frame.
constexpr int kFirstFrameWaitMs = 500;
}

MediaSwitches::MediaSwitches(Game& game, QObject* parent)
    : QObject(parent)
    , m_game(game)
    , m_mm(new MusicPlayer(this))
    , m_restart(new QTimer(this))
{
    m_mm->setObjectName(QStringLiteral("mm"));
    connect(m_mm, &MusicPlayer::done, this, &MediaSwitches::mm_Done);
    m_restart->setSingleShot(true);
    connect(m_restart, &QTimer::timeout, this, [this] {
        if (m_game.state().musicon == 1)
            startMusic();
    });
}

void MediaSwitches::readSwitches()
{
    const GameSettings settings;
    m_game.setMusic(static_cast<std::int16_t>(settings.music()));
    m_game.setSound(static_cast<std::int16_t>(settings.sound()));
    emit switched();
}

void MediaSwitches::startWhenShown()
{
    // Opening the audio device and the synthesiser takes a moment: the music starts right after
    // the window's first frame is painted, so the board is never held back by it. A window not
    // shown when the event loop starts, or not painted within a moment, does not hold the music.
    if (m_game.state().musicon != 1)
        return;
    m_startPending = true;
    auto* window = qobject_cast<QWidget*>(parent());
    if (window)
        FirstPaint::then(*window, [this] { startPendingMusic(); });
    QTimer::singleShot(0, this, [this, window] {
        if (!window || !window->isVisible())
            startPendingMusic();
        else
            QTimer::singleShot(kFirstFrameWaitMs, this, &MediaSwitches::startPendingMusic);
    });
}

void MediaSwitches::startPendingMusic()
{
    if (!m_startPending)
        return;
    m_startPending = false;
    if (m_game.state().musicon == 1)
        playmusic(QString::fromLatin1(kMusicFile));
}

void MediaSwitches::setSound(bool on)
{
    m_game.setSound(on);
    GameSettings().setSound(on);
    emit switched();
}

void MediaSwitches::setMusic(bool on)
{
    m_startPending = false;
    m_game.setMusic(on);
    if (on) {
        playmusic(QString::fromLatin1(kMusicFile));
    } else {
        m_restart->stop();
        m_mm->stop();
        m_mm->close();
    }
    GameSettings().setMusic(on);
    emit switched();
}

void MediaSwitches::playmusic(const QString& fileName)
{
    m_mm->stop();
    m_mm->close();
    m_mm->setFileName(ProgramFolder::media(fileName));
    startMusic();
}

void MediaSwitches::mm_Done()
{
    m_mm->stop();
    // The piece stays open while the music is on: the next loop opens the same file again and
    // finds its synthesiser ready.
    if (m_game.state().musicon != 1) {
        m_mm->close();
        return;
    }
    const qint64 wait = kMinimumLoopMs - m_started.elapsed();
    if (m_started.isValid() && wait > 0)
        m_restart->start(static_cast<int>(wait));
    else
        startMusic();
}

void MediaSwitches::startMusic()
{
    m_restart->stop();
    m_mm->open();
    m_mm->play();
    m_started.start();
}
