#pragma once

#include <QFont>
#include <QImage>
#include <QSizeF>

class QPainter;
class QRectF;
struct TextField;

// A text field sizes itself to its text; every place that needs its size (canvas, labels,
// search, extent, export) asks here so they all agree.
namespace TextFieldGeometry {
QFont font(const TextField& field);
// Width and height in twips.
QSizeF size(const TextField& field);
// Texts up to this many pixels are drawn once into a picture and kept; larger ones (a huge font,
// a very long text) are drawn straight onto the painter each time.
constexpr double LargestRenderedPixels = 4096.0 * 4096.0;
bool renderable(const TextField& field);
// The field's text drawn in its font and colour on a transparent picture of its size
// (pixels). Remembered, because drawing text is the slowest part of a repaint. Null for a
// text that is not renderable.
QImage rendered(const TextField& field);
// The field's text drawn straight into `box`, in pixels of a 96 dots-per-inch device.
void draw(QPainter& painter, const QRectF& box, const TextField& field);
} // namespace TextFieldGeometry
