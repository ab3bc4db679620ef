#include "objects/ResizeHandles.h"

#include "common/Numeric.h"
#include "common/Units.h"
#include "grids/Grids.h"
#include "shapes/Shapes.h"
#include "workspace/CanvasGeometry.h"
#include "workspace/Workspace.h"

#include <algorithm>
#include <array>

namespace ResizeHandles {

bool resizable(const Workspace& workspace, ElementKind kind) {
    const KindDescriptor* d = workspace.kinds().find(kind);
    return d && !d->resizeTag.isEmpty();
}

QRectF box(const Workspace& workspace, ElementRef element) {
    return workspace.elementRect(element);
}

void show(Workspace& workspace, ElementRef element) {
    if (!resizable(workspace, element.kind))
        return;
    const QRectF b = box(workspace, element);
    workspace.diagram.Izbr = element.slot;
    CanvasState& canvas = workspace.canvas;
    canvas.manipKind = element.kind;
    canvas.Manip[1].topLeft = QPointF(b.left() - Size, b.top() - Size);
    canvas.Manip[2].topLeft = QPointF(b.right(), b.top() - Size);
    canvas.Manip[3].topLeft = QPointF(b.left() - Size, b.bottom());
    canvas.Manip[4].topLeft = QPointF(b.right(), b.bottom());
    for (int k = 1; k <= 4; ++k)
        canvas.Manip[k].visible = true;
    encloseHandles(workspace);
}

void encloseHandles(Workspace& workspace) {
    const CanvasState& canvas = workspace.canvas;
    const QPointF first = canvas.Manip[1].topLeft;
    const QPointF last = canvas.Manip[4].topLeft + QPointF(Size, Size);
    workspace.setSelection(true, QRectF(first, last));
}

namespace {

// The handles' corners by number, as the tables of the resize rules name them.
struct Corners {
    std::array<CanvasHandle, 5>& manip;
    double& L(int k) { return manip[k].topLeft.rx(); }
    double& T(int k) { return manip[k].topLeft.ry(); }
};

void keepOnePixel(Corners c, int index) {
    switch (index) {
    case 1:
        c.L(1) = std::min(c.L(1), c.L(2) - LeastGap);
        c.T(1) = std::min(c.T(1), c.T(3) - LeastGap);
        break;
    case 2:
        c.L(2) = std::max(c.L(2), c.L(1) + LeastGap);
        c.T(2) = std::min(c.T(2), c.T(4) - LeastGap);
        break;
    case 3:
        c.L(3) = std::min(c.L(3), c.L(4) - LeastGap);
        c.T(3) = std::max(c.T(3), c.T(1) + LeastGap);
        break;
    case 4:
        c.L(4) = std::max(c.L(4), c.L(3) + LeastGap);
        c.T(4) = std::max(c.T(4), c.T(2) + LeastGap);
        break;
    }
}

// The four spacing checks, in order; true when one of them pushed the dragged handle back.
bool pushApart(Corners c, int index) {
    bool ended = false;
    const auto check = [&](double gap, int near, int far, double& nearValue, double& farValue) {
        if (gap > LeastSpacing)
            return;
        if (index == near)
            nearValue -= PushBack;
        else if (index == far)
            farValue += PushBack;
        ended = true;
    };
    check(c.L(2) - c.L(1), 1, 2, c.L(1), c.L(2));
    check(c.L(4) - c.L(3), 3, 4, c.L(3), c.L(4));
    check(c.T(3) - c.T(1), 1, 3, c.T(1), c.T(3));
    check(c.T(4) - c.T(2), 2, 4, c.T(2), c.T(4));
    return ended;
}

void followPicture(Corners c, int index, PictureObject& p) {
    constexpr double W = Size;
    constexpr double H = Size;
    switch (index) {
    case 1:
        p.Top = c.T(1) + H;
        p.Left = c.L(1) + W;
        c.T(2) = p.Top - H;
        c.L(3) = p.Left - W;
        break;
    case 2:
        p.Top = c.T(2) + H;
        c.T(1) = p.Top - H;
        c.L(4) = c.L(2);
        break;
    case 3:
        p.Left = c.L(3) + W;
        c.L(1) = p.Left - W;
        c.T(4) = c.T(3) - (c.T(1) + H) + (c.T(2) + H);
        break;
    case 4:
        c.L(2) = c.L(4) - (c.L(3) + W) + (c.L(1) + W);
        c.T(3) = c.T(4) - (c.T(2) + H) + (c.T(1) + H);
        break;
    }
}

// The stored coordinate of a shape's left, right, top or bottom edge. With equal values a
// left or top edge is the second coordinate and a right or bottom edge the first.
int32_t& lowEdge(int32_t& first, int32_t& second) {
    return first < second ? first : second;
}
int32_t& highEdge(int32_t& first, int32_t& second) {
    return first < second ? second : first;
}

void followShape(Corners c, int index, ShapeRecord& s) {
    constexpr double W = Size;
    constexpr double H = Size;
    switch (index) {
    case 1: {
        int32_t& x = lowEdge(s.X1, s.X2);
        x = RoundHalfEven(c.L(1) + W);
        c.L(3) = x - W;
        int32_t& y = lowEdge(s.Y1, s.Y2);
        y = RoundHalfEven(c.T(1) + H);
        c.T(2) = y - H;
        break;
    }
    case 2: {
        int32_t& x = highEdge(s.X1, s.X2);
        x = RoundHalfEven(c.L(2));
        c.L(4) = x;
        int32_t& y = lowEdge(s.Y1, s.Y2);
        y = RoundHalfEven(c.T(2) + H);
        c.T(1) = y - H;
        break;
    }
    case 3: {
        int32_t& x = lowEdge(s.X1, s.X2);
        x = RoundHalfEven(c.L(3) + W);
        c.L(1) = x - W;
        int32_t& y = highEdge(s.Y1, s.Y2);
        y = RoundHalfEven(c.T(3));
        c.T(4) = y;
        break;
    }
    case 4: {
        int32_t& x = highEdge(s.X1, s.X2);
        x = RoundHalfEven(c.L(4));
        c.L(2) = x;
        int32_t& y = highEdge(s.Y1, s.Y2);
        y = RoundHalfEven(c.T(4));
        c.T(3) = y;
        break;
    }
    }
}

void followGrid(Corners c, int index, GridRecord& g) {
    constexpr double W = Size;
    constexpr double H = Size;
    switch (index) {
    case 1:
        g.Top = RoundHalfEven(c.T(1) + H);
        g.Left = RoundHalfEven(c.L(1) + W);
        c.T(2) = g.Top - H;
        c.L(3) = g.Left - W;
        g.Width = RoundHalfEven(c.L(2) - (c.L(1) + W));
        g.Height = RoundHalfEven(c.T(3) - (c.T(1) + H));
        break;
    case 2:
        g.Top = RoundHalfEven(c.T(2) + H);
        c.T(1) = g.Top - H;
        c.L(4) = c.L(2);
        g.Width = RoundHalfEven(c.L(2) - (c.L(1) + W));
        g.Height = RoundHalfEven(c.T(4) - (c.T(2) + H));
        break;
    case 3:
        g.Left = RoundHalfEven(c.L(3) + W);
        c.L(1) = g.Left - W;
        c.T(4) = c.T(3);
        g.Width = RoundHalfEven(c.L(4) - (c.L(3) + W));
        g.Height = RoundHalfEven(c.T(3) - (c.T(1) + H));
        break;
    case 4:
        c.L(2) = c.L(4);
        c.T(3) = c.T(4);
        g.Width = RoundHalfEven(c.L(4) - (c.L(3) + W));
        g.Height = RoundHalfEven(c.T(4) - (c.T(2) + H));
        break;
    }
}

} // namespace

bool handleMoved(Workspace& workspace, int index) {
    if (index < 1 || index > 4)
        return false;
    CanvasState& canvas = workspace.canvas;
    Corners corners{canvas.Manip};
    keepOnePixel(corners, index);
    const bool ended = pushApart(corners, index);
    const int16_t slot = workspace.diagram.Izbr;
    const ElementStore& now = workspace.store();
    if (slot >= 1 && slot <= ElementStore::Capacity) {
        const QString step = QStringLiteral("Преоразмеряване");
        if (canvas.manipKind == ElementKind::Picture &&
            now.objectStatus[slot] == ElementStore::Used) {
            const QRectF before = CanvasGeometry::pictureRect(now.objects[slot]);
            followPicture(corners, index, workspace.edit(step).store().objects[slot]);
            emit workspace.elementMoved(before, CanvasGeometry::pictureRect(now.objects[slot]));
        } else if (canvas.manipKind == ElementKind::Shape && now.shapes[slot].Kind != 0) {
            Diagram::Edit change = workspace.edit(step);
            ShapeRecord& shape = change.store().shapes[slot];
            followShape(corners, index, shape);
            change.store().shapeHandles[slot] = Shapes::handleTopLeft(shape);
        } else if (canvas.manipKind == ElementKind::Grid && slot <= ElementStore::GridCapacity &&
                   now.grids[slot].Used != 0) {
            Diagram::Edit change = workspace.edit(step);
            GridRecord& grid = change.store().grids[slot];
            followGrid(corners, index, grid);
            change.store().gridHandles[slot] = QPointF(grid.Left, grid.Top);
        }
    }
    encloseHandles(workspace);
    return ended;
}

void finishResize(Workspace& workspace) {
    const int16_t slot = workspace.diagram.Izbr;
    if (workspace.canvas.manipKind != ElementKind::Picture || slot < 1 ||
        slot > ElementStore::Capacity || workspace.store().objectStatus[slot] != ElementStore::Used)
        return;
    const CanvasState& canvas = workspace.canvas;
    const double width =
        std::max(canvas.Manip[2].topLeft.x() - (canvas.Manip[1].topLeft.x() + Size), 15.0);
    const double height =
        std::max(canvas.Manip[3].topLeft.y() - (canvas.Manip[1].topLeft.y() + Size), 15.0);
    // A click on a handle keeps the size: the picture stays the library's, unscaled.
    const PictureObject& now = workspace.store().objects[slot];
    if (now.Width == width && now.Height == height)
        return;
    Diagram::Edit change = workspace.edit(QStringLiteral("Преоразмеряване"));
    PictureObject& p = change.store().objects[slot];
    const QRectF before = CanvasGeometry::pictureRect(p);
    p.Width = width;
    p.Height = height;
    const QSize pixels(std::max(TwipsToPixelRounded(p.Width), 1),
                       std::max(TwipsToPixelRounded(p.Height), 1));
    if (!p.picture.isNull() && p.picture.size() != pixels)
        p.picture = p.picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.Tag = QStringLiteral("SKETCHPAD");
    emit workspace.elementMoved(before, CanvasGeometry::pictureRect(p));
}

} // namespace ResizeHandles
