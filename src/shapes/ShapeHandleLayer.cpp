#include "shapes/ShapeHandleLayer.h"

#include "shapes/Shapes.h"
#include "workspace/DiagramRenderer.h"
#include "workspace/Workspace.h"

#include <QPainter>

namespace {

enum class Mark { Rectangle, Line, Circle };

// A handle tile with the kind of shape drawn on it.
QImage handlePicture(Mark mark) {
    const int side = int(Shapes::HandleSize / 15);
    QImage image = DiagramRenderer::handleTile(side);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 20, 20), 1.5));
    p.setBrush(Qt::NoBrush);
    switch (mark) {
    case Mark::Rectangle:
        p.drawRect(QRectF(3.5, 4.5, side - 7, side - 9));
        break;
    case Mark::Line:
        p.drawLine(QPointF(3.5, side - 3.5), QPointF(side - 3.5, 3.5));
        break;
    case Mark::Circle:
        p.drawEllipse(QRectF(3.5, 3.5, side - 7, side - 7));
        break;
    }
    return image;
}

} // namespace

namespace ShapeHandleLayer {

const QImage& RectPic() {
    static const QImage picture = handlePicture(Mark::Rectangle);
    return picture;
}

const QImage& LinePic() {
    static const QImage picture = handlePicture(Mark::Line);
    return picture;
}

const QImage& CirclePic() {
    static const QImage picture = handlePicture(Mark::Circle);
    return picture;
}

std::unique_ptr<HandleLayer> make(const Workspace& workspace, CanvasMouseHandler& commands) {
    HandleLayer::Look look;
    look.kind = ElementKind::Shape;
    look.slotCount = ElementStore::Capacity;
    look.size = Shapes::HandleSize;
    look.view = &workspace.canvas.view;
    look.present = [&workspace](int slot) {
        return workspace.store().shapes[slot].Kind > 0 && workspace.canvas.shapeHandleVisible[slot];
    };
    look.topLeft = [&workspace](int slot) { return workspace.store().shapeHandles[slot]; };
    look.picture = [&workspace](int slot) -> const QImage& {
        switch (workspace.store().shapes[slot].Kind) {
        case Shapes::Line:
            return LinePic();
        case Shapes::EllipseKind:
            return CirclePic();
        default:
            return RectPic();
        }
    };
    look.widerReach = false;
    look.toolTip = [&workspace](int slot) {
        switch (workspace.store().shapes[slot].Kind) {
        case Shapes::Line:
            return QStringLiteral("Линия");
        case Shapes::EllipseKind:
            return QStringLiteral("Окръжност");
        default:
            return QStringLiteral("Четириъгълник");
        }
    };
    return std::make_unique<HandleLayer>(std::move(look), &commands);
}

} // namespace ShapeHandleLayer
