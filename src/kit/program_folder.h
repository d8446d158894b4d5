#pragma once

#include <QString>

// The program's own folder, where dvhs.sys, sound.dat and Music.dat live: the folder of the
// executable, or the folder named by DORV_PROGRAM_DIR (for tests).
struct ProgramFolder {
    static QString path();
    // The folder followed by the file name, with one separator between them.
    static QString file(const QString& name);
};
