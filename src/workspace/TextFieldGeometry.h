#pragma once

#include <QFont>
#include <QSizeF>

struct TextField;

// A text field sizes itself to its text; every place that needs its size (canvas, labels,
// search, extent, export) asks here so they all agree.
namespace TextFieldGeometry {
QFont font(const TextField& field);
// Width and height in twips.
QSizeF size(const TextField& field);
} // namespace TextFieldGeometry
