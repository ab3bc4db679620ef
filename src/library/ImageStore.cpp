#include "library/ImageStore.h"

#include <QPainter>

bool ImageStore::add(const QString& key, const QImage& picture, const QString& description) {
    return insert(0, key, picture, description);
}

bool ImageStore::insert(int position, const QString& key, const QImage& picture,
                        const QString& description) {
    if (m_entries.contains(key))
        return false;
    m_entries.insert(key, Entry{picture, description});
    if (position >= 1 && position <= m_keys.size())
        m_keys.insert(position - 1, key);
    else
        m_keys.append(key);
    return true;
}

bool ImageStore::remove(const QString& key) {
    if (m_entries.remove(key) == 0)
        return false;
    m_keys.removeOne(key);
    return true;
}

const ImageStore::Entry* ImageStore::find(const QString& key) const {
    const auto it = m_entries.constFind(key);
    return it == m_entries.constEnd() ? nullptr : &it.value();
}

void ImageStore::clear() {
    m_entries.clear();
    m_keys.clear();
}

void ImageStore::addSketchpadEntry() {
    QImage blank(32, 32, QImage::Format_RGB32);
    blank.fill(Qt::white);
    QPainter p(&blank);
    p.setPen(Qt::gray);
    p.drawRect(0, 0, 31, 31);
    p.end();
    add(sketchpadKey(), blank, sketchpadDescription());
}

QImage ImageStore::placeholder() {
    static const QImage image = [] {
        QImage box(64, 48, QImage::Format_RGB32);
        box.fill(QColor(0xD8, 0xD8, 0xD8));
        QPainter p(&box);
        p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
        p.drawRect(0, 0, box.width() - 1, box.height() - 1);
        p.setPen(QPen(QColor(0xD0, 0x10, 0x10), 3));
        p.drawLine(6, 6, box.width() - 7, box.height() - 7);
        p.drawLine(box.width() - 7, 6, 6, box.height() - 7);
        p.end();
        return box;
    }();
    return image;
}
