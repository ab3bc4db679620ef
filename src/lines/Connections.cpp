#include "lines/Connections.h"

#include "common/Numeric.h"
#include "common/Prompter.h"
#include "common/Units.h"
#include "lines/LineRaster.h"
#include "workspace/CanvasGeometry.h"
#include "workspace/Workspace.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

namespace Connections {

namespace {

// The widest line drawn; a file may ask for any width.
constexpr int WidestLine = 100;

Qt::PenStyle penStyle(int32_t style) {
    switch (style) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

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

namespace {

// Dash patterns, in units of the line's width, as on and off lengths.
std::vector<int> dashPattern(int32_t style) {
    switch (style) {
    case 1:
        return {4, 2};
    case 2:
        return {1, 2};
    case 3:
        return {4, 2, 1, 2};
    case 4:
        return {4, 2, 1, 2, 1, 2};
    default:
        return {};
    }
}

// Draws a line of whole-pixel points in device pixels, `width` pixels wide, its dashes running
// on across the bends. Straight parts along the axes, which are most of a diagram's lines,
// are filled as rectangles; slanted ones as one quadrilateral per dash. (The general stroker
// needs several milliseconds for a canvas of dashed lines.)
class LinePen {
public:
    LinePen(QPainter& painter, int width, int32_t style)
        : m_painter(painter), m_width(width), m_pattern(dashPattern(style)) {
        for (int& length : m_pattern)
            length *= width;
    }

    void draw(const QVector<QPoint>& points) {
        for (int i = 0; i + 1 < points.size(); ++i) {
            // A solid line reaches half its width past each bend, so the corner is square.
            const bool bendBefore = i > 0;
            const bool bendAfter = i + 2 < points.size();
            segment(points[i], points[i + 1], bendBefore, bendAfter);
        }
    }

private:
    void segment(QPoint from, QPoint to, bool bendBefore, bool bendAfter) {
        const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
        double start = 0;
        double end = length;
        if (m_pattern.empty()) {
            if (bendBefore)
                start -= m_width / 2;
            if (bendAfter)
                end += m_width / 2;
            piece(from, to, length, start, end);
            return;
        }
        // Walk the pattern from where the last segment left it.
        double at = 0;
        while (at < length) {
            const int index = m_patternIndex;
            const double left = m_pattern[index] - m_patternDone;
            const double step = std::min(left, length - at);
            if (index % 2 == 0)
                piece(from, to, length, at, at + step);
            at += step;
            m_patternDone += step;
            if (m_patternDone >= m_pattern[index]) {
                m_patternDone = 0;
                m_patternIndex = (index + 1) % int(m_pattern.size());
            }
        }
    }

    // The part of the segment from `a` to `b` along it (pixels from `from`).
    void piece(QPoint from, QPoint to, double length, double a, double b) {
        if (b <= a)
            return;
        const int half = (m_width - 1) / 2;
        if (from.y() == to.y() || from.x() == to.x()) {
            // Along an axis: whole pixels, the line's own pixel row (column) in the middle.
            const int sign =
                (from.y() == to.y() ? to.x() - from.x() : to.y() - from.y()) < 0 ? -1 : 1;
            const int p = int(std::lround(a));
            const int q = int(std::lround(b));
            if (from.y() == to.y()) {
                const int x0 = from.x() + sign * p;
                const int x1 = from.x() + sign * q;
                m_painter.fillRect(QRect(std::min(x0, x1) + (sign < 0 ? 1 : 0), from.y() - half,
                                         std::abs(x1 - x0), m_width),
                                   m_painter.brush());
            } else {
                const int y0 = from.y() + sign * p;
                const int y1 = from.y() + sign * q;
                m_painter.fillRect(QRect(from.x() - half, std::min(y0, y1) + (sign < 0 ? 1 : 0),
                                         m_width, std::abs(y1 - y0)),
                                   m_painter.brush());
            }
            return;
        }
        const QPointF d = QPointF(to - from) / length;
        const QPointF p = QPointF(from) + d * a;
        const QPointF q = QPointF(from) + d * b;
        if (m_width == 1) {
            m_painter.setPen(QPen(m_painter.brush().color(), 0));
            m_painter.drawLine(p, q);
            m_painter.setPen(Qt::NoPen);
            return;
        }
        const QPointF n = QPointF(-d.y(), d.x()) * (m_width / 2.0);
        m_painter.drawPolygon(QPolygonF({p + n, q + n, q - n, p - n}));
    }

    QPainter& m_painter;
    int m_width;
    std::vector<int> m_pattern;
    int m_patternIndex = 0;
    double m_patternDone = 0;
};

} // namespace

void paintLine(QPainter& painter, const ElementStore& store, int slot) {
    Route r;
    if (!routeOf(store, slot, &r))
        return;
    const LineRecord& line = store.lines[slot];
    const QTransform transform = painter.combinedTransform();
    const QPolygonF twips = r.bent ? QPolygonF({r.first.p1(), r.first.p2(), r.second.p2()})
                                   : QPolygonF({r.first.p1(), r.first.p2()});
    const int requested = std::clamp(line.LineWidth, 1, WidestLine);
    const QColor colour = ColourToQColor(line.Colour);
    if (transform.type() > QTransform::TxScale) {
        // Turned or sheared: the general stroker, in twips.
        painter.setPen(QPen(colour, PixelsToTwips(requested), penStyle(line.LineStyle), Qt::FlatCap,
                            Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(twips);
        return;
    }
    // Widths are pixels of the screen; a scaled painter (a preview) scales them too.
    const double scale = std::sqrt(std::abs(transform.determinant())) * TwipsPerPixel;
    const int width = std::max(1, int(std::lround(requested * scale)));
    QVector<QPoint> points;
    for (const QPointF& p : transform.map(twips))
        points << QPoint(RoundHalfEven(p.x()), RoundHalfEven(p.y()));
    // A picture (the canvas bitmap, an export) takes the pixels straight.
    if (painter.device() && painter.device()->devType() == QInternal::Image &&
        !painter.hasClipping() &&
        painter.compositionMode() == QPainter::CompositionMode_SourceOver) {
        QImage& image = *static_cast<QImage*>(painter.device());
        // A shared picture would be copied on the first write, away from the painter.
        if (LineRaster::canDrawInto(image) && image.isDetached()) {
            std::vector<int> pattern = dashPattern(line.LineStyle);
            for (int& length : pattern)
                length *= width;
            LineRaster::drawPolyline(image, points, width, pattern, colour.rgb());
            return;
        }
    }
    painter.save();
    painter.resetTransform();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    LinePen(painter, width, line.LineStyle).draw(points);
    painter.restore();
}

void install(Workspace& ws) {
    ws.renderer().setLinePainter(&paintLine);
}

void placeHandles(Workspace& ws) {
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
        Route r;
        if (routeOf(ws.store, slot, &r))
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
        CanvasGeometry::outlineAround(CanvasGeometry::pictureRect(ws.store.objects[slot]));
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
    if (const int16_t slot = ws.FindEmpty(ElementStore::Lines)) {
        ws.store.lines[slot] = LineRecord{1,
                                          connection.first,
                                          connection.second,
                                          connection.lineType,
                                          ws.tools.lineColour,
                                          widthFromText(ws.tools.lineWidth),
                                          0};
        CanvasHandle& handle = ws.canvas.lineHandles[slot];
        Route r;
        if (routeOf(ws.store, slot, &r))
            handle.topLeft = r.handleTopLeft;
        // A new handle shows only while the handles are shown.
        handle.visible = ws.canvas.showHandles;
        ws.Pre4ertai();
    }
    ws.setOutline(0, false);
    ws.setOutline(1, false);
}

int32_t widthFromText(const QString& text) {
    bool ok = false;
    const double value = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok)
        return 1;
    return std::clamp(RoundHalfEven(value), 0, 32767);
}

} // namespace Connections
