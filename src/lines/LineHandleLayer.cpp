#include "lines/LineHandleLayer.h"

#include "lines/Connections.h"
#include "lines/LineCommands.h"
#include "workspace/DiagramRenderer.h"
#include "workspace/Workspace.h"

#include <QPainter>

int LineHandleLayer::slotCount() const {
    return ElementStore::Capacity;
}

bool LineHandleLayer::present(int slot) const {
    return m_workspace.store().lines[slot].Used != 0 &&
           m_workspace.canvas.lineHandles[slot].visible;
}

QRectF LineHandleLayer::rect(int slot) const {
    return QRectF(m_workspace.canvas.lineHandles[slot].topLeft,
                  QSizeF(Connections::HandleSize, Connections::HandleSize));
}

QRectF LineHandleLayer::hitRect(int slot) const {
    // Six pixels are hard to hit; the look stays, the reach grows.
    return HandleHitArea(rect(slot));
}

void LineHandleLayer::paint(QPainter& painter) const {
    painter.save();
    painter.setPen(QPen(DiagramRenderer::handleEdge(), 0));
    painter.setBrush(DiagramRenderer::handleFace());
    const QRectF area = DiagramRenderer::reachableArea(painter);
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
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

QString LineHandleLayer::toolTip(int) const {
    return QStringLiteral("Щракнете с десния бутон за опции за тази линия");
}

void LineHandleLayer::mousePress(int slot, const CanvasMouse& mouse) {
    if (mouse.button == Qt::RightButton)
        m_commands.openLineMenu(static_cast<int16_t>(slot));
}
