#pragma once

#include "workspace/CanvasLayer.h"

class Workspace;

// The resize handles Manip(1..4), above every other handle.
class ResizeHandleLayer : public CanvasLayer {
public:
    ResizeHandleLayer(const Workspace& workspace, CanvasMouseHandler& commands)
        : CanvasLayer(&commands), m_workspace(workspace) {}

    ElementKind kind() const override { return ElementKind::ResizeHandle; }
    int slotCount() const override { return 4; }
    bool present(int slot) const override;
    QRectF rect(int slot) const override;
    QRectF hitRect(int slot) const override;
    void paint(QPainter& painter) const override;
    QString toolTip(int slot) const override;
    Qt::CursorShape cursor(int slot) const override;

private:
    const Workspace& m_workspace;
};
