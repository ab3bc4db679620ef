#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <optional>

// A file written whole or not at all: the bytes go to a temporary file beside it, which
// takes the file's place only once every byte was written. Any failure leaves an old file as
// it was and no temporary file behind.
class AtomicSave {
public:
    explicit AtomicSave(const QString& path);

    // False when the file cannot be written there (see reason()).
    bool open();
    // False once a write fell short (a full disk): there is no point writing the rest.
    bool write(const char* data, qint64 size);
    bool write(const QByteArray& bytes) { return write(bytes.constData(), bytes.size()); }
    // Puts the written file in place of the old one.
    bool commit();

    // Why it failed, as the user is told; empty while nothing failed.
    const QString& reason() const { return m_reason; }
    // "Файлът „name“ не може да бъде записан: " and the reason.
    QString message() const { return cannotWrite(m_path, m_reason); }

    static QString cannotWrite(const QString& path, const QString& reason);
    // Writes `bytes` as the whole file; the message when that failed.
    static std::optional<QString> save(const QString& path, const QByteArray& bytes);

private:
    bool fail(const QString& reason);

    QString m_path;
    QSaveFile m_file;
    QString m_reason;
};
