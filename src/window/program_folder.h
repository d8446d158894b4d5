#pragma once

#include <QLoggingCategory>
#include <QString>
#include <QStringList>

// Where the program finds its files; "dorv.files.debug=true" in QT_LOGGING_RULES reports them.
Q_DECLARE_LOGGING_CATEGORY(lcProgramFiles)

// The program's own folder, where dvhs.sys, sound.dat and Music.dat live. DORV_PROGRAM_DIR names
// it (for tests, and to play from any folder); otherwise it is the first of the executable's
// folder (a build tree, a copied folder) and the installed data folder ../share/the-dorv/ that
// holds the media, and the executable's folder when neither does.
struct ProgramFolder {
    static QString path();
    // The folder followed by the file name, with one separator between them.
    static QString file(const QString& name);
    // A media file (sound.dat, Music.dat): the named folder's when DORV_PROGRAM_DIR is set,
    // otherwise the first of the places to look that has it; a file found nowhere is reported
    // and named in the executable's folder.
    static QString media(const QString& name);
    // The folders looked in, in order, when DORV_PROGRAM_DIR is not set.
    static QStringList placesToLook();
    // True when a file can be made in `folder`: tried by making one, since file permissions
    // alone do not tell (the super-user passes them, a read-only file system stops everybody).
    static bool isWritable(const QString& folder);
};

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

private:
    bool m_inProgramFolder = true;
    QString m_readPath;
    QString m_writePath;
};
