#include "workspace/SimpleDragAndDrop.h"

#include <utility>

SimpleDragAndDrop::SimpleDragAndDrop(Geometry geometry, Move move, Container container)
    : m_geometry(std::move(geometry)), m_move(std::move(move)), m_container(std::move(container)) {}

void SimpleDragAndDrop::DragObj(bool bolDragObj, double x, double y) {
    m_mbolDragObj = bolDragObj;
    if (bolDragObj) {
        m_DrgXpos = x;
        m_DrgYpos = y;
    }
}

void SimpleDragAndDrop::MoveObj(double x, double y) {
    if (!m_mbolDragObj || !m_geometry || !m_move)
        return;
    const QRectF element = m_geometry();
    Xpos = element.left() + x - m_DrgXpos;
    Ypos = element.top() + y - m_DrgYpos;
    if (LimitMode == 1 && m_container) {
        const QRectF container = m_container();
        // Right and bottom first: an element larger than its container ends up at its left
        // or top edge.
        if (Xpos + element.width() >= container.right())
            Xpos = container.right() - element.width();
        if (Xpos < container.left())
            Xpos = container.left();
        if (Ypos + element.height() >= container.bottom())
            Ypos = container.bottom() - element.height();
        if (Ypos < container.top())
            Ypos = container.top();
    }
    m_move(Xpos, Ypos);
}
