#pragma once

#include <QString>

// Where the hall of fame dvhs.sys is read from and written to, decided once when the program
// starts. In a program folder the player may write to, it is that folder's file. Otherwise it is
// the same file in the player's own data folder; until that file exists, the table is read from
// the program folder's file, so a table shipped or kept there carries over.
class HallOfFameLocation {
public:
    // For this run: the program folder, and the per-user application data folder.
    HallOfFameLocation();
    HallOfFameLocation(const QString& programFolder, const QString& userFolder);

    QString readPath() const { return m_readPath; }
    // The file to write to; its folder is made when it does not exist yet.
    QString writePath() const;
    bool inProgramFolder() const { return m_inProgramFolder; }
    // True when the file can be written where it stands, tried by opening it for writing without
    // changing it.
    static bool isWritableFile(const QString& path);

private:
    bool m_inProgramFolder = true;
    QString m_readPath;
    QString m_writePath;
};
