#include "workspace/LineRaster.h"

#include "common/Numeric.h"
#include "common/Units.h"
#include "workspace/PaintDevice.h"

#include <QPainter>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace LineRaster {

namespace {

// The part of the segment from `from` to `to`, as fractions `t0` to `t1` of its length, that
// comes within `margin` of `area`; false when none does.
bool reachingPart(QPoint from, QPoint to, const QRectF& area, double margin, double& t0,
                  double& t1) {
    t0 = 0;
    t1 = 1;
    const auto clip = [&t0, &t1](double p, double d, double low, double high) {
        if (d == 0)
            return p >= low && p <= high;
        double a = (low - p) / d;
        double b = (high - p) / d;
        if (a > b)
            std::swap(a, b);
        t0 = std::max(t0, a);
        t1 = std::min(t1, b);
        return t0 <= t1;
    };
    return clip(from.x(), double(to.x()) - from.x(), area.left() - margin, area.right() + margin) &&
           clip(from.y(), double(to.y()) - from.y(), area.top() - margin, area.bottom() + margin);
}

// Where the dash pattern stands: the entry and how far into it.
struct Phase {
    std::size_t entry = 0;
    double into = 0;
};

class Rasteriser {
public:
    Rasteriser(QImage& image, int width, const std::vector<int>& pattern, QRgb colour)
        : m_bits(image.bits()), m_stride(image.bytesPerLine()), m_imageWidth(image.width()),
          m_imageHeight(image.height()), m_width(width), m_pattern(pattern), m_colour(colour) {}

    void polyline(const QVector<QPoint>& points, bool closed) {
        for (int i = 0; i + 1 < points.size(); ++i)
            segment(points[i], points[i + 1], closed || i > 0, closed || i + 2 < points.size());
    }

private:
    bool solid() const { return m_pattern.empty(); }

    // The phase `distance` pixels along the whole line.
    Phase phaseAt(double distance) const {
        double cycle = 0;
        for (int length : m_pattern)
            cycle += length;
        Phase phase;
        phase.into = std::fmod(std::max(distance, 0.0), cycle);
        while (phase.into >= m_pattern[phase.entry]) {
            phase.into -= m_pattern[phase.entry];
            phase.entry = (phase.entry + 1) % m_pattern.size();
        }
        return phase;
    }

    void advance(Phase& phase, double by) const {
        phase.into += by;
        while (phase.into >= m_pattern[phase.entry]) {
            phase.into -= m_pattern[phase.entry];
            phase.entry = (phase.entry + 1) % m_pattern.size();
        }
    }

    void fill(int x0, int x1, int y0, int y1) {
        x0 = std::max(x0, 0);
        y0 = std::max(y0, 0);
        x1 = std::min(x1, m_imageWidth);
        y1 = std::min(y1, m_imageHeight);
        if (x0 >= x1)
            return;
        for (int y = y0; y < y1; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(m_bits + qsizetype(y) * m_stride);
            std::fill(row + x0, row + x1, m_colour);
        }
    }

    // Pixels `a` to `b` (b excluded) along an axis segment.
    void axisPiece(QPoint from, bool horizontal, int sign, long long a, long long b) {
        const int half = (m_width - 1) / 2;
        const long long p = sign > 0 ? a : -b + 1;
        const long long q = sign > 0 ? b : -a + 1;
        const int position = horizontal ? from.x() : from.y();
        const int lo = int(std::clamp<long long>(position + p, -1, 1 << 30));
        const int hi = int(std::clamp<long long>(position + q, -1, 1 << 30));
        if (horizontal)
            fill(lo, hi, from.y() - half, from.y() - half + m_width);
        else
            fill(from.x() - half, from.x() - half + m_width, lo, hi);
    }

    void segment(QPoint from, QPoint to, bool bendBefore, bool bendAfter) {
        const long long dx = (long long)to.x() - from.x();
        const long long dy = (long long)to.y() - from.y();
        if (dy == 0 || dx == 0) {
            const bool horizontal = dy == 0;
            const long long length = std::llabs(dx) + std::llabs(dy);
            const long long across = horizontal ? from.y() : from.x();
            if (across < -m_width ||
                across > (horizontal ? m_imageHeight : m_imageWidth) + m_width) {
                m_done += double(length);
                return;
            }
            const int sign = (dx + dy) < 0 ? -1 : 1;
            long long start = 0;
            long long end = length;
            if (solid()) {
                // Square corners: half the width past each bend.
                start -= bendBefore ? m_width / 2 : 0;
                end += bendAfter ? m_width / 2 : 0;
            }
            // Only what can reach the picture is walked: a line may run far outside it.
            const long long position = horizontal ? from.x() : from.y();
            const long long extent = horizontal ? m_imageWidth : m_imageHeight;
            const long long low = sign > 0 ? -m_width - position : position - extent - m_width;
            const long long high = sign > 0 ? extent + m_width - position : position + m_width + 1;
            const long long first = std::max(start, low);
            const long long last = std::min(end, high);
            if (first < last) {
                if (solid()) {
                    axisPiece(from, horizontal, sign, first, last);
                } else {
                    // Whole dashes at a time.
                    Phase phase = phaseAt(m_done + double(first));
                    double at = double(first);
                    while (at < double(last)) {
                        const double step =
                            std::min(m_pattern[phase.entry] - phase.into, double(last) - at);
                        if (phase.entry % 2 == 0)
                            axisPiece(from, horizontal, sign, std::llround(at),
                                      std::llround(at + step));
                        at += step;
                        advance(phase, step);
                    }
                }
            }
            m_done += double(length);
            return;
        }
        // Slanted: one step along the main direction a pixel, the width across it.
        const long long steps = std::max(std::llabs(dx), std::llabs(dy));
        const double length = std::hypot(double(dx), double(dy));
        const bool xMajor = std::llabs(dx) >= std::llabs(dy);
        // The steps whose pixels can reach the picture.
        double t0 = 0;
        double t1 = 1;
        const double margin = m_width + 1;
        if (reachingPart(from, to, QRectF(0, 0, m_imageWidth, m_imageHeight), margin, t0, t1)) {
            const long long first = std::max(0LL, (long long)std::floor(t0 * steps) - 1);
            const long long last = std::min(steps, (long long)std::ceil(t1 * steps) + 1);
            const double stride = length / double(steps);
            const int half = (m_width - 1) / 2;
            Phase phase;
            if (!solid())
                phase = phaseAt(m_done + stride * double(first));
            for (long long i = first; i < last; ++i) {
                const bool on = solid() || phase.entry % 2 == 0;
                if (!solid())
                    advance(phase, stride);
                if (!on)
                    continue;
                // In 64 bits: the ends may lie anywhere in the 32-bit range. The steps walked lie
                // near the picture, so the clamp only keeps the types honest.
                const auto along = [i, steps](int start, long long delta) {
                    return int(std::clamp<long long>(
                        start + std::llround(double(delta) * double(i) / double(steps)), -(1 << 29),
                        1 << 29));
                };
                const int x = along(from.x(), dx);
                const int y = along(from.y(), dy);
                if (xMajor)
                    fill(x, x + 1, y - half, y - half + m_width);
                else
                    fill(x - half, x - half + m_width, y, y + 1);
            }
        }
        m_done += length;
    }

    uchar* m_bits;
    qsizetype m_stride;
    int m_imageWidth;
    int m_imageHeight;
    int m_width;
    const std::vector<int>& m_pattern;
    QRgb m_colour;
    double m_done = 0; // length drawn so far: the dashes run on across the bends
};

} // namespace

bool canDrawInto(const QImage& image) {
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32 ||
           image.format() == QImage::Format_ARGB32_Premultiplied;
}

void drawPolyline(QImage& image, const QVector<QPoint>& points, int width,
                  const std::vector<int>& pattern, QRgb colour, bool closed) {
    if (!canDrawInto(image) || width < 1 || image.isNull())
        return;
    for (int length : pattern)
        if (length <= 0)
            return;
    Rasteriser(image, width, pattern, colour | 0xFF000000).polyline(points, closed);
}

std::vector<int> dashPattern(int32_t style, int width) {
    // In units of the line's width.
    std::vector<int> pattern;
    switch (style) {
    case 1:
        pattern = {4, 2};
        break;
    case 2:
        pattern = {1, 2};
        break;
    case 3:
        pattern = {4, 2, 1, 2};
        break;
    case 4:
        pattern = {4, 2, 1, 2, 1, 2};
        break;
    default:
        break;
    }
    for (int& length : pattern)
        length *= width;
    return pattern;
}

namespace {

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

// The same line through a painter, for devices whose pixels cannot be written straight (a
// widget, a printer): straight parts along the axes as filled rectangles, slanted ones as one
// quadrilateral per dash.
class LinePen {
public:
    LinePen(QPainter& painter, int width, int32_t style)
        : m_painter(painter), m_width(width), m_pattern(dashPattern(style, width)) {
        if (const QPaintDevice* device = painter.device())
            m_area = QRectF(0, 0, device->width(), device->height());
    }

    void draw(const QVector<QPoint>& points, bool closed) {
        for (int i = 0; i + 1 < points.size(); ++i)
            segment(points[i], points[i + 1], closed || i > 0, closed || i + 2 < points.size());
    }

private:
    void segment(QPoint from, QPoint to, bool bendBefore, bool bendAfter) {
        const double length = std::hypot(double(to.x()) - from.x(), double(to.y()) - from.y());
        // Only the part that can reach the device is drawn: a line may run far outside it.
        double t0 = 0;
        double t1 = 1;
        const double margin = m_width + 1;
        const bool reaches = reachingPart(from, to, m_area, margin, t0, t1);
        if (!reaches) {
            skip(length);
            return;
        }
        const bool whole = t0 <= 0 && t1 >= 1;
        if (m_pattern.empty()) {
            double start = 0;
            double end = length;
            if (bendBefore)
                start -= m_width / 2;
            if (bendAfter)
                end += m_width / 2;
            if (!whole) {
                start = std::max(start, std::floor(t0 * length) - margin);
                end = std::min(end, std::ceil(t1 * length) + margin);
            }
            piece(from, to, length, start, end);
            return;
        }
        // Walk the pattern from where the last segment left it.
        double at = 0;
        double last = length;
        if (!whole) {
            at = std::max(0.0, std::floor(t0 * length) - margin);
            last = std::min(length, std::ceil(t1 * length) + margin);
            skip(at);
        }
        while (at < last) {
            const int index = m_patternIndex;
            const double left = m_pattern[index] - m_patternDone;
            const double step = std::min(left, last - at);
            if (index % 2 == 0)
                piece(from, to, length, at, at + step);
            at += step;
            m_patternDone += step;
            if (m_patternDone >= m_pattern[index]) {
                m_patternDone = 0;
                m_patternIndex = (index + 1) % int(m_pattern.size());
            }
        }
        skip(length - at);
    }

    // Moves the pattern on by `distance` pixels without drawing.
    void skip(double distance) {
        double cycle = 0;
        for (int length : m_pattern)
            cycle += length;
        if (distance <= 0 || cycle <= 0)
            return;
        distance = std::fmod(distance, cycle);
        while (distance > 0) {
            const double left = m_pattern[m_patternIndex] - m_patternDone;
            if (distance < left) {
                m_patternDone += distance;
                return;
            }
            distance -= left;
            m_patternDone = 0;
            m_patternIndex = (m_patternIndex + 1) % int(m_pattern.size());
        }
    }

    // The part of the segment from `a` to `b` along it (pixels from `from`).
    void piece(QPoint from, QPoint to, double length, double a, double b) {
        if (b <= a || length <= 0)
            return;
        const int half = (m_width - 1) / 2;
        if (from.y() == to.y() || from.x() == to.x()) {
            // Along an axis: whole pixels, the line's own pixel row (column) in the middle.
            const bool horizontal = from.y() == to.y();
            const long long sign =
                (horizontal ? (long long)to.x() - from.x() : (long long)to.y() - from.y()) < 0 ? -1
                                                                                               : 1;
            const long long start = horizontal ? from.x() : from.y();
            // The part drawn lies near the device, so these fit in an int.
            const auto along = [&](double distance) {
                return int(std::clamp<long long>(start + sign * std::llround(distance), -(1 << 29),
                                                 1 << 29));
            };
            const int p0 = along(a);
            const int p1 = along(b);
            const int low = std::min(p0, p1) + (sign < 0 ? 1 : 0);
            const int extent = std::abs(p1 - p0);
            m_painter.fillRect(horizontal ? QRect(low, from.y() - half, extent, m_width)
                                          : QRect(from.x() - half, low, m_width, extent),
                               m_painter.brush());
            return;
        }
        const QPointF d = (QPointF(to) - QPointF(from)) / length;
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
    QRectF m_area;
};

// Qt's own stroker along the points, with `pen`.
void strokeWithPen(QPainter& painter, const QPolygonF& points, const QPen& pen, bool closed) {
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (closed)
        painter.drawPolygon(points);
    else
        painter.drawPolyline(points);
    painter.restore();
}

} // namespace

QPen vectorPen(int width, int32_t style, const QColor& colour) {
    const int requested = std::clamp(width, 1, WidestLine);
    QPen pen(colour, PixelsToTwips(requested), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    const std::vector<int> pattern = dashPattern(style, requested);
    if (!pattern.empty()) {
        // Qt counts dashes in pen widths.
        QVector<qreal> dashes;
        dashes.reserve(int(pattern.size()));
        for (int length : pattern)
            dashes << double(length) / requested;
        pen.setDashPattern(dashes);
        pen.setCapStyle(Qt::FlatCap);
    }
    return pen;
}

void stroke(QPainter& painter, const QPolygonF& points, int width, int32_t style,
            const QColor& colour, bool closed) {
    if (points.size() < 2)
        return;
    if (PaintDevice::isVector(painter)) {
        strokeWithPen(painter, points, vectorPen(width, style, colour), closed);
        return;
    }
    const QTransform transform = painter.combinedTransform();
    const int requested = std::clamp(width, 1, WidestLine);
    if (transform.type() > QTransform::TxScale) {
        // Turned or sheared: the general stroker, in the painter's own units.
        strokeWithPen(
            painter, points,
            QPen(colour, PixelsToTwips(requested), penStyle(style), Qt::FlatCap, Qt::MiterJoin),
            closed);
        return;
    }
    // Widths are pixels of the screen; a scaled painter (a preview) scales them too.
    const double scale = std::sqrt(std::abs(transform.determinant())) * TwipsPerPixel;
    const int pixels = std::max(1, int(std::lround(requested * scale)));
    QVector<QPoint> device;
    device.reserve(points.size() + 1);
    for (const QPointF& p : points) {
        const QPointF mapped = transform.map(p);
        device << QPoint(RoundHalfEven(mapped.x()), RoundHalfEven(mapped.y()));
    }
    if (closed)
        device << device.first();
    // A picture (the canvas bitmap, an export) takes the pixels straight.
    if (painter.device() && painter.device()->devType() == QInternal::Image &&
        !painter.hasClipping() &&
        painter.compositionMode() == QPainter::CompositionMode_SourceOver) {
        QImage& image = *static_cast<QImage*>(painter.device());
        // A shared picture would be copied on the first write, away from the painter.
        if (canDrawInto(image) && image.isDetached()) {
            drawPolyline(image, device, pixels, dashPattern(style, pixels), colour.rgb(), closed);
            return;
        }
    }
    painter.save();
    painter.resetTransform();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    LinePen(painter, pixels, style).draw(device, closed);
    painter.restore();
}

} // namespace LineRaster
