#pragma once

#include <QFont>
#include <QImage>
#include <QSizeF>

struct TextField;

// A text field sizes itself to its text; every place that needs its size (canvas, labels,
// search, extent, export) asks here so they all agree.
namespace TextFieldGeometry {
QFont font(const TextField& field);
// Width and height in twips.
QSizeF size(const TextField& field);
// The field's text drawn in its font and colour on a transparent picture of its size
// (pixels). Remembered, because drawing text is the slowest part of a repaint.
QImage rendered(const TextField& field);
} // namespace TextFieldGeometry
