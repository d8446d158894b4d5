#include "records/file_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

std::optional<std::string> FileStore::read(const QString& path, QString* error)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QFileInfo(path).isDir() ? QStringLiteral("It is a folder.") : file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kMaxRead);
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return bytes.toStdString();
}

bool FileStore::write(const QString& path, const std::string& bytes, QString* error)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly)
        && file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size())
        && file.commit();
    if (!written && error)
        *error = file.errorString();
    return written;
}

bool FileStore::exists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}
