#pragma once

#include <QString>

// Where the hall of fame dvhs.sys is read from and written to. Installed, it is the same file in
// the player's own data folder, whoever runs the game. Run from a folder of its own (a build, an
// unpacked copy, DORV_PROGRAM_DIR), it is that folder's file while the player may write the
// folder or the file, and the player's own file otherwise. The player's own file is the table as
// soon as it exists, read at every reading; until then the table is read from the program folder's
// file, so a table shipped or kept there carries over.
class HallOfFameLocation {
public:
    enum class Folder { Installed, OfItsOwn };

    // For this run: the program folder, and the per-user application data folder. The temporary
    // files killed writes left beside either table are removed.
    HallOfFameLocation();
    HallOfFameLocation(const QString& programFolder, const QString& userFolder, Folder folder);

    QString readPath() const;
    // The file to write to; its folder is made when it does not exist yet.
    QString writePath() const;
    // The lock file held while the table is read again and written; beside the table when its
    // folder takes new files, otherwise in the temporary folder under a name made from the table's.
    QString lockPath() const;
    bool inProgramFolder() const { return m_inProgramFolder; }
    // True when the file can be written where it stands, tried by opening it for writing without
    // changing it.
    static bool isWritableFile(const QString& path);

private:
    bool m_inProgramFolder = true;
    QString m_programFile;
    QString m_writePath;
    QString m_lockPath;
};
