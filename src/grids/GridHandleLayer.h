#pragma once

#include "workspace/HandleLayer.h"

#include <QImage>
#include <memory>

class Workspace;

// The grid handles ManiTable: a small table picture on each grid's top-left corner, by which
// the grid is moved and edited.
namespace GridHandleLayer {
// The handle picture, 17 x 17 pixels.
const QImage& picture();
std::unique_ptr<HandleLayer> make(const Workspace& workspace, CanvasMouseHandler& commands);
} // namespace GridHandleLayer
