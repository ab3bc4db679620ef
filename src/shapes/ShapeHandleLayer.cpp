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

const QImage& ShapeHandleLayer::RectPic() {
    static const QImage picture = handlePicture(Mark::Rectangle);
    return picture;
}

const QImage& ShapeHandleLayer::LinePic() {
    static const QImage picture = handlePicture(Mark::Line);
    return picture;
}

const QImage& ShapeHandleLayer::CirclePic() {
    static const QImage picture = handlePicture(Mark::Circle);
    return picture;
}

int ShapeHandleLayer::slotCount() const {
    return ElementStore::Capacity;
}

bool ShapeHandleLayer::present(int slot) const {
    return m_workspace.store().shapes[slot].Kind > 0 && m_workspace.canvas.shapeHandleVisible[slot];
}

QRectF ShapeHandleLayer::rect(int slot) const {
    return QRectF(m_workspace.store().shapeHandles[slot],
                  QSizeF(Shapes::HandleSize, Shapes::HandleSize));
}

const QImage& ShapeHandleLayer::picture(int slot) const {
    switch (m_workspace.store().shapes[slot].Kind) {
    case Shapes::Line:
        return LinePic();
    case Shapes::EllipseKind:
        return CirclePic();
    default:
        return RectPic();
    }
}

void ShapeHandleLayer::paint(QPainter& painter) const {
    DiagramRenderer::drawHandles(painter, *this,
                                 [this](int slot) -> const QImage& { return picture(slot); });
}

QString ShapeHandleLayer::toolTip(int slot) const {
    switch (m_workspace.store().shapes[slot].Kind) {
    case Shapes::Line:
        return QStringLiteral("Линия");
    case Shapes::EllipseKind:
        return QStringLiteral("Окръжност");
    default:
        return QStringLiteral("Четириъгълник");
    }
}
