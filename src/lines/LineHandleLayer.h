#pragma once

#include "workspace/CanvasLayer.h"

class LineCommands;
class Workspace;

// The line handles ManiConLine: a small light square on each line, where a right click opens
// the line menu. Above the picture objects, so a handle on a picture stays clickable.
class LineHandleLayer : public CanvasLayer {
public:
    LineHandleLayer(const Workspace& workspace, LineCommands& commands)
        : m_workspace(workspace), m_commands(commands) {}

    ElementKind kind() const override { return ElementKind::Line; }
    int slotCount() const override;
    bool present(int slot) const override;
    QRectF rect(int slot) const override;
    QRectF hitRect(int slot) const override;
    void paint(QPainter& painter) const override;
    QString toolTip(int slot) const override;
    void mousePress(int slot, const CanvasMouse& mouse) override;

private:
    const Workspace& m_workspace;
    LineCommands& m_commands;
};
