#pragma once

#include "workspace/CanvasLayer.h"

class Workspace;

// The text fields on the canvas, above the picture objects. They paint through the renderer;
// without a mouse handler (a picture being exported) clicks pass through them.
class TextLayer : public CanvasLayer {
public:
    explicit TextLayer(const Workspace& workspace, CanvasMouseHandler* mouse = nullptr)
        : CanvasLayer(mouse), m_workspace(workspace) {}

    ElementKind kind() const override { return ElementKind::Text; }
    int slotCount() const override;
    bool present(int slot) const override;
    QRectF rect(int slot) const override;
    void paint(QPainter& painter) const override;
    bool takesMouse() const override { return mouseHandler() != nullptr; }

private:
    const Workspace& m_workspace;
};
