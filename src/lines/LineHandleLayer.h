#pragma once

#include "workspace/HandleLayer.h"

#include <memory>

class LineCommands;
class Workspace;

// The line handles ManiConLine: a small light square on each line, where a right click opens
// the line menu. Above the picture objects, so a handle on a picture stays clickable.
namespace LineHandleLayer {
std::unique_ptr<HandleLayer> make(const Workspace& workspace, LineCommands& commands);
} // namespace LineHandleLayer
