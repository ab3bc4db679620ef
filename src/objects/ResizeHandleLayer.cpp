#include "objects/ResizeHandleLayer.h"

#include "objects/ResizeHandles.h"
#include "workspace/DiagramRenderer.h"
#include "workspace/Workspace.h"

#include <QPainter>

namespace {

// A dark square with a light rim, 6 x 6 pixels: seen on pictures, lines and white ground.
const QImage& handlePicture() {
    static const QImage image = [] {
        const int side = int(ResizeHandles::Size / 15);
        QImage tile(side, side, QImage::Format_RGB32);
        tile.fill(Qt::white);
        QPainter p(&tile);
        p.fillRect(1, 1, side - 2, side - 2, DiagramRenderer::handleEdge());
        return tile;
    }();
    return image;
}

} // namespace

namespace ResizeHandleLayer {

std::unique_ptr<HandleLayer> make(const Workspace& workspace, CanvasMouseHandler& commands) {
    HandleLayer::Look look;
    look.kind = ElementKind::ResizeHandle;
    look.slotCount = 4;
    look.size = ResizeHandles::Size;
    look.view = &workspace.canvas.view;
    look.present = [&workspace](int slot) { return workspace.canvas.Manip[slot].visible; };
    look.topLeft = [&workspace](int slot) { return workspace.canvas.Manip[slot].topLeft; };
    look.picture = [](int) -> const QImage& { return handlePicture(); };
    look.toolTip = [](int) { return QStringLiteral("Оразмерете обекта до желания размер"); };
    look.cursor = Qt::SizeAllCursor;
    return std::make_unique<HandleLayer>(std::move(look), &commands);
}

} // namespace ResizeHandleLayer
