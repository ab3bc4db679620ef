#pragma once

#include "workspace/CanvasLayer.h"

#include <QImage>

class Workspace;

// The shape handles ManiShape: one small picture per shape, showing what kind of shape it
// belongs to, by which the shape is moved (left button) and edited (right button).
class ShapeHandleLayer : public CanvasLayer {
public:
    ShapeHandleLayer(const Workspace& workspace, CanvasMouseHandler& commands)
        : CanvasLayer(&commands), m_workspace(workspace) {}

    // The three handle pictures, 17 x 17 pixels: a rectangle, a line, a circle.
    static const QImage& RectPic();
    static const QImage& LinePic();
    static const QImage& CirclePic();

    ElementKind kind() const override { return ElementKind::Shape; }
    int slotCount() const override;
    bool present(int slot) const override;
    QRectF rect(int slot) const override;
    void paint(QPainter& painter) const override;
    QString toolTip(int slot) const override;

private:
    const QImage& picture(int slot) const;

    const Workspace& m_workspace;
};
