#include "settings/SettingsFile.h"

#include "common/AtomicSave.h"
#include "common/BoundedFileReader.h"
#include "common/FileAccess.h"
#include "common/Numeric.h"
#include "common/Windows1251.h"
#include "common/WriteNotationReader.h"
#include "common/WriteNotationWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

enum class FileState { Missing, Unreadable, Invalid, Valid };

struct ReadResult {
    FileState state = FileState::Missing;
    SettingsRecord record;
};

ReadResult ReadSettings(const QString& path) {
    ReadResult result;
    const BoundedFileReader::Result file =
        BoundedFileReader::read(path, SettingsFile::MaxFileBytes);
    switch (file.status) {
    case BoundedFileReader::Status::Missing:
        return result;
    case BoundedFileReader::Status::Read:
        break;
    case BoundedFileReader::Status::NotRegular:
    case BoundedFileReader::Status::Unreadable:
    case BoundedFileReader::Status::TooLarge:
        // Not ours to judge: it may hold the user's settings, so it is left alone.
        result.state = FileState::Unreadable;
        return result;
    }
    const std::optional<SettingsRecord> record = SettingsFile::decode(file.bytes);
    result.state = record ? FileState::Valid : FileState::Invalid;
    if (record)
        result.record = *record;
    return result;
}

} // namespace

SettingsFile::SettingsFile(const QString& path, const QString& inheritFrom)
    : m_path(path), m_inheritFrom(inheritFrom) {}

SettingsFile SettingsFile::locate(const QString& programDir, const QString& userConfigDir) {
    const QString path = resolvePath(programDir, userConfigDir);
    const QString programPath = QDir(programDir).filePath(fileName());
    return SettingsFile(path, path == programPath ? QString() : programPath);
}

SettingsFile SettingsFile::forThisProgram() {
    return locate(QCoreApplication::applicationDirPath(), userConfigFolder());
}

QString SettingsFile::userConfigFolder() {
    // Not AppConfigLocation: with organisation and application both named Vexilardo it
    // would nest the folder in itself.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Vexilardo");
}

QString SettingsFile::resolvePath(const QString& programDir, const QString& userConfigDir) {
    const QString programPath = QDir(programDir).filePath(fileName());
    if (userConfigDir.isEmpty())
        return programPath; // nowhere else to go
    const QFileInfo folder(programDir);
    const QFileInfo file(programPath);
    const bool folderWritable = folder.isDir() && FileAccess::writable(programDir);
    const bool fileWritable =
        !file.exists() || (file.isFile() && FileAccess::writable(programPath));
    if (folderWritable && fileWritable)
        return programPath;
    return QDir(userConfigDir).filePath(fileName());
}

SettingsRecord SettingsFile::load() const {
    const ReadResult own = ReadSettings(m_path);
    switch (own.state) {
    case FileState::Valid:
        return own.record;
    case FileState::Unreadable:
        // It may well hold the user's settings; overwriting it with defaults would lose them.
        return SettingsRecord();
    case FileState::Missing:
        if (!m_inheritFrom.isEmpty()) {
            const ReadResult inherited = ReadSettings(m_inheritFrom);
            if (inherited.state == FileState::Valid) {
                save(inherited.record);
                return inherited.record;
            }
        }
        break;
    case FileState::Invalid:
        break;
    }
    const SettingsRecord defaults;
    save(defaults);
    return defaults;
}

bool SettingsFile::save(const SettingsRecord& record) const {
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    return !AtomicSave::save(m_path, encode(record));
}

QByteArray SettingsFile::encode(const SettingsRecord& record) {
    WriteNotationWriter writer;
    writer.writeString(marker());
    writer.endRecord();
    writer.writeString(record.ProgramFont);
    writer.endRecord();
    for (const int16_t value : record.transparency) {
        writer.writeInteger(value);
        writer.endRecord();
    }
    for (const bool value : {record.ShowInfo, record.Pre4ertaiPriMestene, record.ShowDrawOptions}) {
        writer.writeBool(value);
        writer.endRecord();
    }
    return writer.bytes();
}

std::optional<SettingsRecord> SettingsFile::decode(const QByteArray& bytes) {
    // An editor that saved the file as UTF-8 may have put a byte-order mark in front; the
    // text behind it is UTF-8 too.
    static const QByteArray Utf8Mark("\xEF\xBB\xBF");
    WriteNotationReader reader(bytes.startsWith(Utf8Mark)
                                   ? ToWindows1251(QString::fromUtf8(bytes.mid(Utf8Mark.size())))
                                   : bytes);
    if (reader.next().toString() != marker())
        return std::nullopt;

    SettingsRecord record; // fields start at their defaults

    const WriteNotationReader::Field font = reader.next();
    if (!font.isEmpty())
        record.ProgramFont = font.toString();

    for (int16_t& value : record.transparency) {
        const std::optional<double> number = reader.next().toNumber();
        if (!number)
            continue;
        const int rounded = RoundHalfEven(*number);
        if (rounded >= 0 && rounded <= SettingsRecord::Opaque)
            value = static_cast<int16_t>(rounded);
    }

    for (bool* flag : {&record.ShowInfo, &record.Pre4ertaiPriMestene, &record.ShowDrawOptions}) {
        if (const std::optional<bool> value = reader.next().toBool())
            *flag = *value;
    }
    return record;
}
