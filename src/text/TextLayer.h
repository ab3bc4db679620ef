#pragma once

#include "workspace/CanvasLayer.h"

class Workspace;

// What the text fields do with the mouse; the text commands answer it.
class TextMouse {
public:
    virtual ~TextMouse() = default;
    virtual void mouseDown(int slot, const CanvasMouse& mouse) = 0;
    virtual void mouseMove(int slot, const CanvasMouse& mouse) = 0;
    virtual void mouseUp(int slot, const CanvasMouse& mouse) = 0;
};

// The text fields on the canvas, above the picture objects. They paint through the renderer;
// without a mouse handler (a picture being exported) clicks pass through them.
class TextLayer : public CanvasLayer {
public:
    explicit TextLayer(const Workspace& workspace, TextMouse* mouse = nullptr)
        : m_workspace(workspace), m_mouse(mouse) {}

    ElementKind kind() const override { return ElementKind::Text; }
    int slotCount() const override;
    bool present(int slot) const override;
    QRectF rect(int slot) const override;
    void paint(QPainter& painter) const override;
    bool takesMouse() const override { return m_mouse != nullptr; }
    void mousePress(int slot, const CanvasMouse& mouse) override;
    void mouseMove(int slot, const CanvasMouse& mouse) override;
    void mouseRelease(int slot, const CanvasMouse& mouse) override;

private:
    const Workspace& m_workspace;
    TextMouse* m_mouse;
};
