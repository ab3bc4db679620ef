#pragma once

#include <QColor>
#include <QLineF>
#include <QRectF>
#include <QVector>
#include <cstdint>
#include <optional>

class QImage;
class QPainter;

// Areas and ellipse outlines drawn straight into the pixels of a picture, for the same reason
// as the lines (LineRaster): a canvas of 255 shapes with hatches and dashed outlines is
// repainted on every change. Other devices get the painter's own drawing.
namespace ShapeRaster {

// Fills a rectangle or the ellipse inscribed in it (`twips`, the painter's coordinates) with a
// fill style: 0 solid, 1 none, 2 horizontal, 3 vertical, 4 rising (lower left to upper
// right), 5 falling, 6 cross and 7 diagonal cross hatch; other codes fill nothing. Hatch
// lines are one pixel wide, one every eight pixels, anchored at the painter's origin.
void fill(QPainter& painter, const QRectF& twips, bool ellipse, int32_t style,
          const QColor& colour);

// The outline of the ellipse inscribed in `twips`, `width` screen pixels wide, in a line
// style (as LineRaster) and a colour.
void strokeEllipse(QPainter& painter, const QRectF& twips, int width, int32_t style,
                   const QColor& colour);

// The hatch lines of `style` for a device that keeps paths: the lines across `reach` (the
// part of `twips` that can be seen), each cut to the rectangle or the ellipse inscribed in
// `twips`. Nothing when there would be too many lines to draw one by one.
std::optional<QVector<QLineF>> hatchLinesIn(const QRectF& twips, bool ellipse, int32_t style,
                                            const QRectF& reach);

// Whether the pixel (x, y) lies on a hatch line of `style`, the pattern anchored at (0, 0).
bool onHatch(int32_t style, int x, int y);

} // namespace ShapeRaster
