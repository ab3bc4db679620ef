#include "workspace/HandleLayer.h"

#include "workspace/DiagramRenderer.h"

#include <QPainter>

bool HandleLayer::present(int slot) const {
    return slot >= 1 && slot <= m_look.slotCount && m_look.present(slot);
}

QRectF HandleLayer::rect(int slot) const {
    return QRectF(m_look.topLeft(slot), QSizeF(m_look.size, m_look.size));
}

QRectF HandleLayer::shownRect(int slot) const {
    const QRectF box = rect(slot);
    if (!m_look.view || m_look.view->zoom == 1)
        return box;
    const double side = m_look.size / m_look.view->zoom;
    return QRectF(box.center() - QPointF(side, side) / 2, QSizeF(side, side));
}

QRectF HandleLayer::hitRect(int slot) const {
    const QRectF shown = shownRect(slot);
    const double pixel = m_look.view ? m_look.view->pixelTwips() : TwipsPerPixel;
    return m_look.widerReach ? HandleHitArea(shown, pixel) : shown;
}

void HandleLayer::paint(QPainter& painter) const {
    if (m_look.picture) {
        const QRectF area = DiagramRenderer::reachableArea(painter);
        for (int slot = 1; slot <= m_look.slotCount; ++slot)
            if (present(slot) && shownRect(slot).intersects(area))
                DiagramRenderer::drawPicture(painter, shownRect(slot), m_look.picture(slot));
        return;
    }
    painter.save();
    painter.setPen(QPen(DiagramRenderer::handleEdge(), 0));
    painter.setBrush(DiagramRenderer::handleFace());
    const QRectF area = DiagramRenderer::reachableArea(painter);
    for (int slot = 1; slot <= m_look.slotCount; ++slot) {
        if (!present(slot))
            continue;
        const QRectF box = shownRect(slot);
        if (!box.intersects(area))
            continue;
        // The edge runs inside the box, one pixel in from its right and bottom.
        const double pixel = m_look.view ? m_look.view->pixelTwips() : TwipsPerPixel;
        painter.drawRect(box.adjusted(0, 0, -pixel, -pixel));
    }
    painter.restore();
}

QString HandleLayer::toolTip(int slot) const {
    return m_look.toolTip ? m_look.toolTip(slot) : QString();
}

void HandleLayer::mousePress(int slot, const CanvasMouse& mouse) {
    if (m_look.press)
        m_look.press(slot, mouse);
    else
        CanvasLayer::mousePress(slot, mouse);
}
