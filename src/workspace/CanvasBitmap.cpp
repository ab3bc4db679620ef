#include "workspace/CanvasBitmap.h"

#include "common/Units.h"
#include "workspace/DiagramRenderer.h"

#include <QPainter>

void CanvasBitmap::resize(QSize pixels) {
    pixels = pixels.expandedTo(QSize(1, 1));
    if (pixels == m_image.size())
        return;
    m_image = QImage(pixels, QImage::Format_RGB32);
    m_image.setDotsPerMeterX(3780);
    m_image.setDotsPerMeterY(3780);
    m_dirty = true;
}

void CanvasBitmap::setView(const ViewTransform& view) {
    if (view == m_view)
        return;
    m_view = view;
    m_dirty = true;
}

const QImage& CanvasBitmap::image() {
    if (m_dirty)
        update();
    return m_image;
}

void CanvasBitmap::update() {
    m_dirty = false;
    ++m_repaints;
    if (m_image.isNull())
        return;
    m_image.fill(Qt::white);
    m_drawn = m_renderer.hasPersistentContent();
    if (!m_drawn)
        return;
    QPainter painter(&m_image);
    m_view.apply(painter);
    m_renderer.paintPersistent(painter);
}

void CanvasBitmap::combine() {
    if (m_dirty)
        update();
    if (m_image.isNull())
        return;
    QPainter painter(&m_image);
    m_view.apply(painter);
    m_renderer.paintElements(painter);
    m_drawn = true;
}

bool CanvasBitmap::showsAnything() const {
    return m_drawn || (m_dirty && m_renderer.hasPersistentContent());
}
