#include "grids/GridHandleLayer.h"

#include "grids/Grids.h"
#include "workspace/DiagramRenderer.h"
#include "workspace/Workspace.h"

#include <QPainter>

namespace GridHandleLayer {

const QImage& picture() {
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

std::unique_ptr<HandleLayer> make(const Workspace& workspace, CanvasMouseHandler& commands) {
    HandleLayer::Look look;
    look.kind = ElementKind::Grid;
    look.slotCount = ElementStore::GridCapacity;
    look.size = Grids::HandleSize;
    look.view = &workspace.canvas.view;
    look.present = [&workspace](int slot) {
        return workspace.store().grids[slot].Used != 0 && workspace.canvas.gridHandleVisible[slot];
    };
    look.topLeft = [&workspace](int slot) { return workspace.store().gridHandles[slot]; };
    look.picture = [](int) -> const QImage& { return picture(); };
    look.widerReach = false;
    look.toolTip = [](int) {
        return QStringLiteral("Използвайте това като манипулатор за решетката");
    };
    return std::make_unique<HandleLayer>(std::move(look), &commands);
}

} // namespace GridHandleLayer
