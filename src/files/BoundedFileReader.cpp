#include "files/BoundedFileReader.h"

#include "common/FileAccess.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using Status = BoundedFileReader::Status;

// Opens `file` on `path` when that is a regular file.
Status OpenRegular(const QString& path, QFile& file) {
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    struct stat before {};
    // Checked before opening: opening a device may already do something.
    if (::stat(native.constData(), &before) != 0)
        return errno == ENOENT || errno == ENOTDIR ? Status::Missing : Status::Unreadable;
    if (!S_ISREG(before.st_mode))
        return Status::NotRegular;
    if (!FileAccess::readable(path))
        return Status::Unreadable;
    // Non-blocking, so a FIFO swapped in after the check cannot hang the open.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? Status::Missing : Status::Unreadable;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return Status::NotRegular;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Status::Unreadable;
    }
    return Status::Read;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return Status::Missing;
    if (!info.isFile())
        return Status::NotRegular;
    if (!FileAccess::readable(path))
        return Status::Unreadable;
    file.setFileName(info.canonicalFilePath());
    return file.open(QIODevice::ReadOnly) ? Status::Read : Status::Unreadable;
#endif
}

} // namespace

BoundedFileReader::Result BoundedFileReader::read(const QString& path, qint64 maxBytes) {
    Result result;
    if (path.isEmpty())
        return result;
    QFile file;
    result.status = OpenRegular(path, file);
    if (result.status != Status::Read)
        return result;

    // The reported size is only a hint: files of /proc report 0, and a file may grow while
    // it is read. One byte past the cap tells a file that is too large.
    const qint64 limit = qMax<qint64>(maxBytes, 0) + 1;
    QByteArray bytes;
    bytes.reserve(qBound<qint64>(0, file.size(), limit));
    constexpr qint64 Chunk = 64 * 1024;
    while (bytes.size() < limit) {
        const qsizetype used = bytes.size();
        bytes.resize(used + qMin(Chunk, limit - used));
        const qint64 got = file.read(bytes.data() + used, bytes.size() - used);
        if (got < 0) {
            result.status = Status::Unreadable;
            return result;
        }
        bytes.resize(used + got);
        if (got == 0)
            break;
    }
    if (bytes.size() > maxBytes) {
        result.status = Status::TooLarge;
        bytes.truncate(qMax<qint64>(maxBytes, 0));
    }
    result.bytes = bytes;
    return result;
}
