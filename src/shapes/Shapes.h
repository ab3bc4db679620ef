#pragma once

#include "workspace/CanvasTool.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QStringList>
#include <cstdint>

class ElementStore;
class QPainter;
class KindRegistry;
class Workspace;
struct ShapeRecord;

// Shapes: rectangles, ellipses (circles are square ellipses) and straight lines drawn with the
// mouse and kept as records of the shape buffer; the repaint paints them from the records.
namespace Shapes {

// The shape handle ManiShape: 255 x 255 twips, its corner 127 twips up and left of the middle
// of a line or an ellipse.
constexpr double HandleSize = 255;
constexpr double HandleOffset = 127;

enum Kind : int32_t { Free = 0, Rectangle = 1, Line = 2, EllipseKind = 3 };

// Fill styles: 0 solid, 1 transparent, then the hatches in the fill colour.
enum FillStyle : int32_t {
    Solid = 0,
    Transparent = 1,
    Horizontal = 2,
    Vertical = 3,
    Rising = 4,  // lower left to upper right
    Falling = 5, // upper left to lower right
    Cross = 6,
    DiagonalCross = 7
};

// What DrawEllipse makes of a box: the centre (cy on whole twips), the radius (half the longer
// side, whole twips) and the aspect, vertical over horizontal semi-axis (10000 for a box of no
// width). The radius is the horizontal semi-axis below aspect 1, the vertical one above.
struct Ellipse {
    QPointF centre;
    double radius = 0;
    double aspect = 0;

    double rx() const { return aspect <= 1 ? radius : radius / aspect; }
    double ry() const { return aspect <= 1 ? radius * aspect : radius; }
    QRectF box() const { return QRectF(centre.x() - rx(), centre.y() - ry(), 2 * rx(), 2 * ry()); }
};

// The ellipse inscribed in the box with corners (X1, Y1) and (X2, Y2); with `circle` the box is
// first made square, its top-left corner staying where it is.
Ellipse DrawEllipse(double X1, double Y1, double X2, double Y2, bool circle);

// Where a shape's handle has its top-left corner (twips).
QPointF handleTopLeft(const ShapeRecord& shape);

// Puts a shape where its handle has been dragged to: a rectangle's top-left corner on the
// handle's, a line's or an ellipse's middle 127 twips right of and below it. Shirina and
// Visochina are X2 - X1 and Y2 - Y1 from the start of the drag, so size and direction stay.
void followHandle(ShapeRecord& shape, QPointF handle, int64_t Shirina, int64_t Visochina);

// Writes a shape into the copy buffer: "Shp", then kind, X1, Y1, X2, Y2, border colour, line
// width, fill style, fill colour and line style as decimal text. Entries after those stay.
void copyToBuffer(const ShapeRecord& shape, QStringList& buffer);

// The three drawing tools. x, y: the mouse in whole twips; the start point is in the tool
// state. While the button is held they show the rubber band; on release they make the shape
// when the drag was long enough.
void DrawBox(Workspace& workspace, int32_t x, int32_t y, int32_t PColor, bool Final);
void DrawLine(Workspace& workspace, int32_t x, int32_t y, int32_t PColor, bool Final);
void DrawCircle(Workspace& workspace, int32_t x, int32_t y, int32_t Color, bool Krag, bool Final);

// The tool object of one tool mode.
class ShapeTool : public CanvasTool {
public:
    enum class Mode { Box, Line, Ellipse, Circle };
    ShapeTool(Workspace& workspace, Mode mode) : m_workspace(workspace), m_mode(mode) {}
    void draw(int32_t x, int32_t y, int32_t colour, bool Final) override;

private:
    Workspace& m_workspace;
    Mode m_mode;
};

// Paints shape `slot` from its record; the painter works in twips.
void paintShape(QPainter& painter, const ElementStore& store, int slot);

// Makes the workspace's renderer paint the shapes.
// Describes shapes to the kind registry.
void registerKind(KindRegistry& kinds);

} // namespace Shapes
