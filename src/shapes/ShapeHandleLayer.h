#pragma once

#include "workspace/HandleLayer.h"

#include <QImage>
#include <memory>

class Workspace;

// The shape handles ManiShape: one small picture per shape, showing what kind of shape it
// belongs to, by which the shape is moved (left button) and edited (right button).
namespace ShapeHandleLayer {
// The three handle pictures, 17 x 17 pixels: a rectangle, a line, a circle.
const QImage& RectPic();
const QImage& LinePic();
const QImage& CirclePic();
std::unique_ptr<HandleLayer> make(const Workspace& workspace, CanvasMouseHandler& commands);
} // namespace ShapeHandleLayer
