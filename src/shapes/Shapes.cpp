#include "shapes/Shapes.h"

#include "common/Numeric.h"
#include "common/Units.h"
#include "shapes/ShapeRaster.h"
#include "workspace/KindRegistry.h"
#include "workspace/LineRaster.h"
#include "workspace/Workspace.h"

#include <QPainter>
#include <QPolygonF>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace Shapes {

namespace {

// A drag must cover more than this, across plus down, to make a shape.
constexpr int SmallestDrag = 100;

void showBand(Workspace& ws, RubberBand::Shape shape, const QLineF& line) {
    ws.setRubberBand(RubberBand{shape, line, std::max(1, ws.tools.lineWidthValue())});
}

// The record of a new shape from the drag that ends at (x, y), when the drag was long enough
// and the buffer has room; its handle placed and shown as handles are shown now.
void finish(Workspace& ws, Kind kind, int32_t x, int32_t y, int32_t colour, bool circle) {
    const ToolState& tools = ws.tools;
    const int32_t x0 = tools.x0;
    const int32_t y0 = tools.y0;
    if (std::abs(int64_t(x) - x0) + std::abs(int64_t(y) - y0) <= SmallestDrag)
        return;
    const int16_t slot = ws.FindEmpty(ElementKind::Shape);
    if (slot < 1)
        return;
    Diagram::Edit change = ws.edit(QStringLiteral("Рисуване на фигура"));
    ShapeRecord& s = change.store().shapes[slot];
    s = ShapeRecord{};
    s.Kind = kind;
    if (kind == Line) {
        // A line keeps the direction it was drawn in.
        s.X1 = x0;
        s.Y1 = y0;
        s.X2 = x;
        s.Y2 = y;
    } else {
        s.X1 = std::min<int>(x0, x);
        s.X2 = std::max<int>(x0, x);
        s.Y1 = std::min<int>(y0, y);
        s.Y2 = std::max<int>(y0, y);
        if (circle) {
            // Square, anchored at the top-left corner.
            if (s.Y2 - s.Y1 < s.X2 - s.X1)
                s.Y2 = s.Y1 + (s.X2 - s.X1);
            else
                s.X2 = s.X1 + (s.Y2 - s.Y1);
        }
    }
    s.BorderColour = colour;
    s.LineWidth = tools.lineWidthValue();
    s.LineStyle = 0;
    if (kind != Line && tools.filled) {
        s.FillStyle = Solid;
        s.FillColour = tools.fillColour;
    } else {
        s.FillStyle = Transparent;
        s.FillColour = 0;
    }
    change.store().shapeHandles[slot] = handleTopLeft(s);
    ws.canvas.shapeHandleVisible[slot] = ws.canvas.showHandles;
}

} // namespace

Ellipse DrawEllipse(double X1, double Y1, double X2, double Y2, bool circle) {
    if (circle) {
        const double w = std::abs(X2 - X1);
        const double h = std::abs(Y2 - Y1);
        if (w > h) {
            (Y1 > Y2 ? Y1 : Y2) = std::min(Y1, Y2) + w;
        } else {
            (X1 > X2 ? X1 : X2) = std::min(X1, X2) + h;
        }
    }
    Ellipse e;
    e.centre = QPointF((X1 + X2) / 2, RoundHalfEven((Y1 + Y2) / 2));
    const double w = RoundHalfEven(std::abs(X2 - X1));
    const double h = RoundHalfEven(std::abs(Y2 - Y1));
    e.radius = RoundHalfEven(w < h ? h / 2 : w / 2);
    e.aspect = w == 0 ? 10000 : h / w;
    return e;
}

QPointF handleTopLeft(const ShapeRecord& s) {
    if (s.Kind == Line || s.Kind == EllipseKind)
        return QPointF(s.X1 + (s.X2 - s.X1) / 2.0 - HandleOffset,
                       s.Y1 + (s.Y2 - s.Y1) / 2.0 - HandleOffset);
    return QPointF(s.X1, s.Y1);
}

void followHandle(ShapeRecord& s, QPointF handle, int64_t Shirina, int64_t Visochina) {
    if (s.Kind == Rectangle) {
        s.X1 = RoundHalfEven(handle.x());
        s.Y1 = RoundHalfEven(handle.y());
    } else {
        s.X1 = RoundHalfEven(handle.x() + HandleOffset - Shirina / 2.0);
        s.Y1 = RoundHalfEven(handle.y() + HandleOffset - Visochina / 2.0);
    }
    // In doubles: a record read from a file may hold coordinates near the ends of the range.
    s.X2 = RoundHalfEven(double(s.X1) + double(Shirina));
    s.Y2 = RoundHalfEven(double(s.Y1) + double(Visochina));
}

void copyToBuffer(const ShapeRecord& s, QStringList& buffer) {
    const int32_t fields[] = {s.Kind,         s.X1,        s.Y1,        s.X2,         s.Y2,
                              s.BorderColour, s.LineWidth, s.FillStyle, s.FillColour, s.LineStyle};
    constexpr int count = int(std::size(fields)) + 1;
    while (buffer.size() < count)
        buffer.append(QString());
    buffer[0] = QStringLiteral("Shp");
    for (int i = 1; i < count; ++i)
        buffer[i] = QString::number(fields[i - 1]);
}

void DrawBox(Workspace& ws, int32_t x, int32_t y, int32_t PColor, bool Final) {
    if (!Final) {
        showBand(ws, RubberBand::Shape::Rectangle, QLineF(ws.tools.x0, ws.tools.y0, x, y));
        return;
    }
    finish(ws, Rectangle, x, y, PColor, false);
}

void DrawLine(Workspace& ws, int32_t x, int32_t y, int32_t PColor, bool Final) {
    if (!Final) {
        showBand(ws, RubberBand::Shape::Line, QLineF(ws.tools.x0, ws.tools.y0, x, y));
        return;
    }
    finish(ws, Line, x, y, PColor, false);
}

void DrawCircle(Workspace& ws, int32_t x, int32_t y, int32_t Color, bool Krag, bool Final) {
    if (!Final) {
        const QRectF box = DrawEllipse(ws.tools.x0, ws.tools.y0, x, y, Krag).box();
        showBand(ws, RubberBand::Shape::Ellipse, QLineF(box.topLeft(), box.bottomRight()));
        return;
    }
    finish(ws, EllipseKind, x, y, Color, Krag);
}

void ShapeTool::draw(int32_t x, int32_t y, int32_t colour, bool Final) {
    switch (m_mode) {
    case Mode::Box:
        DrawBox(m_workspace, x, y, colour, Final);
        break;
    case Mode::Line:
        DrawLine(m_workspace, x, y, colour, Final);
        break;
    case Mode::Ellipse:
        DrawCircle(m_workspace, x, y, colour, false, Final);
        break;
    case Mode::Circle:
        DrawCircle(m_workspace, x, y, colour, true, Final);
        break;
    }
}

void paintShape(QPainter& painter, const ElementStore& store, int slot) {
    const ShapeRecord& s = store.shapes[slot];
    const QColor border = ColourToQColor(s.BorderColour);
    switch (s.Kind) {
    case Rectangle: {
        const QRectF box = QRectF(QPointF(s.X1, s.Y1), QPointF(s.X2, s.Y2)).normalized();
        ShapeRaster::fill(painter, box, false, s.FillStyle, ColourToQColor(s.FillColour));
        LineRaster::stroke(painter,
                           QPolygonF({QPointF(s.X1, s.Y1), QPointF(s.X2, s.Y1), QPointF(s.X2, s.Y2),
                                      QPointF(s.X1, s.Y2)}),
                           s.LineWidth, s.LineStyle, border, true);
        break;
    }
    case Line:
        LineRaster::stroke(painter, QPolygonF({QPointF(s.X1, s.Y1), QPointF(s.X2, s.Y2)}),
                           s.LineWidth, s.LineStyle, border);
        break;
    case EllipseKind: {
        const Ellipse e = DrawEllipse(s.X1, s.Y1, s.X2, s.Y2, false);
        ShapeRaster::fill(painter, e.box(), true, s.FillStyle, ColourToQColor(s.FillColour));
        ShapeRaster::strokeEllipse(painter, e.box(), s.LineWidth, s.LineStyle, border);
        break;
    }
    default:
        break;
    }
}

void registerKind(KindRegistry& kinds) {
    KindDescriptor d;
    d.kind = ElementKind::Shape;
    d.slotCount = ElementStore::Capacity;
    d.resizeTag = QStringLiteral("Figura");
    d.copyTag = QStringLiteral("Shp");
    d.fileTags = {QStringLiteral("[SHP]")};
    d.persistent = true;
    d.paintPass = 0;
    d.paintRank = 1;
    d.paint = &paintShape;
    d.present = [](const ElementStore& store, int slot) { return store.shapes[slot].Kind > 0; };
    d.box = [](const ElementStore& store, int slot) {
        const ShapeRecord& s = store.shapes[slot];
        return QRectF(QPointF(s.X1, s.Y1), QPointF(s.X2, s.Y2)).normalized();
    };
    // The other fields stay until the slot is used again.
    d.erase = [](ElementStore& store, int slot) { store.shapes[slot].Kind = Free; };
    d.copy = [](const ElementStore& store, int slot, QStringList& buffer) {
        copyToBuffer(store.shapes[slot], buffer);
    };
    kinds.add(std::move(d));
}

} // namespace Shapes
