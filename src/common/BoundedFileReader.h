#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

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

    // Puts the next bytes into `buffer`, at most `capacity` of them, and tells how many; 0 at
    // the end.
    using Source = std::function<qsizetype(char* buffer, qsizetype capacity)>;
    // The file as read() takes it, without ever holding it whole: it is read once to the end
    // a block at a time, which gives read()'s status; only when that is Read is it read again
    // from the start, through the source handed to `consume` (never more than `maxBytes`).
    // Fresh memory for a whole large file costs far more than reading it twice.
    static Status stream(const QString& path, qint64 maxBytes,
                         const std::function<void(const Source&)>& consume);
};
