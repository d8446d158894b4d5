#include "kit/program_folder.h"

#include <QCoreApplication>

QString ProgramFolder::path()
{
    const QString overridden = qEnvironmentVariable("DORV_PROGRAM_DIR");
    return overridden.isEmpty() ? QCoreApplication::applicationDirPath() : overridden;
}

QString ProgramFolder::file(const QString& name)
{
    const QString folder = path();
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}
