#pragma once

#include <QString>

#include <optional>
#include <string>

class QSaveFile;

// Reads and writes the game's small files as bytes. A write goes to a temporary file in the same
// folder that then replaces the old file, so a crash or a full disk never leaves half a file.
struct FileStore {
    // More than any file of the game holds; a larger file is read only this far.
    static constexpr qint64 kMaxRead = 16 * 1024 * 1024;
    // A temporary file of a write older than this was left by a write that never ended.
    static constexpr int kLeftoverSeconds = 60;

    // The last two steps of a write: the data put on the disk, and the new file put in place of
    // the old one. Tests replace them to fail as a failing disk does; the game never changes them.
    struct Steps {
        int (*sync)(int descriptor);
        bool (*replace)(QSaveFile& file);
    };
    static Steps steps;

    // The file's bytes, or none (with the reason) when it cannot be opened or read.
    static std::optional<std::string> read(const QString& path, QString* error = nullptr);
    // True when the whole file was written; otherwise the old file is untouched and `error` says why.
    static bool write(const QString& path, const std::string& bytes, QString* error = nullptr);
    static bool exists(const QString& path);
    // The system's text for an error number (errno).
    static QString systemError(int code);
    // The file opened for reading without waiting, so a FIFO or a device never blocks the game:
    // a descriptor (the caller closes it) when it is a regular file, -1 (with the reason) when not.
    // `size`, when given, gets the file's size.
    static int openRegular(const QString& path, QString* error = nullptr, qint64* size = nullptr);
    // Why what stands at `path` is no file the game may open or write in place (a folder, a FIFO,
    // a device); empty when nothing stands there or a regular file does. Looks without opening.
    static QString inTheWay(const QString& path);
    // Removes the temporary files that writes of `path` killed on the way left beside it: regular
    // files named as a write names them, the file's name, a dot and six letters, older than
    // kLeftoverSeconds. Anything else, links included, stays.
    static void removeLeftovers(const QString& path);
};
