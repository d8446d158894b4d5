#include "window/hall_of_fame_location.h"

#include "kit/file_store.h"
#include "kit/program_folder.h"
#include "scoring/high_score_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

HallOfFameLocation::HallOfFameLocation()
    : HallOfFameLocation(ProgramFolder::path(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                         ProgramFolder::isInstalled() ? Folder::Installed : Folder::OfItsOwn)
{
}

HallOfFameLocation::HallOfFameLocation(const QString& programFolder, const QString& userFolder, Folder folder)
{
    const QString name = QString::fromLatin1(HighScoreFile::kFileName);
    m_programFile = ProgramFolder::join(programFolder, name);
    const QString userFile = ProgramFolder::join(userFolder, name);
    FileStore::removeLeftovers(m_programFile);
    FileStore::removeLeftovers(userFile);
    // A folder that cannot take a new file may still hold a dvhs.sys the player may write; then
    // the lock cannot lie beside it.
    const bool folderWritable = folder == Folder::OfItsOwn && ProgramFolder::isWritable(programFolder);
    m_inProgramFolder = folder == Folder::OfItsOwn && (folderWritable || isWritableFile(m_programFile));
    m_writePath = m_inProgramFolder ? m_programFile : userFile;
    m_lockPath = m_writePath + QStringLiteral(".lock");
    if (m_inProgramFolder && !folderWritable) {
        const QByteArray key = QCryptographicHash::hash(QFile::encodeName(QFileInfo(m_programFile).absoluteFilePath()),
                                                        QCryptographicHash::Sha1);
        m_lockPath = QDir(QDir::tempPath()).filePath(QStringLiteral("dorv-%1.lock").arg(QString::fromLatin1(key.toHex())));
    }
    qCDebug(lcProgramFiles, "%s: read from %s, written to %s", qPrintable(name), qPrintable(readPath()),
            qPrintable(m_writePath));
}

QString HallOfFameLocation::readPath() const
{
    return m_inProgramFolder || QFileInfo::exists(m_writePath) ? m_writePath : m_programFile;
}

QString HallOfFameLocation::writePath() const
{
    if (!m_inProgramFolder)
        QDir().mkpath(QFileInfo(m_writePath).absolutePath());
    return m_writePath;
}

QString HallOfFameLocation::lockPath() const
{
    writePath();
    return m_lockPath;
}

bool HallOfFameLocation::isWritableFile(const QString& path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::WriteOnly | QIODevice::Append);
}
