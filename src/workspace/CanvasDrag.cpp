#include "workspace/CanvasDrag.h"

#include "workspace/CanvasLayer.h"
#include "workspace/Workspace.h"

CanvasDrag::~CanvasDrag() {
    // The workspace outlives the commands that drag.
    if (m_drag)
        m_workspace.canvas.drag = {};
}

bool CanvasDrag::start(ElementRef element, SimpleDragAndDrop drag, const CanvasMouse& mouse,
                       bool exclusive) {
    if (exclusive && (m_drag || !m_workspace.canvas.drag.isNone()))
        return false;
    m_drag = std::move(drag);
    m_drag->DragObj(true, mouse.relative.x(), mouse.relative.y());
    m_element = element;
    m_workspace.canvas.drag = element;
    return true;
}

bool CanvasDrag::move(const CanvasMouse& mouse) {
    if (!m_drag)
        return false;
    m_drag->MoveObj(mouse.relative.x(), mouse.relative.y());
    return true;
}

void CanvasDrag::stop() {
    if (m_drag)
        m_drag->DragObj(false, 0, 0);
}

ElementRef CanvasDrag::finish() {
    if (!m_drag)
        return {};
    const ElementRef element = m_element;
    m_drag->DragObj(false, 0, 0);
    m_drag.reset();
    m_element = {};
    m_workspace.canvas.drag = {};
    return element;
}
