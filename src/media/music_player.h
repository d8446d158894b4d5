#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <string>

typedef struct _Mix_Music Mix_Music;

// The music player `mm`: stop, close, open and play on one MIDI file whose name it keeps between
// opens, and `done` once when a piece that was playing reaches its natural end. Our own stop,
// close and open never raise `done`.
class MusicPlayer : public QObject {
    Q_OBJECT
public:
    explicit MusicPlayer(QObject* parent = nullptr);
    ~MusicPlayer() override;

    void setFileName(const QString& path) { m_fileName = path; }
    QString fileName() const { return m_fileName; }

    void stop();
    void close();
    // Opens the file; a file that is missing, is not a Standard MIDI File or holds no note stays
    // closed. The same piece opened again keeps its synthesiser and soundfont.
    bool open();
    void play();
    bool isPlaying() const;

signals:
    void done();

private:
    // SDL_mixer's end-of-music hook; it also runs inside Mix_HaltMusic.
    static void musicFinished();
    void finishedOnAudioThread();
    Q_INVOKABLE void deliverDone(unsigned generation);

    QString m_fileName;
    // The file's bytes, kept while the music made from them is open.
    std::string m_bytes;
    Mix_Music* m_music = nullptr;
    // The audio device the music was made for.
    unsigned m_device = 0;
    std::atomic<unsigned> m_generation{0};
    // The generation under which the current piece was started.
    std::atomic<unsigned> m_playingGeneration{0};
    bool m_playing = false;
};
