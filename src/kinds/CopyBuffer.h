#pragma once

#include "workspace/ElementKind.h"

#include <QPointF>

class Workspace;

// The copy buffer of the diagram state: one element copied at a time, pasted any number of
// times. It is the program's own, not the system clipboard.
namespace CopyBuffer {

// Copies the element into the buffer as its kind writes it; false when the element is not
// there or its kind has no copy.
bool copy(Workspace& workspace, ElementRef element);

// Puts a new element made from the copy buffer at `at` (twips; the element's top-left corner,
// a line's start), as one step, telling the user what stopped it: the copied picture gone, a
// full buffer. A buffer holding no copy makes nothing. True when an element was made.
bool paste(Workspace& workspace, QPointF at);

} // namespace CopyBuffer
