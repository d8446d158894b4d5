#include "kit/file_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString systemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }
}

std::optional<std::string> FileStore::read(const QString& path, QString* error)
{
    const auto fail = [error](const QString& reason) -> std::optional<std::string> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    QString reason;
    const int fd = openRegular(path, &reason);
    if (fd < 0)
        return fail(reason);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file.errorString());
    }
    const QByteArray bytes = file.read(kMaxRead);
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    return bytes.toStdString();
}

int FileStore::openRegular(const QString& path, QString* error, qint64* size)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = systemError(errno);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        if (error)
            *error = S_ISDIR(info.st_mode) ? QStringLiteral("It is a folder.") : QStringLiteral("It is not a regular file.");
        return -1;
    }
    if (size)
        *size = static_cast<qint64>(info.st_size);
    return fd;
}

bool FileStore::write(const QString& path, const std::string& bytes, QString* error)
{
    QSaveFile file(path);
    // A folder that cannot take a temporary file may still hold a file that can be written.
    file.setDirectWriteFallback(true);
    bool written = file.open(QIODevice::WriteOnly)
        && file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size())
        && file.flush();
    QString reason = file.errorString();
    // The data must be on the disk before the old file is replaced: a full disk may only say so here.
    if (written && ::fsync(file.handle()) != 0) {
        written = false;
        reason = systemError(errno);
    }
    if (written) {
        written = file.commit();
        reason = file.errorString();
    } else {
        file.cancelWriting();
    }
    if (!written && error)
        *error = reason;
    return written;
}

bool FileStore::exists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}
