#include "workspace/HandleLayer.h"

#include "workspace/DiagramRenderer.h"

#include <QPainter>

bool HandleLayer::present(int slot) const {
    return slot >= 1 && slot <= m_look.slotCount && m_look.present(slot);
}

QRectF HandleLayer::rect(int slot) const {
    return QRectF(m_look.topLeft(slot), QSizeF(m_look.size, m_look.size));
}

QRectF HandleLayer::hitRect(int slot) const {
    return m_look.widerReach ? HandleHitArea(rect(slot)) : rect(slot);
}

void HandleLayer::paint(QPainter& painter) const {
    if (m_look.picture) {
        DiagramRenderer::drawHandles(painter, *this, m_look.picture);
        return;
    }
    painter.save();
    painter.setPen(QPen(DiagramRenderer::handleEdge(), 0));
    painter.setBrush(DiagramRenderer::handleFace());
    const QRectF area = DiagramRenderer::reachableArea(painter);
    for (int slot = 1; slot <= m_look.slotCount; ++slot) {
        if (!present(slot))
            continue;
        const QRectF box = rect(slot);
        if (!box.intersects(area))
            continue;
        // The edge runs inside the box, one pixel in from its right and bottom.
        painter.drawRect(box.adjusted(0, 0, -15, -15));
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
