#pragma once

#include "common/Units.h"
#include "workspace/ElementKind.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <Qt>

class QPainter;

// A mouse event on the canvas as an element sees it.
struct CanvasMouse {
    Qt::MouseButton button = Qt::NoButton; // the button pressed or released; none for a move
    Qt::MouseButtons buttons;              // the buttons held after the event
    QPointF canvas;                        // twips on the canvas
    QPointF relative;                      // twips from the element's top-left corner
};

// What the elements of a layer do with the mouse; the commands of their subsystem answer it.
class CanvasMouseHandler {
public:
    virtual ~CanvasMouseHandler() = default;
    virtual void mouseDown(int slot, const CanvasMouse& mouse) = 0;
    virtual void mouseMove(int slot, const CanvasMouse& mouse) = 0;
    virtual void mouseUp(int slot, const CanvasMouse& mouse) = 0;
};

// One kind of thing on the canvas: picture objects, text fields, the handles of lines,
// shapes and grids, the resize handles. The canvas keeps an ordered list of layers; the
// order is the paint order and, walked backwards, the hit order. Within a layer higher
// slots lie above lower ones. A new kind of thing on the canvas is a new layer.
class CanvasLayer {
public:
    // The mouse on the layer's elements goes to `mouse`, when given.
    explicit CanvasLayer(CanvasMouseHandler* mouse = nullptr) : m_mouse(mouse) {}
    virtual ~CanvasLayer() = default;

    virtual ElementKind kind() const = 0;
    // Slots run from 1 to slotCount().
    virtual int slotCount() const = 0;
    // Whether the element of a slot is on the canvas and visible.
    virtual bool present(int slot) const = 0;
    // Its box in twips.
    virtual QRectF rect(int slot) const = 0;
    // Where it takes the mouse: its box, unless the element is too small to hit easily.
    virtual QRectF hitRect(int slot) const { return rect(slot); }
    // Paints every present element; the painter works in twips.
    virtual void paint(QPainter& painter) const = 0;

    // A layer that does not take the mouse lets it through to what lies below.
    virtual bool takesMouse() const { return true; }
    virtual QString toolTip(int slot) const {
        Q_UNUSED(slot);
        return {};
    }
    virtual Qt::CursorShape cursor(int slot) const {
        Q_UNUSED(slot);
        return Qt::ArrowCursor;
    }
    virtual void mousePress(int slot, const CanvasMouse& mouse) {
        if (m_mouse)
            m_mouse->mouseDown(slot, mouse);
    }
    virtual void mouseMove(int slot, const CanvasMouse& mouse) {
        if (m_mouse)
            m_mouse->mouseMove(slot, mouse);
    }
    virtual void mouseRelease(int slot, const CanvasMouse& mouse) {
        if (m_mouse)
            m_mouse->mouseUp(slot, mouse);
    }

protected:
    CanvasMouseHandler* mouseHandler() const { return m_mouse; }

private:
    CanvasMouseHandler* m_mouse;
};

// The hit area of a small handle: four pixels beyond each edge of the box it is drawn in. A
// hit takes the box's right and bottom edges too, which already reach one pixel past the
// picture there. `pixel` is how many twips a pixel of the canvas covers.
inline QRectF HandleHitArea(const QRectF& box, double pixel = TwipsPerPixel) {
    const double margin = 4 * pixel;
    return box.adjusted(-margin, -margin, margin - pixel, margin - pixel);
}

// Where layers stand in the list, bottom to top.
namespace LayerOrder {
constexpr int Pictures = 100;
constexpr int Texts = 200;
constexpr int LineHandles = 300;
constexpr int ShapeHandles = 400;
constexpr int GridHandles = 500;
constexpr int ResizeHandles = 600;
} // namespace LayerOrder
