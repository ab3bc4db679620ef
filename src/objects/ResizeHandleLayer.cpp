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

bool ResizeHandleLayer::present(int slot) const {
    return slot >= 1 && slot <= 4 && m_workspace.canvas.Manip[slot].visible;
}

QRectF ResizeHandleLayer::rect(int slot) const {
    return QRectF(m_workspace.canvas.Manip[slot].topLeft,
                  QSizeF(ResizeHandles::Size, ResizeHandles::Size));
}

QRectF ResizeHandleLayer::hitRect(int slot) const {
    // Six pixels are hard to hit; the look stays, the reach grows.
    return HandleHitArea(rect(slot));
}

void ResizeHandleLayer::paint(QPainter& painter) const {
    DiagramRenderer::drawHandles(painter, *this,
                                 [](int) -> const QImage& { return handlePicture(); });
}

QString ResizeHandleLayer::toolTip(int) const {
    return QStringLiteral("Оразмерете обекта до желания размер");
}

Qt::CursorShape ResizeHandleLayer::cursor(int) const {
    return Qt::SizeAllCursor;
}
