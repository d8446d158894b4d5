#include "kit/program_folder.h"


#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

Q_LOGGING_CATEGORY(lcProgramFiles, "dorv.files", QtInfoMsg)

namespace {
const QString kInstalledData = QStringLiteral("../share/the-dorv");
const QString kMediaFiles[] = {QStringLiteral("sound.dat"), QStringLiteral("Music.dat")};

QString overridden() { return qEnvironmentVariable("DORV_PROGRAM_DIR"); }
}

QString ProgramFolder::join(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

QStringList ProgramFolder::placesToLook()
{
    const QString executable = QCoreApplication::applicationDirPath();
    return {executable, QDir::cleanPath(join(executable, kInstalledData))};
}

QString ProgramFolder::path()
{
    if (const QString folder = overridden(); !folder.isEmpty())
        return folder;
    const QStringList places = placesToLook();
    for (const QString& folder : places)
        for (const QString& media : kMediaFiles)
            if (QFileInfo::exists(join(folder, media)))
                return folder;
    return places.first();
}

bool ProgramFolder::isInstalled()
{
    return overridden().isEmpty() && path() == placesToLook().constLast();
}

QString ProgramFolder::file(const QString& name)
{
    return join(path(), name);
}

QString ProgramFolder::media(const QString& name)
{
    if (!overridden().isEmpty()) {
        const QString named = file(name);
        qCDebug(lcProgramFiles, "%s: %s", qPrintable(name), qPrintable(named));
        return named;
    }
    const QStringList places = placesToLook();
    for (const QString& folder : places) {
        const QString candidate = join(folder, name);
        if (QFileInfo::exists(candidate)) {
            qCDebug(lcProgramFiles, "%s: %s", qPrintable(name), qPrintable(candidate));
            return candidate;
        }
    }
    qCWarning(lcProgramFiles, "could not find %s in %s", qPrintable(name), qPrintable(places.join(QStringLiteral(" or "))));
    return join(places.first(), name);
}

bool ProgramFolder::isWritable(const QString& folder)
{
    QTemporaryFile probe(join(folder, QStringLiteral(".dorv-XXXXXX")));
    return probe.open();
}
