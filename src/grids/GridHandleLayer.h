#pragma once

#include "workspace/CanvasLayer.h"

#include <QImage>

class Workspace;

// The grid handles ManiTable: a small table picture on each grid's top-left corner, by which
// the grid is moved and edited.
class GridHandleLayer : public CanvasLayer {
public:
    GridHandleLayer(const Workspace& workspace, CanvasMouseHandler& commands)
        : CanvasLayer(&commands), m_workspace(workspace) {}

    // The handle picture, 17 x 17 pixels.
    static const QImage& picture();

    ElementKind kind() const override { return ElementKind::Grid; }
    int slotCount() const override;
    bool present(int slot) const override;
    QRectF rect(int slot) const override;
    void paint(QPainter& painter) const override;
    QString toolTip(int slot) const override;

private:
    const Workspace& m_workspace;
};
