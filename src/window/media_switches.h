#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>


class Game;
class MusicPlayer;
class QTimer;

// The Sound and Music switches, stored per user, and the music (`mm`): started with the game
// when it is on, looped at its end, stopped when it is switched off.
class MediaSwitches : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kMusicFile = "Music.dat";

    MediaSwitches(Game& game, QObject* parent);

    MusicPlayer* musicPlayer() const { return m_mm; }

    // Takes the stored switches into the game (a missing or broken value is on).
    void readSwitches();
    // Starts the music, when it is on, once the window's first frame is painted.
    void startWhenShown();

    void setSound(bool on);
    void setMusic(bool on);
    // Plays the file `fileName` of the program's folder from its start.
    void playmusic(const QString& fileName);
    // The piece reached its end: played again while the music is on.
    void mm_Done();

signals:
    // The sound or the music was switched, or the stored switches were read.
    void switched();

private:
    void startPendingMusic();
    void startMusic();

    Game& m_game;
    MusicPlayer* m_mm;
    QTimer* m_restart;
    QElapsedTimer m_started;
    // The music waits for the window's first frame.
    bool m_startPending = false;
};
