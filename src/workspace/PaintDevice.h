#pragma once

class QPainter;

namespace PaintDevice {

// Whether a painter draws onto a device that keeps what it is given as drawing commands (a
// printer, a PDF or SVG file, a recorded picture) rather than onto pixels. Such devices get
// texts as text, lines and shapes as paths with their widths in twips, hatches as lines and
// pictures at their own pixels; pictures and widgets get the pixel-exact drawing of the screen.
bool isVector(const QPainter& painter);

} // namespace PaintDevice
