#pragma once

#include "workspace/ElementKind.h"
#include "workspace/ElementStore.h"
#include "workspace/ViewTransform.h"

#include <QLineF>
#include <QRectF>
#include <QString>
#include <Qt>
#include <array>
#include <cstdint>

// An outline on the canvas: the picks Ogr(0) and Ogr(1), the selection shpSelection, the
// search highlight FoundBox. Twips.
struct CanvasOutline {
    bool visible = false;
    QRectF rect;
};

// A small handle on the canvas; its size is fixed by the kind of handle.
struct CanvasHandle {
    bool visible = false;
    QPointF topLeft; // twips
};

// What a tool draws while the left button is held: painted over everything and gone as soon
// as the next one is drawn, the way an inverted outline is erased by drawing it again.
struct RubberBand {
    enum class Shape { None, Rectangle, Line, Ellipse };
    Shape shape = Shape::None;
    QLineF line;   // twips; the rectangle and the ellipse fill the box of the line's end points
    int width = 1; // pixels, the width of the figure it shows
    bool isVisible() const { return shape != Shape::None; }
    // What it covers on the canvas (twips), its width included.
    QRectF area() const {
        if (!isVisible())
            return {};
        const double margin = (width + 1) * 15.0;
        return QRectF(line.p1(), line.p2()).normalized().adjusted(-margin, -margin, margin, margin);
    }
};

// The least left and top and the greatest right and bottom edge over all elements (twips), as
// the extent check last found them.
struct DiagramExtent {
    int32_t minLeft = 0;
    int32_t minTop = 0;
    int32_t maxRight = 0;
    int32_t maxBottom = 0;
};

// Everything the canvas shows besides the diagram itself, in one place, so logic without a
// window (export, resizing, search, print) reads and writes the same record the screen
// paints. Every position here is in document twips, like the elements'.
struct CanvasState {
    static constexpr double HandleSize = 90; // twips: the 6 x 6 pixel handle pictures

    // Inner size of the canvas in twips.
    double width = 0;
    double height = 0;

    std::array<CanvasOutline, 2> Ogr;
    CanvasOutline shpSelection;
    CanvasOutline FoundBox;

    // The four resize handles Manip(1..4) (index 0 unused) and what they resize.
    std::array<CanvasHandle, 5> Manip;
    ElementKind manipKind = ElementKind::None;

    std::array<CanvasHandle, ElementStore::Capacity + 1> lineHandles;
    // Whether each shape and grid handle is shown; where it sits is the element's own.
    std::array<bool, ElementStore::Capacity + 1> shapeHandleVisible{};
    std::array<bool, ElementStore::GridCapacity + 1> gridHandleVisible{};
    // Line and shape handles are shown while the hide-handles command reads "Скрий
    // манипулаторите".
    bool showHandles = true;

    DiagramExtent extent;

    // Where the canvas shows the document: its origin is where the scroll bars stand.
    ViewTransform view;
    // The part of the document the canvas shows (twips).
    QRectF visibleArea() const { return QRectF(view.origin, QSizeF(width, height) / view.zoom); }

    // The element being dragged with the mouse, none while no drag is in progress.
    ElementRef drag;

    // The rubber band of the active tool, and the pointer over the bare canvas.
    RubberBand rubberBand;
    bool rubberBandMode = false; // a tool holds the left button
    Qt::CursorShape pointer = Qt::ArrowCursor;
};
