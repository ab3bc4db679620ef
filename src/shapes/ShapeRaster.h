#pragma once

#include <QColor>
#include <QRectF>
#include <cstdint>

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

// Whether the pixel (x, y) lies on a hatch line of `style`, the pattern anchored at (0, 0).
bool onHatch(int32_t style, int x, int y);

} // namespace ShapeRaster
