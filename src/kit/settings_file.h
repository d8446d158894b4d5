#pragma once

#include <QString>

#include <memory>

class QTemporaryDir;

// The player's settings (GameSettings' INI file) checked before anything
// reads them. QSettings opens its files and their lock files as they stand, and waits for ever on
// a FIFO in their place (or on a lock it cannot take): when anything but a regular file stands
// where it would read or write, it is left alone, and QSettings keeps the session's settings in a
// private, empty folder instead, so the game starts with its defaults. Kept alive for the session.
class SettingsFile {
public:
    // Checks the files QSettings uses for the game in the user's folder `userFolder` and the
    // system's `systemFolder` (by default the folders QSettings uses: XDG_CONFIG_HOME or
    // ~/.config, and /etc/xdg), and says once on stderr when it turns to the defaults.
    explicit SettingsFile(const QString& userFolder = {}, const QString& systemFolder = {});
    ~SettingsFile();

    // True when the files found could not be used and the session keeps its settings apart.
    bool keptApart() const { return m_private != nullptr; }

    // The first of the game's settings files and their lock files under `folder` that stands
    // there but is not a regular file, or nothing.
    static QString obstacle(const QString& folder);

private:
    std::unique_ptr<QTemporaryDir> m_private;
};
