#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

// The picture library `kartinki`: library key -> picture and description.
class ImageStore {
public:
    struct Entry {
        QImage picture;
        QString description;
    };

    // Adds an entry; a key that is already present keeps its first entry (returns false).
    bool add(const QString& key, const QImage& picture, const QString& description);
    bool contains(const QString& key) const { return m_entries.contains(key); }
    const Entry* find(const QString& key) const;
    int count() const { return m_keys.size(); }
    const QStringList& keys() const { return m_keys; }
    void clear();

    // The entry every store has from the start: the mark of pictures that belong to the
    // diagram itself.
    static QString sketchpadKey() { return QStringLiteral("SKETCHPAD"); }
    void addSketchpadEntry();

private:
    QHash<QString, Entry> m_entries;
    QStringList m_keys;
};
