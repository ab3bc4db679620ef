#pragma once

#include "workspace/ElementKind.h"

#include <QRectF>

class Workspace;

// The four resize handles Manip(1..4) at the outer corners of one element's box: a picture
// object ("Kartinka"), a shape ("Figura") or a grid ("Tablica"). Handle 1 is the top-left,
// 2 the top-right, 3 the bottom-left and 4 the bottom-right one; the box lies exactly between
// them.
namespace ResizeHandles {

constexpr double Size = 90; // twips

// Whether the handles resize elements of a kind: those whose kind has a resize tag.
bool resizable(const Workspace& workspace, ElementKind kind);
// The box the handles enclose: the element's box as its kind gives it (a picture object's
// rectangle, a shape's box from the smaller and larger of its coordinates, a grid's
// rectangle).
QRectF box(const Workspace& workspace, ElementRef element);
// Shows the handles around `element` and the selection outline around them; sets Izbr and
// the kind tag. The caller stops the drawing tools first.
void show(Workspace& workspace, ElementRef element);
// Puts the selection outline around the four handles again.
void encloseHandles(Workspace& workspace);

// Handles closer than this (left to left, top to top) are pushed apart.
constexpr double LeastSpacing = 300;
constexpr double PushBack = 100;
// However fast the mouse, an element keeps at least one pixel: a dragged handle stops this
// far (its own size and a pixel) short of the handle across the element.
constexpr double LeastGap = Size + 15;

// After handle `index` was moved by the mouse: keeps the element at least a pixel wide and
// high, pushes the handle back when it came too close to its neighbour, makes the element
// and the other handles follow, and encloses the handles again. True when the push-back
// ended the drag.
bool handleMoved(Workspace& workspace, int index);
// On release: a picture object takes the size between the handles, its picture stretched
// smoothly to it, and becomes the diagram's own ("SKETCHPAD"). Shapes and grids already
// have their size.
void finishResize(Workspace& workspace);

} // namespace ResizeHandles
