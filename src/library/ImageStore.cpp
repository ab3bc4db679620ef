#include "library/ImageStore.h"

#include <QPainter>

bool ImageStore::add(const QString& key, const QImage& picture, const QString& description) {
    if (m_entries.contains(key))
        return false;
    m_entries.insert(key, Entry{picture, description});
    m_keys.append(key);
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
    add(sketchpadKey(), blank, QStringLiteral("Рисунка"));
}
