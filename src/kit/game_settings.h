#pragma once

#include <QPoint>
#include <QSettings>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// The player's settings: every group, key and default the game keeps, and the forms they are
// stored in, in QSettings' INI file of organisation and application "The Dorv". One is opened
// where settings are read or written; what was set is stored at the latest when it goes.
class GameSettings {
public:
    // The organisation's and the application's name, which also name the settings' file and its
    // folder ("The Dorv/The Dorv.conf") and the player's data folder.
    static QString name() { return QStringLiteral("The Dorv"); }
    // Gives the running program those names.
    static void nameProgram();
    // The application's settings file under the configuration folder `folder`, and the
    // organisation's, which QSettings reads beside it.
    static QString applicationFile(const QString& folder);
    static QString organisationFile(const QString& folder);
    // Whose files: the player's, or the ones every user of the system shares.
    enum class Scope { User, System };
    // Keeps the files of `scope` in `folder` from now on, in place of the configuration folder.
    static void keepFilesIn(Scope scope, const QString& folder);

    GameSettings();

    // The Sound and Music switches as the game takes them: stored as "1" and "0"; missing, or
    // holding no number, they are on (1); any other number is taken as it is.
    int sound() const;
    int music() const;
    void setSound(bool on);
    void setMusic(bool on);

    // The window's zoom when a number is kept (whether the window takes it is the window's rule),
    // and its position when one is kept.
    std::optional<double> zoom() const;
    std::optional<QPoint> position() const;
    // The size follows from the zoom; it is kept beside it for the player to read.
    void setPlace(double zoom, QPoint position, QSize size);

    // What the prompt's fitting kept: the text, the room, the size and the text's width at it.
    QStringList promptFit() const;
    void setPromptFit(const QStringList& kept);

    // The keys of the puzzles the player has solved, in the order they were solved. Only a mark
    // beside a puzzle: losing it loses no game.
    QStringList solvedPuzzles() const;
    void setSolvedPuzzles(const QStringList& keys);

    // The value under `key` ("Group/Key") as it stands, and a value stored as given: for what only
    // an edited file holds.
    QVariant stored(const QString& key) const;
    void store(const QString& key, const QVariant& value);

private:
    int option(const QString& key) const;
    void setOption(const QString& key, bool on);

    QSettings m_file;
};
