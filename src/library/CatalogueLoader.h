#pragma once

#include "common/PictureLimits.h"
#include "common/WriteNotationReader.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class ImageStore;

// Loads the picture library from the Kartinki folder: init.dat holds the number of records
// (only used to size the progress bar), kartinki.dat one record per picture: insert
// position, key, description and picture file. Bad data never stops the load; every
// problem becomes one line in faults() and the record is loaded as well as it can be.
class CatalogueLoader {
public:
    static QString folderName() { return QStringLiteral("Kartinki"); }
    static QString countFileName() { return QStringLiteral("init.dat"); }
    static QString catalogueFileName() { return QStringLiteral("kartinki.dat"); }
    // Larger pictures are replaced by ImageStore::placeholder().
    static constexpr int MaxPictureSide = LargestLibraryPictureSide;
    // A picture file or a catalogue file beyond this is not read at all.
    static constexpr qint64 MaxPictureBytes = 64 * 1024 * 1024;
    static constexpr qint64 MaxCatalogueBytes = 64 * 1024 * 1024;
    // Records past this are not read; the shipped catalogue has under two hundred.
    static constexpr int MaxRecords = 4096;
    // init.dat holds one number; only this much of it is read.
    static constexpr qint64 MaxCountBytes = 4096;

    // `folder` is the Kartinki folder; the pictures go into `store`.
    CatalogueLoader(const QString& folder, ImageStore& store);

    // Told (value, maximum) when the load starts and after every record. The value never
    // exceeds the maximum; the maximum is at least 1.
    std::function<void(int value, int maximum)> progress;

    // Reads init.dat and kartinki.dat; the first loadNext() does it when it was not called.
    void begin();
    // Loads one record; false once no record is left (the load is then complete).
    bool loadNext();
    void loadAll();
    bool finished() const { return m_finished; }

    int value() const { return m_value; }
    int maximum() const { return m_maximum; }
    const QStringList& faults() const { return m_faults; }

    // The text of the one message about the faults, at most `maxLines` of them listed.
    static QString faultReport(const QStringList& faults, int maxLines = 15);

private:
    enum class PictureProblem { None, Missing, Unreadable, FileTooLarge, TooLarge };
    struct Decoded {
        QImage picture;
        PictureProblem problem = PictureProblem::None;
    };

    void readCount();
    void loadRecord(const WriteNotationReader::Field& index, const QString& key,
                    const QString& description, const QString& file);
    QImage loadPicture(const QString& key, const QString& file);
    static Decoded decode(const QString& path, const QString& name);
    void finish();
    void step();
    void fault(const QString& text) { m_faults.append(text); }
    QString recordName(const QString& key) const;

    QString m_folder;
    QString m_realFolder; // with symbolic links resolved
    ImageStore& m_store;
    // Every picture file is decoded once per load, whatever number of records name it.
    QHash<QString, Decoded> m_decoded;
    std::optional<WriteNotationReader> m_reader;
    bool m_begun = false;
    bool m_finished = false;
    bool m_catalogueRead = false;
    bool m_builtinSketchpad = false;
    bool m_catalogueSketchpad = false;
    std::optional<qint64> m_declaredCount;
    int m_record = 0;
    int m_value = 0;
    int m_maximum = 1;
    QStringList m_faults;
};
