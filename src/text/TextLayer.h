#pragma once

#include "workspace/CanvasLayer.h"

class Workspace;

// The text fields on the canvas, above the picture objects. They paint through the renderer;
// until text fields take the mouse, clicks pass through them to what lies below.
class TextLayer : public CanvasLayer {
public:
    explicit TextLayer(const Workspace& workspace) : m_workspace(workspace) {}

    ElementKind kind() const override { return ElementKind::Text; }
    int slotCount() const override;
    bool present(int slot) const override;
    QRectF rect(int slot) const override;
    void paint(QPainter& painter) const override;
    bool takesMouse() const override { return false; }

private:
    const Workspace& m_workspace;
};
