#include "kit/file_store.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Why a thing that is no regular file cannot serve as one.
QString irregularReason(const struct stat& info)
{
    return S_ISDIR(info.st_mode) ? QStringLiteral("It is a folder.") : QStringLiteral("It is not a regular file.");
}
}

FileStore::Steps FileStore::steps{::fsync, [](QSaveFile& file) { return file.commit(); }};

QString FileStore::systemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

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

QString FileStore::inTheWay(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    return irregularReason(info);
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
            *error = irregularReason(info);
        return -1;
    }
    if (size)
        *size = static_cast<qint64>(info.st_size);
    return fd;
}

bool FileStore::write(const QString& path, const std::string& bytes, QString* error)
{
    QSaveFile file(path);
    // A folder that cannot take a temporary file may still hold a file that can be written; not a
    // FIFO or a device, whose opening would wait for a reader.
    file.setDirectWriteFallback(inTheWay(path).isEmpty());
    bool written = file.open(QIODevice::WriteOnly);
    QString reason = file.errorString();
    if (written) {
        errno = 0;
        written = file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size())
            && file.flush();
        // Qt says "Unknown error" of a write the system refuses part way (beyond a file-size
        // limit, EFBIG); the system says why.
        if (!written)
            reason = errno != 0 ? systemError(errno) : file.errorString();
    }
    // The data must be on the disk before the old file is replaced: a full disk may only say so here.
    if (written && steps.sync(file.handle()) != 0) {
        written = false;
        reason = systemError(errno);
    }
    if (written) {
        // Qt does not always say why the new file could not take the old one's place; the system does.
        errno = 0;
        written = steps.replace(file);
        reason = errno != 0 ? systemError(errno) : file.errorString();
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

void FileStore::removeLeftovers(const QString& path)
{
    const QFileInfo table(path);
    // QSaveFile names its temporary file after the file, a dot and six random letters. The names
    // are compared by hand: a name filter or a pattern would load the regular-expression library
    // at every start for this one look.
    const QString prefix = table.fileName() + QLatin1Char('.');
    const auto isLeftoverName = [&prefix](const QString& name) {
        return name.size() == prefix.size() + 6 && name.startsWith(prefix)
            && std::all_of(name.cbegin() + prefix.size(), name.cend(), [](QChar c) {
                   return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
               });
    };
    const QDateTime before = QDateTime::currentDateTime().addSecs(-kLeftoverSeconds);
    QDirIterator entries(table.absolutePath(), QDir::Files | QDir::NoSymLinks);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo entry = entries.fileInfo();
        if (isLeftoverName(entry.fileName()) && entry.lastModified() < before)
            QFile::remove(entry.filePath());
    }
}
