#pragma once

#include "workspace/HandleLayer.h"

#include <memory>

class Workspace;

// The resize handles Manip(1..4), above every other handle.
namespace ResizeHandleLayer {
std::unique_ptr<HandleLayer> make(const Workspace& workspace, CanvasMouseHandler& commands);
} // namespace ResizeHandleLayer
