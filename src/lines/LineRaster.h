#pragma once

#include <QImage>
#include <QPoint>
#include <QVector>
#include <vector>

// Lines drawn straight into the pixels of a picture: the repaint draws up to 255 connection
// lines, many of them dashed, and a general stroker needs milliseconds for that.
namespace LineRaster {

// Whether `image` is a picture this can draw into (32 bits a pixel).
bool canDrawInto(const QImage& image);

// A line through whole-pixel points, `width` pixels wide, in `colour`. `pattern` holds the on
// and off lengths in pixels, empty for a solid line; the dashes run on across the bends. A
// segment covers its start and not its end; along the axes the line's own row (column) is in
// the middle of its width, and a solid line reaches half its width past each bend, so the
// corner is square. Slanted segments are thickened across their main direction.
void drawPolyline(QImage& image, const QVector<QPoint>& points, int width,
                  const std::vector<int>& pattern, QRgb colour);

} // namespace LineRaster
