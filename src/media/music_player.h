#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <string>

class QSocketNotifier;

// The music player `mm`: stop, close, open and play on one MIDI file whose name it keeps between
// opens, and `done` once when a piece that was playing reaches its natural end. Our own stop,
// close and open never raise `done`.
//
// The game's own tune plays from the file rendered from it when the game was built; any other
// piece, or the tune with soundfonts of the player's choice, on the synthesiser.
class MusicPlayer : public QObject {
    Q_OBJECT
public:
    explicit MusicPlayer(QObject* parent = nullptr);
    ~MusicPlayer() override;

    void setFileName(const QString& path) { m_fileName = path; }
    QString fileName() const { return m_fileName; }

    void stop();
    void close();
    // Opens the file; a file that is missing, is not a Standard MIDI File, holds no note or more
    // events than a piece may (MidiCheck::withinBounds, with a warning) stays closed. The same piece opened again keeps its synthesiser and soundfont.
    bool open();
    void play();
    bool isPlaying() const;

signals:
    void done();

private:
    class Feed;
    // The end a feed reported on the audio thread, read here on the UI thread.
    void deliverDone();

    QString m_fileName;
    // The file's bytes, kept while the music made from them is open.
    std::string m_bytes;
    // What the device plays: the open piece, which it owns, telling its end through m_endNotice.
    std::unique_ptr<Feed> m_feed;
    int m_endNotice = -1;
    QSocketNotifier* m_endNotifier = nullptr;
    unsigned m_generation = 0;
    bool m_playing = false;
};
