#pragma once

#include <QString>
#include <array>

// The zoom steps of the canvas, in per cent. The view's zoom is always one of them.
namespace Zoom {

constexpr std::array<int, 8> Steps = {25, 50, 75, 100, 150, 200, 300, 400};
constexpr double Least = Steps.front() / 100.0;
constexpr double Most = Steps.back() / 100.0;

// The step a zoom shows, rounded to the nearest whole per cent.
int percent(double zoom);
// The next step above or below a zoom; the last one stays.
double zoomIn(double zoom);
double zoomOut(double zoom);
// The step `notches` wheel notches away (positive: in), within the steps.
double stepsAway(double zoom, int notches);
// "Мащаб: 200 %".
QString caption(double zoom);

} // namespace Zoom
