#pragma once

#include <QRectF>
#include <QSizeF>
#include <cstdint>
#include <functional>

// Drags one element with the mouse: keeps the grab point under the pointer and, with
// LimitMode 1, the element inside its container. Works in twips on any element through
// three accessors, so picture objects in the model and floating panels share it.
class SimpleDragAndDrop {
public:
    using Geometry = std::function<QRectF()>;         // Left, Top, Width, Height
    using Move = std::function<void(double, double)>; // new Left, Top
    using Container = std::function<QRectF()>;        // inner area of the container

    SimpleDragAndDrop() = default;
    SimpleDragAndDrop(Geometry geometry, Move move, Container container);

    int16_t LimitMode = 0;
    double Xpos = 0;
    double Ypos = 0;

    // Starts (true) or ends (false) a drag; x, y is the grab point inside the element.
    void DragObj(bool bolDragObj, double x, double y);
    // Moves the element so the grab point follows the mouse point x, y (element-relative).
    void MoveObj(double x, double y);
    bool dragging() const { return m_mbolDragObj; }

private:
    Geometry m_geometry;
    Move m_move;
    Container m_container;
    bool m_mbolDragObj = false;
    double m_DrgXpos = 0;
    double m_DrgYpos = 0;
};
