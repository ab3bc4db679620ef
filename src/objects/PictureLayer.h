#pragma once

#include "workspace/CanvasLayer.h"

class Workspace;

// The picture objects on the canvas: painted by the renderer, named by their tooltips,
// handled with the mouse by the picture commands.
class PictureLayer : public CanvasLayer {
public:
    PictureLayer(const Workspace& workspace, CanvasMouseHandler& commands)
        : CanvasLayer(&commands), m_workspace(workspace) {}

    ElementKind kind() const override { return ElementKind::Picture; }
    int slotCount() const override;
    bool present(int slot) const override;
    QRectF rect(int slot) const override;
    void paint(QPainter& painter) const override;
    QString toolTip(int slot) const override;

private:
    const Workspace& m_workspace;
};
