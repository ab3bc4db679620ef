#pragma once

#include "workspace/CanvasLayer.h"

#include <QImage>

class GridCommands;
class Workspace;

// The grid handles ManiTable: a small table picture on each grid's top-left corner, by which
// the grid is moved and edited.
class GridHandleLayer : public CanvasLayer {
public:
    GridHandleLayer(const Workspace& workspace, GridCommands& commands)
        : m_workspace(workspace), m_commands(commands) {}

    // The handle picture, 17 x 17 pixels.
    static const QImage& picture();

    ElementKind kind() const override { return ElementKind::Grid; }
    int slotCount() const override;
    bool present(int slot) const override;
    QRectF rect(int slot) const override;
    void paint(QPainter& painter) const override;
    QString toolTip(int slot) const override;
    void mousePress(int slot, const CanvasMouse& mouse) override;
    void mouseMove(int slot, const CanvasMouse& mouse) override;
    void mouseRelease(int slot, const CanvasMouse& mouse) override;

private:
    const Workspace& m_workspace;
    GridCommands& m_commands;
};
