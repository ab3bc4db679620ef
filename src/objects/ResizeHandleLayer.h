#pragma once

#include "workspace/CanvasLayer.h"

class ResizeCommands;
class Workspace;

// The resize handles Manip(1..4), above every other handle.
class ResizeHandleLayer : public CanvasLayer {
public:
    ResizeHandleLayer(const Workspace& workspace, ResizeCommands& commands)
        : m_workspace(workspace), m_commands(commands) {}

    ElementKind kind() const override { return ElementKind::ResizeHandle; }
    int slotCount() const override { return 4; }
    bool present(int slot) const override;
    QRectF rect(int slot) const override;
    void paint(QPainter& painter) const override;
    QString toolTip(int slot) const override;
    Qt::CursorShape cursor(int slot) const override;
    void mousePress(int slot, const CanvasMouse& mouse) override;
    void mouseMove(int slot, const CanvasMouse& mouse) override;
    void mouseRelease(int slot, const CanvasMouse& mouse) override;

private:
    const Workspace& m_workspace;
    ResizeCommands& m_commands;
};
