#pragma once

#include <QLineF>
#include <QPointF>
#include <QSizeF>
#include <cstdint>

class ElementStore;
class QPainter;
class KindRegistry;
class Workspace;
struct PictureObject;

// Connection lines: joining two picture objects, their routing between the objects' centres,
// their painting in the repaint and the places of their handles.
namespace Connections {

// The line handle ManiConLine: 90 x 90 twips.
constexpr double HandleSize = 90;

// Where a line of a type runs between the anchors A and B, and where its handle goes.
struct Route {
    QLineF first;
    QLineF second; // types 1 and 3; type 2 has one segment
    bool bent = false;
    QPointF handleTopLeft;
};

// The centre of a picture object, where its lines end.
QPointF anchor(const PictureObject& object);
// Types 1 and 3 bend once (type 1 leaves A vertically when B lies lower, type 3 when B lies
// higher); type 2 runs straight. Any other type is drawn as type 2.
Route route(int lineType, QPointF a, QPointF b, QSizeF handle = QSizeF(HandleSize, HandleSize));
// The route of a used line between two used objects; false when either end is missing.
bool routeOf(const ElementStore& store, int slot, Route* out);

// Paints line `slot` in twips (its width in pixels, its style, its colour).
void paintLine(QPainter& painter, const ElementStore& store, int slot);
// Makes the workspace's renderer draw the lines: the editor does it at start, and so must
// anything else that renders a diagram (the command-line export).
// Describes connection lines to the kind registry.
void registerKind(KindRegistry& kinds);
// Puts every line's handle on its route, as the repaint does.
void placeHandles(Workspace& workspace);

// A connect command: the next two left clicks on picture objects pick the ends.
void startConnection(Workspace& workspace, int16_t lineType);
// A left click on a picture object while connecting; false when no connection is under way.
bool pick(Workspace& workspace, int16_t slot);
// Makes the line from the two picks.
void Svurji(Workspace& workspace);

} // namespace Connections
