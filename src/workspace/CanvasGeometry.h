#pragma once

#include "workspace/ElementKind.h"

#include <QRectF>

class ElementStore;
struct PictureObject;
struct TextField;

// Fixed numbers of the canvas that several commands share, and where elements lie.
namespace CanvasGeometry {

// Every new picture object and text field starts here, whatever the scrolling.
constexpr double NewObjectLeft = 375;
constexpr double NewObjectTop = 120;
// Margin around the whole diagram when it is exported as an image.
constexpr double ExportMargin = 400;
// Room beyond the furthest element that scrolling always reaches.
constexpr double ScrollMargin = 400;
// How far the pick outlines and the search highlight stand outside their element.
constexpr double OutlineMargin = 40;

QRectF outlineAround(const QRectF& box);
QRectF pictureRect(const PictureObject& picture);
QRectF textRect(const TextField& text);

} // namespace CanvasGeometry
