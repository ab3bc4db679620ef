#pragma once

#include <QImage>
#include <functional>

// The pixel work behind "Завъртане / обръщане": mirrors and the exchange of rows and columns.
// Every result keeps the picture's format, colour table and alpha; a null picture gives a
// null picture.
namespace Orientation {

// Called as columns of the source are finished: (columns done, all columns).
using Progress = std::function<void(int done, int total)>;

// Left to right: result (x, y) = source (W - 1 - x, y).
QImage mirroredLeftRight(const QImage& picture);
// Top to bottom: result (x, y) = source (x, H - 1 - y).
QImage mirroredTopBottom(const QImage& picture);

// Rows become columns: result (x, y) = source (y, x), so a W x H picture gives H x W. The
// top-left pixel stays in place. `progress` hears after every strip of source columns and
// last with (W, W). Null when the result cannot be allocated.
QImage transposed(const QImage& picture, const Progress& progress = {});

} // namespace Orientation
