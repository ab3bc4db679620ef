#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPolygonF>
#include <QVector>
#include <cstdint>
#include <vector>

class QPainter;
class QPen;

// Lines drawn straight into the pixels of a picture: the repaint draws up to 255 connection
// lines, 255 shapes and ten grids, many of them dashed, and a general stroker needs
// milliseconds for that. Connection lines, shape outlines and grid lattices all go through
// here, so they look alike.
namespace LineRaster {

// The widest line drawn; a file may ask for any width.
constexpr int WidestLine = 100;

// Whether `image` is a picture this can draw into (32 bits a pixel).
bool canDrawInto(const QImage& image);

// A line through whole-pixel points, `width` pixels wide, in `colour`. `pattern` holds the on
// and off lengths in pixels, empty for a solid line; the dashes run on across the bends. A
// segment covers its start and not its end; along the axes the line's own row (column) is in
// the middle of its width, and a solid line reaches half its width past each bend, so the
// corner is square. A closed line bends at its first point too. Slanted segments are
// thickened across their main direction.
void drawPolyline(QImage& image, const QVector<QPoint>& points, int width,
                  const std::vector<int>& pattern, QRgb colour, bool closed = false);

// The on and off lengths of a line style, in pixels for a line `width` pixels wide: 0 solid
// (empty), 1 dashes, 2 dots, 3 dash-dot, 4 dash-dot-dot. Other codes are solid.
std::vector<int> dashPattern(int32_t style, int width);

// The pen of a line `width` screen pixels wide in a line style, for devices that keep paths:
// its width in twips (15 a pixel) and its dashes as long as on the screen.
QPen vectorPen(int width, int32_t style, const QColor& colour);

// Strokes a polyline given in the painter's coordinates (twips on the canvas), `width` screen
// pixels wide (scaled with a scaled painter), in a line style and a colour. The canvas bitmap
// and exported pictures take the pixels straight; a printer or a PDF gets the path with
// `vectorPen`, other devices filled rectangles and quadrilaterals, and a turned painter the
// general stroker.
void stroke(QPainter& painter, const QPolygonF& points, int width, int32_t style,
            const QColor& colour, bool closed = false);

} // namespace LineRaster
