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
    // True when the program runs as installed: its folder is the installed data folder, where
    // the media were found, not the executable's folder nor one named by DORV_PROGRAM_DIR.
    static bool isInstalled();
    // The folder followed by the file name, with one separator between them.
    static QString file(const QString& name);
    static QString join(const QString& folder, const QString& name);
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
