#include "grids/GridHandleLayer.h"

#include "grids/Grids.h"
#include "workspace/DiagramRenderer.h"
#include "workspace/Workspace.h"

#include <QPainter>

const QImage& GridHandleLayer::picture() {
    static const QImage image = [] {
        const int side = int(Grids::HandleSize / 15);
        QImage tile = DiagramRenderer::handleTile(side);
        QPainter p(&tile);
        // A two by two table.
        p.setPen(QColor(20, 20, 20));
        p.drawRect(3, 3, side - 7, side - 7);
        p.drawLine(3, side / 2, side - 4, side / 2);
        p.drawLine(side / 2, 3, side / 2, side - 4);
        return tile;
    }();
    return image;
}

int GridHandleLayer::slotCount() const {
    return ElementStore::GridCapacity;
}

bool GridHandleLayer::present(int slot) const {
    return m_workspace.store().grids[slot].Used != 0 && m_workspace.canvas.gridHandleVisible[slot];
}

QRectF GridHandleLayer::rect(int slot) const {
    return QRectF(m_workspace.store().gridHandles[slot],
                  QSizeF(Grids::HandleSize, Grids::HandleSize));
}

void GridHandleLayer::paint(QPainter& painter) const {
    DiagramRenderer::drawHandles(painter, *this, [](int) -> const QImage& { return picture(); });
}

QString GridHandleLayer::toolTip(int) const {
    return QStringLiteral("Използвайте това като манипулатор за решетката");
}
