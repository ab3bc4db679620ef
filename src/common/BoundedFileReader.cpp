#include "common/BoundedFileReader.h"

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
    // Room for the reported size and the one byte that shows the end, so that a file which
    // keeps its size is read in place, without moving what was read.
    bytes.reserve(qBound<qint64>(0, file.size(), limit - 1) + 1);
    constexpr qint64 Chunk = 64 * 1024;
    while (bytes.size() < limit) {
        const qsizetype used = bytes.size();
        // All the reserved room at once; a file that grew, a chunk at a time.
        const qint64 room = bytes.capacity() - used;
        bytes.resize(used + qMin(room > 0 ? room : Chunk, limit - used));
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

BoundedFileReader::Status
BoundedFileReader::stream(const QString& path, qint64 maxBytes,
                          const std::function<void(const Source&)>& consume) {
    if (path.isEmpty())
        return Status::Missing;
    QFile file;
    const Status opened = OpenRegular(path, file);
    if (opened != Status::Read)
        return opened;

    // The first reading, as read() does it, into one block used over and over.
    constexpr qint64 Block = 256 * 1024;
    const qint64 cap = qMax<qint64>(maxBytes, 0);
    QByteArray block(Block, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const qint64 got = file.read(block.data(), qMin(Block, cap + 1 - total));
        if (got < 0)
            return Status::Unreadable;
        total += got;
        if (total > cap)
            return Status::TooLarge;
        if (got == 0)
            break;
    }
    if (!file.seek(0))
        return Status::Unreadable;

    // The second: a failure now, or a file grown past the bound meanwhile, ends the text.
    qint64 handed = 0;
    consume([&file, &handed, cap](char* buffer, qsizetype capacity) -> qsizetype {
        const qint64 got = file.read(buffer, qBound<qint64>(0, capacity, cap - handed));
        if (got <= 0)
            return 0;
        handed += got;
        return qsizetype(got);
    });
    return Status::Read;
}
