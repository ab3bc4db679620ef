#include "objects/ResizeHandles.h"

#include "workspace/CanvasGeometry.h"
#include "workspace/Workspace.h"

#include <algorithm>

namespace ResizeHandles {

QString kindTag(ElementKind kind) {
    switch (kind) {
    case ElementKind::Picture:
        return QStringLiteral("Kartinka");
    case ElementKind::Shape:
        return QStringLiteral("Figura");
    case ElementKind::Grid:
        return QStringLiteral("Tablica");
    default:
        return {};
    }
}

QRectF box(const Workspace& workspace, ElementRef element) {
    const ElementStore& store = workspace.store;
    switch (element.kind) {
    case ElementKind::Picture:
        return CanvasGeometry::pictureRect(store.objects[element.slot]);
    case ElementKind::Shape: {
        const ShapeRecord& s = store.shapes[element.slot];
        return QRectF(QPointF(std::min(s.X1, s.X2), std::min(s.Y1, s.Y2)),
                      QPointF(std::max(s.X1, s.X2), std::max(s.Y1, s.Y2)));
    }
    case ElementKind::Grid: {
        const GridRecord& g = store.grids[element.slot];
        return QRectF(g.Left, g.Top, g.Width, g.Height);
    }
    default:
        return {};
    }
}

void show(Workspace& workspace, ElementRef element) {
    const QString tag = kindTag(element.kind);
    if (tag.isEmpty())
        return;
    const QRectF b = box(workspace, element);
    workspace.diagram.Izbr = element.slot;
    CanvasState& canvas = workspace.canvas;
    canvas.manipKind = tag;
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

} // namespace ResizeHandles
