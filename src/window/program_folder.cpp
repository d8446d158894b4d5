#include "window/program_folder.h"

#include "scoring/high_score_file.h"

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

QString join(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}
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

HallOfFameLocation::HallOfFameLocation()
    : HallOfFameLocation(ProgramFolder::path(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
{
}

HallOfFameLocation::HallOfFameLocation(const QString& programFolder, const QString& userFolder)
{
    const QString name = QString::fromLatin1(HighScoreFile::kFileName);
    const QString shared = join(programFolder, name);
    m_inProgramFolder = ProgramFolder::isWritable(programFolder);
    if (m_inProgramFolder) {
        m_readPath = m_writePath = shared;
    } else {
        m_writePath = join(userFolder, name);
        m_readPath = QFileInfo::exists(m_writePath) ? m_writePath : shared;
    }
    qCDebug(lcProgramFiles, "%s: read from %s, written to %s", qPrintable(name), qPrintable(m_readPath),
            qPrintable(m_writePath));
}

QString HallOfFameLocation::writePath() const
{
    if (!m_inProgramFolder)
        QDir().mkpath(QFileInfo(m_writePath).absolutePath());
    return m_writePath;
}
