#include "workspace/DiagramRenderer.h"

#include "common/Numeric.h"
#include "common/Units.h"
#include "workspace/CanvasGeometry.h"
#include "workspace/ElementStore.h"
#include "workspace/KindRegistry.h"
#include "workspace/PaintDevice.h"
#include "workspace/TextFieldGeometry.h"

#include <QPainter>
#include <QTransform>
#include <cmath>

namespace {

// Device pixels of the canvas's white background.
const QColor CanvasWhite(255, 255, 255);

// Pictures are drawn in device pixels with the transform set aside, which keeps them pixel
// exact and fast; this holds what is needed for one paint. A device that keeps drawing
// commands gets each picture whole, at its own pixels, into its box.
class PictureBlitter {
public:
    explicit PictureBlitter(QPainter& painter)
        : m_painter(painter), m_transform(painter.combinedTransform()),
          m_vector(PaintDevice::isVector(painter)),
          m_simple(!m_vector && m_transform.type() <= QTransform::TxScale) {
        if (m_simple) {
            m_painter.save();
            m_painter.resetTransform();
        }
    }
    ~PictureBlitter() {
        if (m_simple)
            m_painter.restore();
    }
    PictureBlitter(const PictureBlitter&) = delete;
    PictureBlitter& operator=(const PictureBlitter&) = delete;

    // A text too large to keep as a picture is drawn each time, in screen pixels (where its
    // font has its size) carried through the painter's transform.
    void drawText(const QRectF& twips, const TextField& text) {
        m_painter.save();
        m_painter.setTransform(QTransform::fromScale(TwipsPerPixel, TwipsPerPixel) * m_transform);
        const QRectF pixels(TwipsToPixelsExact(twips.left()), TwipsToPixelsExact(twips.top()),
                            TwipsToPixelsExact(twips.width()), TwipsToPixelsExact(twips.height()));
        TextFieldGeometry::draw(m_painter, pixels, text);
        m_painter.restore();
    }

    // A text as text, in its font at its own size: a point is 20 twips.
    void drawVectorText(const QRectF& twips, const TextField& text) {
        const QPaintDevice* device = m_painter.device();
        const int dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
        QFont font = TextFieldGeometry::font(text);
        font.setPointSizeF(font.pointSizeF() * 1440.0 / dpi);
        font.setHintingPreference(QFont::PreferNoHinting);
        m_painter.save();
        m_painter.setFont(font);
        m_painter.setPen(ColourToQColor(text.ForeColor));
        m_painter.drawText(twips, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text.Caption);
        m_painter.restore();
    }

    bool vector() const { return m_vector; }
    // Whether a pixel of the device is 15 twips, as on the canvas at 100 % and in exports.
    bool screenScale() const {
        return m_simple && std::abs(m_transform.m11() * TwipsPerPixel - 1) < 1e-9 &&
               std::abs(m_transform.m22() * TwipsPerPixel - 1) < 1e-9;
    }
    // Larger than the screen (a zoomed canvas).
    bool enlarged() const { return m_simple && m_transform.m11() * TwipsPerPixel > 1; }

    // A picture scaled smoothly into its box, for pictures of text shown reduced.
    void drawSmooth(const QRectF& twips, const QImage& picture) {
        m_painter.save();
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
        m_painter.drawImage(m_simple ? m_transform.mapRect(twips) : twips, picture);
        m_painter.restore();
    }

    void draw(const QRectF& twips, const QImage& picture) {
        if (m_vector) {
            m_painter.save();
            m_painter.setRenderHint(QPainter::LosslessImageRendering);
            m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
            m_painter.drawImage(twips, picture);
            m_painter.restore();
            return;
        }
        if (!m_simple) {
            m_painter.drawImage(twips, picture);
            return;
        }
        const QRectF device = m_transform.mapRect(twips);
        if (std::abs(device.width() - picture.width()) < 1e-6 &&
            std::abs(device.height() - picture.height()) < 1e-6)
            m_painter.drawImage(QPoint(RoundHalfEven(device.left()), RoundHalfEven(device.top())),
                                picture);
        else
            m_painter.drawImage(device, picture);
    }

private:
    QPainter& m_painter;
    QTransform m_transform;
    bool m_vector;
    bool m_simple;
};

} // namespace

bool DiagramRenderer::hasPersistentContent() const {
    return m_kinds.hasAnything(m_store, true);
}

void DiagramRenderer::paintPersistent(QPainter& painter) const {
    m_kinds.paint(painter, m_store, true);
}

void DiagramRenderer::paintKind(QPainter& painter, ElementKind kind) const {
    const KindDescriptor* d = m_kinds.find(kind);
    if (!d)
        return;
    if (d->paintAll) {
        d->paintAll(painter, m_store);
        return;
    }
    if (!d->paint)
        return;
    for (int slot = 1; slot <= d->slotCount; ++slot) {
        if (!d->present(m_store, slot))
            continue;
        painter.save();
        d->paint(painter, m_store, slot);
        painter.restore();
    }
}

void DiagramRenderer::paintPictures(QPainter& painter, const ElementStore& store) {
    const QRectF area = reachableArea(painter);
    PictureBlitter blitter(painter);
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
        const PictureObject& o = store.objects[slot];
        if (store.objectStatus[slot] != ElementStore::Used || !o.Visible || o.picture.isNull())
            continue;
        const QRectF box = CanvasGeometry::pictureRect(o);
        if (box.intersects(area))
            blitter.draw(box, o.picture);
    }
}

void DiagramRenderer::paintTexts(QPainter& painter, const ElementStore& store) {
    const QRectF area = reachableArea(painter);
    PictureBlitter blitter(painter);
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
        const TextField& t = store.texts[slot];
        if (store.textStatus[slot] != ElementStore::Used || !t.Visible)
            continue;
        const QRectF box = CanvasGeometry::textRect(t);
        if (!box.intersects(area))
            continue;
        if (blitter.vector())
            blitter.drawVectorText(box, t);
        else if (!TextFieldGeometry::renderable(t) || blitter.enlarged())
            // Enlarged, a text is drawn in its font at the larger size, sharp.
            blitter.drawText(box, t);
        else if (blitter.screenScale())
            blitter.draw(box, TextFieldGeometry::rendered(t));
        else
            blitter.drawSmooth(box, TextFieldGeometry::rendered(t));
    }
}

void DiagramRenderer::paintElements(QPainter& painter) const {
    m_kinds.paint(painter, m_store, false);
}

void DiagramRenderer::paint(QPainter& painter) const {
    paintPersistent(painter);
    paintElements(painter);
}

QImage DiagramRenderer::renderRegion(const QRectF& twips) const {
    const int width = RoundHalfEven(TwipsToPixelsExact(twips.width()));
    const int height = RoundHalfEven(TwipsToPixelsExact(twips.height()));
    if (width <= 0 || height <= 0)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    // 96 dots per inch: a pixel is 15 twips.
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(CanvasWhite);
    QPainter painter(&image);
    painter.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
    painter.translate(-twips.left(), -twips.top());
    paint(painter);
    painter.end();
    return image;
}

QRectF DiagramRenderer::reachableArea(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    if (!device)
        return {};
    bool invertible = false;
    const QTransform inverse = painter.combinedTransform().inverted(&invertible);
    if (!invertible)
        return {};
    // One pixel more on every side: an element that touches the edge pixel still counts.
    QRectF area = inverse.mapRect(QRectF(-1, -1, device->width() + 2, device->height() + 2));
    if (painter.hasClipping()) {
        // The clip is already in the painter's own coordinates.
        const QRectF clip = painter.clipBoundingRect();
        const QRectF onePixel = inverse.mapRect(QRectF(0, 0, 1, 1));
        area &= clip.adjusted(-onePixel.width(), -onePixel.height(), onePixel.width(),
                              onePixel.height());
    }
    return area;
}

void DiagramRenderer::drawPicture(QPainter& painter, const QRectF& twips, const QImage& picture) {
    PictureBlitter(painter).draw(twips, picture);
}

QImage DiagramRenderer::handleTile(int side) {
    QImage tile(side, side, QImage::Format_RGB32);
    tile.fill(handleFace());
    QPainter p(&tile);
    p.setPen(handleEdge());
    p.drawRect(0, 0, side - 1, side - 1);
    return tile;
}
