#include "lines/LineRaster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace LineRaster {

namespace {

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

    void polyline(const QVector<QPoint>& points) {
        for (int i = 0; i + 1 < points.size(); ++i)
            segment(points[i], points[i + 1], i > 0, i + 2 < points.size());
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
        const double margin = m_width + 1;
        if (clip(from.x(), double(dx), -margin, m_imageWidth + margin) &&
            clip(from.y(), double(dy), -margin, m_imageHeight + margin)) {
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
                const int x = from.x() + int(std::llround(double(dx) * double(i) / double(steps)));
                const int y = from.y() + int(std::llround(double(dy) * double(i) / double(steps)));
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
                  const std::vector<int>& pattern, QRgb colour) {
    if (!canDrawInto(image) || width < 1 || image.isNull())
        return;
    for (int length : pattern)
        if (length <= 0)
            return;
    Rasteriser(image, width, pattern, colour | 0xFF000000).polyline(points);
}

} // namespace LineRaster
