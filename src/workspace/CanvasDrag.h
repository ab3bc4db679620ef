#pragma once

#include "workspace/ElementKind.h"
#include "workspace/SimpleDragAndDrop.h"

#include <optional>

struct CanvasMouse;
class Workspace;

// One drag of an element by the mouse, from the press that starts it to the release: which
// element, its drag object and so the one edit of the whole drag, and the canvas state's
// record of it. Every command that drags something with the mouse keeps one.
class CanvasDrag {
public:
    explicit CanvasDrag(Workspace& workspace) : m_workspace(workspace) {}
    ~CanvasDrag();
    CanvasDrag(const CanvasDrag&) = delete;
    CanvasDrag& operator=(const CanvasDrag&) = delete;

    // Starts dragging `element` by `drag`, grabbed where the mouse is on it. Only one drag at
    // a time, whatever element it moves: with `exclusive`, nothing starts while any drag is
    // on. True when it started.
    bool start(ElementRef element, SimpleDragAndDrop drag, const CanvasMouse& mouse,
               bool exclusive = true);
    bool active() const { return m_drag.has_value(); }
    ElementRef element() const { return m_element; }
    // Moves the element with the mouse; false when no drag is on.
    bool move(const CanvasMouse& mouse);
    // The element stops following the mouse; the drag itself lasts until `finish`.
    void stop();
    // Ends the drag: the drag object goes, and with it the drag's edit. Gives back the
    // element that was dragged, none when no drag was on.
    ElementRef finish();

private:
    Workspace& m_workspace;
    std::optional<SimpleDragAndDrop> m_drag;
    ElementRef m_element;
};
