#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

// The picture library `kartinki`: library key -> picture and description, in a fixed order.
class ImageStore {
public:
    struct Entry {
        QImage picture;
        QString description;
    };

    // Adds an entry at the end; a key that is already present keeps its first entry
    // (returns false).
    bool add(const QString& key, const QImage& picture, const QString& description);
    // Adds an entry so that it becomes the `position`-th (1-based); a position outside
    // 1..count()+1 adds it at the end. A key already present keeps its first entry.
    bool insert(int position, const QString& key, const QImage& picture,
                const QString& description);
    // False when there was no such key.
    bool remove(const QString& key);
    bool contains(const QString& key) const { return m_entries.contains(key); }
    const Entry* find(const QString& key) const;
    int count() const { return m_keys.size(); }
    const QStringList& keys() const { return m_keys; }
    void clear();

    // The entry every store has from the start: the mark of pictures that belong to the
    // diagram itself.
    static QString sketchpadKey() { return QStringLiteral("SKETCHPAD"); }
    static QString sketchpadDescription() { return QStringLiteral("Рисунка"); }
    void addSketchpadEntry();

    // What stands in for a picture that cannot be shown: a grey box with a red cross. Every
    // caller gets the same shared image; it needs no fonts, so no GUI application either.
    static QImage placeholder();

private:
    QHash<QString, Entry> m_entries;
    QStringList m_keys;
};
