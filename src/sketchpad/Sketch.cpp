#include "sketchpad/Sketch.h"

#include "common/Units.h"
#include "shapes/ShapeRaster.h"
#include "workspace/LineRaster.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const QRgb Background = qRgb(255, 255, 255);

QPoint toPixel(QPointF twips) {
    return QPoint(TwipsToPixelRounded(twips.x()), TwipsToPixelRounded(twips.y()));
}

// The pixels a line of `width` between two points may touch.
QRect lineBounds(QPoint a, QPoint b, int width) {
    const int reach = width / 2 + 2;
    return QRect(a, b).normalized().adjusted(-reach, -reach, reach, reach);
}

} // namespace

QString Sketch::modeName(Tool tool) {
    switch (tool) {
    case Tool::Pencil:
        return QStringLiteral("butpencil");
    case Tool::Line:
        return QStringLiteral("butline");
    case Tool::Box:
        return QStringLiteral("butbox");
    case Tool::Circle:
        return QStringLiteral("butcircle");
    case Tool::Fill:
        return QStringLiteral("butfill");
    case Tool::Rubber:
        return QStringLiteral("butrubber");
    case Tool::Text:
        return QStringLiteral("buttext");
    case Tool::None:
        break;
    }
    return QString();
}

void Sketch::Area::add(double x, double y) {
    const auto axis = [](double v, double& min, double& max) {
        if (v > max)
            max = v;
        if (min == 0)
            min = v;
        if (v < min)
            min = v;
    };
    axis(x, minX, maxX);
    axis(y, minY, maxY);
}

Sketch::Sketch(QSize pixels) : m_image(pixels.expandedTo(QSize(1, 1)), QImage::Format_RGB32) {
    m_image.fill(Background);
}

void Sketch::growTo(QSize pixels) {
    const QSize wanted = m_image.size().expandedTo(pixels);
    if (wanted == m_image.size())
        return;
    QImage larger(wanted, QImage::Format_RGB32);
    if (larger.isNull())
        return; // keep the surface as it is rather than lose the drawing
    larger.fill(Background);
    QPainter(&larger).drawImage(0, 0, m_image);
    m_image = larger;
}

QRect Sketch::drawLine(QPointF a, QPointF b) {
    const QPoint from = toPixel(a), to = toPixel(b);
    LineRaster::drawPolyline(m_image, {from, to}, penWidth,
                             LineRaster::dashPattern(penStyle, penWidth), colour.rgb());
    return lineBounds(from, to, penWidth) & m_image.rect();
}

QRect Sketch::figure(QPointF a, QPointF b, bool ellipse) {
    const QRectF box = QRectF(a, b).normalized();
    {
        QPainter painter(&m_image);
        painter.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
        ShapeRaster::fill(painter, box, ellipse, fillStyle, fillColour);
        if (ellipse)
            ShapeRaster::strokeEllipse(painter, box, penWidth, penStyle, colour);
    }
    if (!ellipse) {
        const QPoint p = toPixel(box.topLeft()), q = toPixel(box.bottomRight());
        LineRaster::drawPolyline(m_image, {p, QPoint(q.x(), p.y()), q, QPoint(p.x(), q.y()), p},
                                 penWidth, LineRaster::dashPattern(penStyle, penWidth),
                                 colour.rgb(), true);
    }
    const int reach = penWidth + 2;
    return QRect(toPixel(box.topLeft()), toPixel(box.bottomRight()))
               .adjusted(-reach, -reach, reach, reach) &
           m_image.rect();
}

QRect Sketch::drawBox(QPointF a, QPointF b) {
    return figure(a, b, false);
}

QRect Sketch::drawCircle(QPointF a, QPointF b) {
    return figure(a, b, true);
}

QRect Sketch::drawPencil(QPointF a, QPointF b) {
    area.add(b.x(), b.y());
    return drawLine(a, b);
}

QRect Sketch::erase(QPoint a, QPoint b) {
    LineRaster::drawPolyline(m_image, {a, b}, RubberWidth, {}, Background);
    return lineBounds(a, b, RubberWidth) & m_image.rect();
}

QRect Sketch::fill(QPoint pixel) {
    if (!m_image.rect().contains(pixel))
        return QRect();
    const QRgb target = m_image.pixel(pixel);
    const QRgb paint = colour.rgb();
    if (target == paint)
        return QRect();
    const int width = m_image.width(), height = m_image.height();
    const qsizetype stride = m_image.bytesPerLine() / 4;
    auto* pixels = reinterpret_cast<QRgb*>(m_image.bits());
    QRect changed(pixel, QSize(1, 1));
    // Scanline fill: each seed becomes a whole run of the row, and the rows above and below
    // are searched for new runs along that run only.
    std::vector<QPoint> seeds{pixel};
    while (!seeds.empty()) {
        const QPoint seed = seeds.back();
        seeds.pop_back();
        QRgb* row = pixels + seed.y() * stride;
        if (row[seed.x()] != target)
            continue;
        int left = seed.x(), right = seed.x();
        while (left > 0 && row[left - 1] == target)
            --left;
        while (right + 1 < width && row[right + 1] == target)
            ++right;
        std::fill(row + left, row + right + 1, paint);
        changed |= QRect(left, seed.y(), right - left + 1, 1);
        for (const int y : {seed.y() - 1, seed.y() + 1}) {
            if (y < 0 || y >= height)
                continue;
            const QRgb* next = pixels + y * stride;
            for (int x = left; x <= right; ++x) {
                if (next[x] != target)
                    continue;
                seeds.push_back(QPoint(x, y));
                while (x <= right && next[x] == target)
                    ++x;
            }
        }
    }
    return changed;
}

QRect Sketch::drawText(QPointF at, const QString& text) {
    if (text.isEmpty())
        return QRect();
    area.add(at.x(), at.y());
    const QPoint corner = toPixel(at);
    QPainter painter(&m_image);
    painter.setFont(font);
    painter.setPen(colour);
    QRect drawn;
    painter.drawText(QRect(corner, QSize(m_image.width(), m_image.height())),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text, &drawn);
    return drawn.adjusted(-1, -1, 1, 1) & m_image.rect();
}

QRect Sketch::mount(const QImage& picture, QPoint pixel) {
    QPainter(&m_image).drawImage(pixel, picture);
    // What was drawn before stays in the area too, so insert never leaves part of it out.
    const Area before = area;
    area.minX = PixelsToTwips(pixel.x());
    area.maxX = PixelsToTwips(pixel.x() + picture.width());
    area.minY = PixelsToTwips(pixel.y());
    area.maxY = PixelsToTwips(pixel.y() + picture.height());
    if (before.drawn()) {
        area.minX = std::min(area.minX, before.minX);
        area.maxX = std::max(area.maxX, before.maxX);
        area.minY = std::min(area.minY, before.minY);
        area.maxY = std::max(area.maxY, before.maxY);
    }
    return QRect(pixel, picture.size()) & m_image.rect();
}

void Sketch::clear() {
    m_image.fill(Background);
    area = Area{};
}

bool Sketch::blank() const {
    for (int y = 0; y < m_image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
        if (std::any_of(row, row + m_image.width(), [](QRgb p) { return p != Background; }))
            return false;
    }
    return true;
}

QRectF Sketch::selection() const {
    if (!area.drawn())
        return QRectF();
    // Nothing is drawn past the surface (a stroke may leave it, a mounted picture may reach
    // past it): the area stops at its edges.
    const double right = PixelsToTwips(m_image.width()), bottom = PixelsToTwips(m_image.height());
    const double minX = std::min(area.minX, right), maxX = std::min(area.maxX, right);
    const double minY = std::min(area.minY, bottom), maxY = std::min(area.maxY, bottom);
    return QRectF(minX - SelectionMargin, minY - SelectionMargin, maxX - minX + 2 * SelectionMargin,
                  maxY - minY + 2 * SelectionMargin);
}

QImage Sketch::selectedPicture() const {
    const QRectF twips = selection();
    if (twips.isEmpty())
        return QImage();
    const QPoint corner = toPixel(twips.topLeft());
    const QSize size(std::max(1, TwipsToPixelRounded(twips.width())),
                     std::max(1, TwipsToPixelRounded(twips.height())));
    QImage picture(size, QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    picture.fill(Background);
    QPainter(&picture).drawImage(QPoint(0, 0), m_image, QRect(corner, size));
    return picture;
}

bool Sketch::pendingChanged() const {
    if (!m_pending)
        return false;
    const Area& a = m_pending->area;
    return m_pending->image.cacheKey() != m_image.cacheKey() || a.minX != area.minX ||
           a.maxX != area.maxX || a.minY != area.minY || a.maxY != area.maxY;
}

void Sketch::commitPending() {
    // The state before the last change becomes a step only when the change changed something.
    if (pendingChanged()) {
        m_undo.push_back(std::move(*m_pending));
        trimUndo();
    }
    m_pending.reset();
}

void Sketch::remember() {
    commitPending();
    m_pending = Step{m_image, area};
}

int Sketch::undoDepth() const {
    return std::min(UndoSteps, int(m_undo.size()) + (pendingChanged() ? 1 : 0));
}

bool Sketch::undo() {
    commitPending();
    if (m_undo.empty())
        return false;
    const QSize size = m_image.size();
    m_image = m_undo.back().image;
    area = m_undo.back().area;
    m_undo.pop_back();
    growTo(size);
    return true;
}

void Sketch::trimUndo() {
    qsizetype bytes = 0;
    for (const Step& step : m_undo)
        bytes += step.image.sizeInBytes();
    while (!m_undo.empty() && (int(m_undo.size()) > UndoSteps || bytes > UndoBytes)) {
        bytes -= m_undo.front().image.sizeInBytes();
        m_undo.pop_front();
    }
}
