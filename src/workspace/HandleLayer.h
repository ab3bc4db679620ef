#pragma once

#include "workspace/CanvasLayer.h"
#include "workspace/ViewTransform.h"

#include <QImage>
#include <QString>
#include <functional>

// A layer of small handles, one per slot of the element it edits: the line, shape and grid
// handles and the resize handles are each one of these, told apart only by what they show
// and whom they tell about the mouse.
//
// A handle's box is document twips, and everything that moves handles and elements reckons
// with it. On a zoomed canvas the handle is still drawn at its own size in pixels, centred on
// its box, and taken by the mouse where it is drawn.
class HandleLayer : public CanvasLayer {
public:
    struct Look {
        ElementKind kind = ElementKind::None;
        int slotCount = 0;
        double size = 0; // twips, square
        // The canvas's view; without one the handle is drawn at 15 twips a pixel.
        const ViewTransform* view = nullptr;
        std::function<bool(int slot)> present;
        std::function<QPointF(int slot)> topLeft; // twips
        // The handle's picture; without one the handle is a plain light square with a dark
        // edge.
        std::function<const QImage&(int slot)> picture;
        // Six pixels are hard to hit: most handles reach further than they look.
        bool widerReach = true;
        std::function<QString(int slot)> toolTip;
        Qt::CursorShape cursor = Qt::ArrowCursor;
        // Takes a press in place of the mouse handler, when given.
        std::function<void(int slot, const CanvasMouse&)> press;
    };

    HandleLayer(Look look, CanvasMouseHandler* mouse)
        : CanvasLayer(mouse), m_look(std::move(look)) {}

    ElementKind kind() const override { return m_look.kind; }
    int slotCount() const override { return m_look.slotCount; }
    bool present(int slot) const override;
    QRectF rect(int slot) const override;
    QRectF hitRect(int slot) const override;
    // Where the handle is drawn on the canvas (document twips): its box, or a box of its
    // size in pixels centred on it when the canvas is zoomed.
    QRectF shownRect(int slot) const;
    void paint(QPainter& painter) const override;
    QString toolTip(int slot) const override;
    Qt::CursorShape cursor(int) const override { return m_look.cursor; }
    void mousePress(int slot, const CanvasMouse& mouse) override;

private:
    Look m_look;
};
