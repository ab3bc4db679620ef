#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstdint>

class KindRegistry;
class Workspace;

// Making text fields: new ones from the template, and labels that carry a picture object's
// name beside it. A label is an ordinary text field once made; nothing links it to its object.
namespace TextFields {

// Describes text fields to the kind registry.
void registerKind(KindRegistry& kinds);

// The caption every new text field starts with.
QString templateCaption();
// The gap between a picture object and its label, twips.
constexpr double LabelGap = 255;

// The sides a label can stand on.
enum Position : int { Below = 1, Above = 2, Left = 3, Right = 4 };

// Takes the lowest free text slot and puts a visible text field there, made from the
// template with the program font, at (left, top). When the buffer is full both messages are
// shown (the store's, then this one) and 0 comes back.
int16_t create(Workspace& workspace, const QString& caption, double left, double top);
// The message after the store's own when no text slot is free.
void reportFullBuffer(Workspace& workspace);

// Where a label of `label` size stands beside `object` (twips). Worked out in single
// precision and not rounded, so a label may lie partly outside the canvas.
QPointF labelPosition(const QRectF& object, const QSizeF& label, int position);

enum class LabelResult { Made, Unnamed, BufferFull };
// A label with the name of picture object `objectSlot` on side `position`. An object without
// a name gets none and no message; a full text buffer is reported.
LabelResult makeLabel(Workspace& workspace, int16_t objectSlot, int position);

// Labels for every named picture object, in slot order; gives the number made. A full buffer
// is reported once per named object that got no label.
int makeLabels(Workspace& workspace, int position);

} // namespace TextFields
