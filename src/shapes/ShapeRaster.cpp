#include "shapes/ShapeRaster.h"

#include "common/Numeric.h"
#include "common/Units.h"
#include "workspace/DiagramRenderer.h"
#include "workspace/LineRaster.h"
#include "workspace/PaintDevice.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace ShapeRaster {

namespace {

int modulo8(long long value) {
    return int(((value % 8) + 8) % 8);
}

// The picture behind a painter when its pixels can be written straight, else null.
QImage* directImage(QPainter& painter) {
    if (painter.combinedTransform().type() > QTransform::TxScale || !painter.device() ||
        painter.device()->devType() != QInternal::Image || painter.hasClipping() ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    QImage* image = static_cast<QImage*>(painter.device());
    // A shared picture would be copied on the first write, away from the painter.
    if (!LineRaster::canDrawInto(*image) || !image->isDetached() || image->isNull())
        return nullptr;
    return image;
}

// Writes spans of one colour, clipped to the picture.
class Pixels {
public:
    Pixels(QImage& image, const QColor& colour)
        : m_bits(image.bits()), m_stride(image.bytesPerLine()), m_width(image.width()),
          m_height(image.height()), m_colour(colour.rgb() | 0xFF000000) {}

    int width() const { return m_width; }
    int height() const { return m_height; }

    void span(int y, int x0, int x1) { // x1 included
        if (QRgb* row = clippedRow(y, x0, x1))
            std::fill(row + x0, row + x1 + 1, m_colour);
    }

    // Every eighth pixel of a span, those whose x is `residue` modulo 8.
    void everyEighth(int y, int x0, int x1, int residue) {
        if (QRgb* row = clippedRow(y, x0, x1))
            for (int x = x0 + modulo8(residue - x0); x <= x1; x += 8)
                row[x] = m_colour;
    }

private:
    // The row of a span clipped to the picture, or null when nothing of it is inside.
    QRgb* clippedRow(int y, int& x0, int& x1) const {
        if (y < 0 || y >= m_height)
            return nullptr;
        x0 = std::max(x0, 0);
        x1 = std::min(x1, m_width - 1);
        if (x0 > x1)
            return nullptr;
        return reinterpret_cast<QRgb*>(m_bits + qsizetype(y) * m_stride);
    }

    uchar* m_bits;
    qsizetype m_stride;
    int m_width;
    int m_height;
    QRgb m_colour;
};

// One row of an area by the fill style; the hatch is anchored at `origin`.
void fillSpan(Pixels& pixels, int32_t style, QPoint origin, int y, int x0, int x1) {
    const int row = y - origin.y();
    const bool onRow = modulo8(row) == 0;
    switch (style) {
    case 0:
        pixels.span(y, x0, x1);
        break;
    case 2:
        if (onRow)
            pixels.span(y, x0, x1);
        break;
    case 3:
        pixels.everyEighth(y, x0, x1, origin.x());
        break;
    case 4:
        pixels.everyEighth(y, x0, x1, origin.x() - row);
        break;
    case 5:
        pixels.everyEighth(y, x0, x1, origin.x() + row);
        break;
    case 6:
        if (onRow)
            pixels.span(y, x0, x1);
        else
            pixels.everyEighth(y, x0, x1, origin.x());
        break;
    case 7:
        pixels.everyEighth(y, x0, x1, origin.x() - row);
        pixels.everyEighth(y, x0, x1, origin.x() + row);
        break;
    default:
        break;
    }
}

QBrush fillBrush(int32_t style, const QColor& colour) {
    switch (style) {
    case 0:
        return QBrush(colour);
    case 2:
        return QBrush(colour, Qt::HorPattern);
    case 3:
        return QBrush(colour, Qt::VerPattern);
    case 4:
        return QBrush(colour, Qt::BDiagPattern);
    case 5:
        return QBrush(colour, Qt::FDiagPattern);
    case 6:
        return QBrush(colour, Qt::CrossPattern);
    case 7:
        return QBrush(colour, Qt::DiagCrossPattern);
    default:
        return QBrush(Qt::NoBrush);
    }
}

// An ellipse in device pixels: pixel (i, j) lies on the curve at (round(x), round(y)).
struct DeviceEllipse {
    double cx, cy, rx, ry;
};

DeviceEllipse deviceEllipse(const QTransform& transform, const QRectF& twips) {
    const QRectF box = transform.mapRect(twips);
    return {box.center().x(), box.center().y(), box.width() / 2, box.height() / 2};
}

// The pixels of the outline in order around the ellipse, clockwise from the top, each with
// the direction it is stepped in (true: along x, so its width runs along y).
struct OutlinePixel {
    int x;
    int y;
    bool alongX;
};

void quadrant(const DeviceEllipse& e, int sx, int sy, bool reversed,
              std::vector<OutlinePixel>& out) {
    std::vector<OutlinePixel> chain;
    const double a = e.rx;
    const double b = e.ry;
    const double turn = (a > 0 || b > 0) ? a * a / std::hypot(a, b) : 0;
    // Where the slope is gentle: one pixel per column, from the top (or bottom) outwards.
    const int i0 = RoundHalfEven(e.cx);
    const int i1 = RoundHalfEven(e.cx + sx * turn);
    for (int i = i0;; i += sx) {
        const double x = std::max(0.0, (i - e.cx) * sx);
        const double t = a > 0 ? std::min(1.0, x / a) : 1.0;
        chain.push_back({i, RoundHalfEven(e.cy + sy * b * std::sqrt(1 - t * t)), true});
        if (i == i1)
            break;
    }
    // Where it is steep: one pixel per row, on to the side.
    const int jEnd = RoundHalfEven(e.cy);
    for (int j = chain.back().y; j != jEnd;) {
        j -= sy;
        const double y = std::max(0.0, (j - e.cy) * sy);
        const double t = b > 0 ? std::min(1.0, y / b) : 1.0;
        chain.push_back({RoundHalfEven(e.cx + sx * a * std::sqrt(1 - t * t)), j, false});
    }
    if (reversed)
        std::reverse(chain.begin(), chain.end());
    for (const OutlinePixel& p : chain)
        if (out.empty() || out.back().x != p.x || out.back().y != p.y)
            out.push_back(p);
}

// The outline as a closed polygon in the painter's units, for devices without direct pixels.
QPolygonF outlinePolygon(const QRectF& twips, const QTransform& transform) {
    const double a = twips.width() / 2;
    const double b = twips.height() / 2;
    const QPointF c = twips.center();
    const double perimeter = M_PI * (3 * (a + b) - std::sqrt((3 * a + b) * (a + 3 * b)));
    const double scale = std::sqrt(std::abs(transform.determinant()));
    const int count = std::clamp(int(perimeter * scale / 4), 8, 2048);
    QPolygonF points;
    points.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double angle = 2 * M_PI * i / count;
        points << QPointF(c.x() + a * std::cos(angle), c.y() + b * std::sin(angle));
    }
    return points;
}

// The hatch period and line width in twips: one line every eight pixels, one pixel wide.
constexpr double HatchPeriod = 8.0 * TwipsPerPixel;
constexpr double HatchWidth = TwipsPerPixel;
// More hatch lines than this in one shape are finer than any page shows; the pattern brush
// stands in for them.
constexpr long long MostHatchLines = 20000;

// The hatch lines of a style across `area` (twips), on the same pixels as the screen's: a
// line's middle is where the middle of the screen's pixel row, column or diagonal is.
QVector<QLineF> hatchLines(int32_t style, const QRectF& area) {
    QVector<QLineF> lines;
    const double half = HatchWidth / 2;
    auto first = [](double from) { return (long long)std::ceil(from / HatchPeriod); };
    auto last = [](double to) { return (long long)std::floor(to / HatchPeriod); };
    auto count = [&](double from, double to) { return std::max(0LL, last(to) - first(from) + 1); };
    const bool rows = style == 2 || style == 6;
    const bool columns = style == 3 || style == 6;
    const bool rising = style == 4 || style == 7;
    const bool falling = style == 5 || style == 7;
    const double l = area.left(), r = area.right(), t = area.top(), b = area.bottom();
    long long total = 0;
    if (rows)
        total += count(t - half, b - half);
    if (columns)
        total += count(l - half, r - half);
    if (rising)
        total += count(l + t - 2 * half, r + b - 2 * half);
    if (falling)
        total += count(l - b, r - t);
    if (total > MostHatchLines)
        return {};
    lines.reserve(int(total));
    if (rows)
        for (long long k = first(t - half); k <= last(b - half); ++k)
            lines << QLineF(l, k * HatchPeriod + half, r, k * HatchPeriod + half);
    if (columns)
        for (long long k = first(l - half); k <= last(r - half); ++k)
            lines << QLineF(k * HatchPeriod + half, t, k * HatchPeriod + half, b);
    if (rising) // x + y = c
        for (long long k = first(l + t - 2 * half); k <= last(r + b - 2 * half); ++k) {
            const double c = k * HatchPeriod + 2 * half;
            lines << QLineF(l, c - l, r, c - r);
        }
    if (falling) // x - y = c
        for (long long k = first(l - b); k <= last(r - t); ++k) {
            const double c = k * HatchPeriod;
            lines << QLineF(l, l - c, r, r - c);
        }
    return lines;
}

// The part of `line` inside `box` (Liang-Barsky), and inside the ellipse inscribed in `area`
// when `ellipse`; nothing when no part is. The hatches are cut here rather than by the
// device's clip, which not every vector device keeps (an SVG file does not).
std::optional<QLineF> clipHatch(const QLineF& line, const QRectF& box, const QRectF& area,
                                bool ellipse) {
    double t0 = 0, t1 = 1;
    const double dx = line.dx(), dy = line.dy();
    const auto edge = [&](double p, double q) {
        if (p == 0)
            return q >= 0;
        const double t = q / p;
        if (p < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        return t0 <= t1;
    };
    if (!edge(-dx, line.x1() - box.left()) || !edge(dx, box.right() - line.x1()) ||
        !edge(-dy, line.y1() - box.top()) || !edge(dy, box.bottom() - line.y1()))
        return std::nullopt;
    if (ellipse) {
        const double a = area.width() / 2, b = area.height() / 2;
        if (!(a > 0) || !(b > 0))
            return std::nullopt;
        const QPointF c = area.center();
        const double ux = (line.x1() - c.x()) / a, uy = (line.y1() - c.y()) / b;
        const double vx = dx / a, vy = dy / b;
        const double qa = vx * vx + vy * vy, qb = 2 * (ux * vx + uy * vy);
        const double qc = ux * ux + uy * uy - 1;
        const double disc = qb * qb - 4 * qa * qc;
        if (!(qa > 0) || disc <= 0)
            return std::nullopt;
        const double root = std::sqrt(disc);
        t0 = std::max(t0, (-qb - root) / (2 * qa));
        t1 = std::min(t1, (-qb + root) / (2 * qa));
    }
    if (!(t0 < t1))
        return std::nullopt;
    return QLineF(line.pointAt(t0), line.pointAt(t1));
}

// A fill on a device that keeps paths: solid as an area, hatches as lines cut to it.
void fillVector(QPainter& painter, const QRectF& twips, bool ellipse, int32_t style,
                const QColor& colour) {
    QPainterPath area;
    if (ellipse)
        area.addEllipse(twips);
    else
        area.addRect(twips);
    if (style == 0) {
        painter.fillPath(area, colour);
        return;
    }
    const QRectF reach = twips.normalized() & DiagramRenderer::reachableArea(painter);
    if (reach.isEmpty())
        return;
    const std::optional<QVector<QLineF>> lines = hatchLinesIn(twips, ellipse, style, reach);
    painter.save();
    if (!lines) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(fillBrush(style, colour));
        painter.drawPath(area);
    } else {
        painter.setPen(QPen(colour, HatchWidth, Qt::SolidLine, Qt::FlatCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawLines(*lines);
    }
    painter.restore();
}

} // namespace

std::optional<QVector<QLineF>> hatchLinesIn(const QRectF& twips, bool ellipse, int32_t style,
                                            const QRectF& reach) {
    const QVector<QLineF> lines = hatchLines(style, reach);
    if (lines.isEmpty())
        return std::nullopt;
    QVector<QLineF> cut;
    cut.reserve(lines.size());
    for (const QLineF& line : lines)
        if (const std::optional<QLineF> part = clipHatch(line, reach, twips.normalized(), ellipse))
            cut << *part;
    return cut;
}

bool onHatch(int32_t style, int x, int y) {
    const bool row = modulo8(y) == 0;
    const bool column = modulo8(x) == 0;
    const bool rising = modulo8((long long)x + y) == 0;
    const bool falling = modulo8((long long)x - y) == 0;
    switch (style) {
    case 0:
        return true;
    case 2:
        return row;
    case 3:
        return column;
    case 4:
        return rising;
    case 5:
        return falling;
    case 6:
        return row || column;
    case 7:
        return rising || falling;
    default:
        return false;
    }
}

void fill(QPainter& painter, const QRectF& twips, bool ellipse, int32_t style,
          const QColor& colour) {
    if (style == 1 || style < 0 || style > 7)
        return;
    if (PaintDevice::isVector(painter)) {
        fillVector(painter, twips, ellipse, style, colour);
        return;
    }
    const QTransform transform = painter.combinedTransform();
    if (QImage* image = directImage(painter)) {
        Pixels pixels(*image, colour);
        const QPointF o = transform.map(QPointF(0, 0));
        const QPoint origin(RoundHalfEven(o.x()), RoundHalfEven(o.y()));
        if (!ellipse) {
            const QRectF device = transform.mapRect(twips);
            const int x0 = RoundHalfEven(device.left());
            const int x1 = RoundHalfEven(device.right());
            const int y0 = std::max(RoundHalfEven(device.top()), 0);
            const int y1 = std::min(RoundHalfEven(device.bottom()), pixels.height() - 1);
            for (int y = y0; y <= y1; ++y)
                fillSpan(pixels, style, origin, y, x0, x1);
            return;
        }
        const DeviceEllipse e = deviceEllipse(transform, twips);
        const int y0 = std::max(RoundHalfEven(e.cy - e.ry), 0);
        const int y1 = std::min(RoundHalfEven(e.cy + e.ry), pixels.height() - 1);
        for (int y = y0; y <= y1; ++y) {
            const double t = e.ry > 0 ? std::min(1.0, std::abs(y - e.cy) / e.ry) : 0.0;
            const double half = e.rx * std::sqrt(1 - t * t);
            fillSpan(pixels, style, origin, y, RoundHalfEven(e.cx - half),
                     RoundHalfEven(e.cx + half));
        }
        return;
    }
    // Any other device: the painter's patterns, which lie on its pixels too.
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(fillBrush(style, colour));
    if (transform.type() <= QTransform::TxScale) {
        const QPointF o = transform.map(QPointF(0, 0));
        painter.setBrushOrigin(QPoint(RoundHalfEven(o.x()), RoundHalfEven(o.y())));
    }
    if (ellipse)
        painter.drawEllipse(twips);
    else
        painter.drawRect(twips);
    painter.restore();
}

void strokeEllipse(QPainter& painter, const QRectF& twips, int width, int32_t style,
                   const QColor& colour) {
    if (PaintDevice::isVector(painter)) {
        painter.save();
        painter.setPen(LineRaster::vectorPen(width, style, colour));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(twips);
        painter.restore();
        return;
    }
    const QTransform transform = painter.combinedTransform();
    QImage* image = directImage(painter);
    if (!image) {
        LineRaster::stroke(painter, outlinePolygon(twips, transform), width, style, colour, true);
        return;
    }
    const double scale = std::sqrt(std::abs(transform.determinant())) * 15;
    const int pixelsWide =
        std::max(1, int(std::lround(std::clamp(width, 1, LineRaster::WidestLine) * scale)));
    const DeviceEllipse e = deviceEllipse(transform, twips);
    // Far outside the picture there is nothing to draw; a file may hold anything.
    const double reach = e.rx + e.ry + pixelsWide;
    if (e.cx + reach < 0 || e.cy + reach < 0 || e.cx - reach > image->width() ||
        e.cy - reach > image->height() || reach > 1e5)
        return;
    std::vector<OutlinePixel> outline;
    quadrant(e, +1, -1, false, outline); // top to right
    quadrant(e, +1, +1, true, outline);  // right to bottom
    quadrant(e, -1, +1, false, outline); // bottom to left
    quadrant(e, -1, -1, true, outline);  // left to top

    Pixels pixels(*image, colour);
    const std::vector<int> pattern = LineRaster::dashPattern(style, pixelsWide);
    const int half = (pixelsWide - 1) / 2;
    std::size_t entry = 0;
    double into = 0;
    for (std::size_t k = 0; k < outline.size(); ++k) {
        const OutlinePixel& p = outline[k];
        if (!pattern.empty() && k > 0) {
            const OutlinePixel& before = outline[k - 1];
            const int dx = std::abs(p.x - before.x);
            const int dy = std::abs(p.y - before.y);
            into += (dx <= 1 && dy <= 1) ? (dx && dy ? M_SQRT2 : 1.0) : std::hypot(dx, dy);
            while (into >= pattern[entry]) {
                into -= pattern[entry];
                entry = (entry + 1) % pattern.size();
            }
        }
        if (entry % 2 != 0)
            continue;
        if (p.alongX) {
            for (int y = p.y - half; y < p.y - half + pixelsWide; ++y)
                pixels.span(y, p.x, p.x);
        } else {
            pixels.span(p.y, p.x - half, p.x - half + pixelsWide - 1);
        }
    }
}

} // namespace ShapeRaster
