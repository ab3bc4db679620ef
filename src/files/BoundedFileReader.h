#pragma once

#include <QByteArray>
#include <QString>

// Reads a file only when it is a regular file (after symbolic links) and never more than a
// given number of bytes, whatever size the file system reports: a FIFO cannot block the
// program, and a device or an endless file cannot exhaust its memory.
class BoundedFileReader {
public:
    enum class Status { Read, Missing, NotRegular, Unreadable, TooLarge };

    struct Result {
        Status status = Status::Missing;
        // The whole file when Read, its first `maxBytes` bytes when TooLarge, else nothing.
        QByteArray bytes;
    };

    static Result read(const QString& path, qint64 maxBytes);
};
