#pragma once

#include "workspace/CanvasLayer.h"

#include <memory>
#include <vector>

// The ordered layers of the canvas and who holds the mouse. The element that takes a press
// keeps the mouse, every button included, until the button that started it is released;
// a press on the bare canvas leaves the mouse with the canvas in the same way.
class CanvasLayerStack {
public:
    struct Hit {
        CanvasLayer* layer = nullptr;
        int slot = 0;
        explicit operator bool() const { return layer != nullptr; }
        ElementRef element() const;
    };

    // Takes the layer; layers of equal order keep the order they were added in.
    CanvasLayer& add(std::unique_ptr<CanvasLayer> layer, int order);
    // Gives the layer up (its owner goes first); a grab on it is dropped.
    void remove(const CanvasLayer* layer);
    // The first layer of a kind, or null.
    CanvasLayer* layer(ElementKind kind) const;

    // Paints every layer in order.
    void paint(QPainter& painter) const;
    // The topmost element whose hit area holds a point (twips), among layers that take the
    // mouse: a handle's margin wins over what lies below the handle.
    Hit hitTest(QPointF twips) const;

    // The mouse. Each returns true when an element had it; false means the bare canvas.
    bool press(Qt::MouseButton button, Qt::MouseButtons buttons, QPointF twips);
    bool move(Qt::MouseButtons buttons, QPointF twips);
    bool release(Qt::MouseButton button, Qt::MouseButtons buttons, QPointF twips);
    // The mouse went away without a release (a popup took it, the window lost focus): an
    // element that held it gets the release of the button that started its grab.
    void cancelGrab(QPointF twips);

    // The button whose release the bare canvas missed (seen as a move without it), once;
    // no button otherwise. The canvas then finishes what that button started.
    Qt::MouseButton takeMissedCanvasRelease();

    // Who holds the mouse: an element, the bare canvas, or no one.
    Hit grab() const { return m_grab; }
    bool canvasHasMouse() const { return m_canvasGrab; }

private:
    struct Entry {
        std::unique_ptr<CanvasLayer> layer;
        int order = 0;
    };
    CanvasMouse mouseFor(const Hit& hit, Qt::MouseButton button, Qt::MouseButtons buttons,
                         QPointF twips) const;
    void endElementGrab(Qt::MouseButtons buttons, QPointF twips);

    std::vector<Entry> m_layers;
    Hit m_grab;
    Qt::MouseButton m_grabButton = Qt::NoButton;
    bool m_canvasGrab = false;
    Qt::MouseButton m_canvasButton = Qt::NoButton;
    Qt::MouseButton m_missedCanvasRelease = Qt::NoButton;
};
