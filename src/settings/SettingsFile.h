#pragma once

#include "settings/SettingsRecord.h"

#include <QByteArray>
#include <QString>
#include <optional>

// settings.ini: sixteen records in the write notation. It lives beside the executable;
// where that folder cannot be written the per-user configuration folder takes its place.
class SettingsFile {
public:
    // `path` is where settings are read from and saved to. `inheritFrom` (may be empty) is
    // read instead while `path` does not exist yet, so moving to the per-user file keeps
    // what was set in the program folder.
    explicit SettingsFile(const QString& path, const QString& inheritFrom = QString());

    // The file for a program installed in `programDir`.
    static SettingsFile locate(const QString& programDir, const QString& userConfigDir);
    // The running program's file: its executable folder, else the per-user config folder.
    static SettingsFile forThisProgram();
    // The per-user folder for settings.ini: Vexilardo in the user's configuration folder
    // (~/.config/Vexilardo).
    static QString userConfigFolder();

    static QString fileName() { return QStringLiteral("settings.ini"); }
    static QString marker() { return QStringLiteral("[NASTROIKIVX]"); }
    // The real file is sixteen short lines; a bigger one is not read, nor replaced.
    static constexpr qint64 MaxFileBytes = 64 * 1024;

    // settings.ini in `programDir` unless that folder, or the settings.ini already in it,
    // cannot be written; then settings.ini in `userConfigDir`.
    static QString resolvePath(const QString& programDir, const QString& userConfigDir);

    const QString& path() const { return m_path; }

    // Reads the settings. A missing file, or one without the marker, is replaced by the
    // default file and the defaults are returned. Single bad values fall back to their
    // defaults. A file that exists but cannot be read, is no regular file or is larger than
    // MaxFileBytes is left alone.
    SettingsRecord load() const;
    // Replaces the file whole; false when it could not be written.
    bool save(const SettingsRecord& record) const;

    static QByteArray encode(const SettingsRecord& record);
    // Nothing when the bytes do not start with the marker. A UTF-8 byte-order mark in front
    // is skipped and the text read as UTF-8.
    static std::optional<SettingsRecord> decode(const QByteArray& bytes);

private:
    QString m_path;
    QString m_inheritFrom;
};
