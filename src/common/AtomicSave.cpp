#include "common/AtomicSave.h"

#include "common/FileAccess.h"

#include <QFileInfo>

AtomicSave::AtomicSave(const QString& path) : m_path(path), m_file(path) {}

bool AtomicSave::fail(const QString& reason) {
    if (m_reason.isEmpty())
        m_reason = reason;
    if (m_file.isOpen())
        m_file.cancelWriting();
    return false;
}

bool AtomicSave::open() {
    const QFileInfo target(m_path);
    if (target.exists() && !target.isDir() && !FileAccess::writable(m_path))
        return fail(QStringLiteral("файлът е само за четене."));
    if (!FileAccess::writable(target.absolutePath()))
        return fail(QStringLiteral("папката липсва или в нея не може да се пише."));
    // Unbuffered, so a write that falls short shows in the write itself: a buffered one
    // would fail only in the flush inside commit(), which does not report it.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(QStringLiteral("папката липсва или в нея не може да се пише."));
    return true;
}

bool AtomicSave::write(const char* data, qint64 size) {
    if (!m_reason.isEmpty() || !m_file.isOpen())
        return false;
    if (m_file.write(data, size) != size)
        return fail(QStringLiteral("записът прекъсна (няма ли място на диска?)."));
    return true;
}

bool AtomicSave::commit() {
    if (!m_reason.isEmpty() || !m_file.isOpen())
        return false;
    if (!m_file.commit())
        return fail(QStringLiteral("старият файл не може да бъде заменен."));
    return true;
}

QString AtomicSave::cannotWrite(const QString& path, const QString& reason) {
    return QStringLiteral("Файлът „%1“ не може да бъде записан: %2")
        .arg(QFileInfo(path).fileName(), reason);
}

std::optional<QString> AtomicSave::save(const QString& path, const QByteArray& bytes) {
    AtomicSave file(path);
    if (file.open() && file.write(bytes) && file.commit())
        return std::nullopt;
    return file.message();
}
