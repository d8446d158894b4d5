#include "window/hall_of_fame_location.h"

#include "kit/program_folder.h"
#include "scoring/high_score_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

HallOfFameLocation::HallOfFameLocation()
    : HallOfFameLocation(ProgramFolder::path(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
{
}

HallOfFameLocation::HallOfFameLocation(const QString& programFolder, const QString& userFolder)
{
    const QString name = QString::fromLatin1(HighScoreFile::kFileName);
    const QString shared = ProgramFolder::join(programFolder, name);
    // A folder that cannot take a new file may still hold a dvhs.sys the player may write.
    m_inProgramFolder = ProgramFolder::isWritable(programFolder) || isWritableFile(shared);
    if (m_inProgramFolder) {
        m_readPath = m_writePath = shared;
    } else {
        m_writePath = ProgramFolder::join(userFolder, name);
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

bool HallOfFameLocation::isWritableFile(const QString& path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::WriteOnly | QIODevice::Append);
}
