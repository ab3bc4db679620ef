#include "lines/Connections.h"

#include "common/Numeric.h"
#include "common/Prompter.h"
#include "common/Units.h"
#include "workspace/CanvasGeometry.h"
#include "workspace/KindRegistry.h"
#include "workspace/LineRaster.h"
#include "workspace/Workspace.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

namespace Connections {

namespace {

bool usedObject(const ElementStore& store, int slot) {
    return slot >= 1 && slot <= ElementStore::Capacity &&
           store.objectStatus[slot] == ElementStore::Used;
}

void message(Workspace& ws, const QString& text) {
    ws.prompter().message(QStringLiteral("Съобщение"), text, Prompter::Icon::Information,
                          Prompter::Buttons::Ok);
}

} // namespace

QPointF anchor(const PictureObject& object) {
    return QPointF(object.Left + object.Width / 2, object.Top + object.Height / 2);
}

Route route(int lineType, QPointF a, QPointF b, QSizeF handle) {
    const double w = handle.width();
    const double h = handle.height();
    Route r;
    // Vertical first: down to B's height, then across to B.
    const auto downThenAcross = [&] {
        r.first = QLineF(a, QPointF(a.x(), b.y()));
        r.second = QLineF(QPointF(a.x(), b.y()), b);
        r.bent = true;
        r.handleTopLeft = QPointF(a.x() - w / 2, b.y() - h / 2);
    };
    // Horizontal first: across to B's x, then down or up to B.
    const auto acrossThenDown = [&] {
        r.first = QLineF(a, QPointF(b.x(), a.y()));
        r.second = QLineF(QPointF(b.x(), a.y()), b);
        r.bent = true;
        r.handleTopLeft = QPointF(b.x() - w / 2, a.y() - h / 2);
    };
    if (lineType == 1) {
        if (b.y() > a.y())
            downThenAcross();
        else
            acrossThenDown();
    } else if (lineType == 3) {
        if (b.y() >= a.y())
            acrossThenDown();
        else
            downThenAcross();
    } else {
        r.first = QLineF(a, b);
        // The midpoint as smaller + half the distance; the handle's corner half a handle
        // right of and below it.
        const double mx = std::min(a.x(), b.x()) + std::abs(b.x() - a.x()) / 2;
        const double my = std::min(a.y(), b.y()) + std::abs(b.y() - a.y()) / 2;
        r.handleTopLeft = QPointF(mx + w / 2, my + h / 2);
    }
    return r;
}

bool routeOf(const ElementStore& store, int slot, Route* out) {
    const LineRecord& line = store.lines[slot];
    if (line.Used == 0 || !usedObject(store, line.FromObject) || !usedObject(store, line.ToObject))
        return false;
    *out = route(line.LineType, anchor(store.objects[line.FromObject]),
                 anchor(store.objects[line.ToObject]));
    return true;
}

void paintLine(QPainter& painter, const ElementStore& store, int slot) {
    Route r;
    if (!routeOf(store, slot, &r))
        return;
    const LineRecord& line = store.lines[slot];
    const QPolygonF twips = r.bent ? QPolygonF({r.first.p1(), r.first.p2(), r.second.p2()})
                                   : QPolygonF({r.first.p1(), r.first.p2()});
    LineRaster::stroke(painter, twips, line.LineWidth, line.LineStyle, ColourToQColor(line.Colour));
}

void registerKind(KindRegistry& kinds) {
    KindDescriptor d;
    d.kind = ElementKind::Line;
    d.slotCount = ElementStore::Capacity;
    d.fileTags = {QStringLiteral("[LIN]")};
    // Painted by the repaint, slot by slot, each line before the shape of its slot.
    d.persistent = true;
    d.paintPass = 0;
    d.paintRank = 0;
    d.paint = &paintLine;
    d.present = [](const ElementStore& store, int slot) { return store.lines[slot].Used != 0; };
    // A line goes where its objects are: it has no place of its own in the extent.
    d.inExtent = false;
    d.box = [](const ElementStore& store, int slot) {
        Route r;
        if (!routeOf(store, slot, &r))
            return QRectF();
        return QRectF(r.first.p1(), r.first.p2())
            .normalized()
            .united(r.bent ? QRectF(r.second.p1(), r.second.p2()).normalized() : QRectF());
    };
    // The style stays until the slot is used again.
    d.erase = [](ElementStore& store, int slot) {
        LineRecord& line = store.lines[slot];
        line.Used = line.FromObject = line.ToObject = line.LineType = line.Colour = line.LineWidth =
            0;
    };
    kinds.add(std::move(d));
}

void placeHandles(Workspace& ws) {
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
        Route r;
        if (routeOf(ws.store(), slot, &r))
            ws.canvas.lineHandles[slot].topLeft = r.handleTopLeft;
    }
}

void startConnection(Workspace& ws, int16_t lineType) {
    ws.setCanvasPointer(Qt::CrossCursor);
    ws.diagram.connection.step = ConnectionState::WaitForFirst;
    ws.diagram.connection.lineType = lineType;
    if (lineType == 1 && ws.settings.ShowInfo)
        message(ws, QStringLiteral("Изберете първия от двата обекта на връзката."));
}

bool pick(Workspace& ws, int16_t slot) {
    ConnectionState& connection = ws.diagram.connection;
    const QRectF outline =
        CanvasGeometry::outlineAround(CanvasGeometry::pictureRect(ws.store().objects[slot]));
    if (connection.step == ConnectionState::WaitForFirst) {
        ws.setOutline(0, true, outline);
        connection.first = slot;
        connection.step = ConnectionState::WaitForSecond;
        if (ws.settings.ShowInfo)
            message(ws, QStringLiteral("Изберете втория от двата обекта на връзката."));
        return true;
    }
    if (connection.step == ConnectionState::WaitForSecond) {
        ws.setOutline(1, true, outline);
        connection.second = slot;
        connection.step = ConnectionState::None;
        Svurji(ws);
        return true;
    }
    return false;
}

void Svurji(Workspace& ws) {
    const ConnectionState& connection = ws.diagram.connection;
    if (const int16_t slot = ws.FindEmpty(ElementKind::Line)) {
        ws.edit(QStringLiteral("Свързване")).store().lines[slot] =
            LineRecord{1,
                       connection.first,
                       connection.second,
                       connection.lineType,
                       ws.tools.lineColour,
                       ws.tools.lineWidthValue(),
                       0};
        CanvasHandle& handle = ws.canvas.lineHandles[slot];
        Route r;
        if (routeOf(ws.store(), slot, &r))
            handle.topLeft = r.handleTopLeft;
        // A new handle shows only while the handles are shown.
        handle.visible = ws.canvas.showHandles;
        ws.Pre4ertai();
    }
    ws.setOutline(0, false);
    ws.setOutline(1, false);
}

} // namespace Connections
