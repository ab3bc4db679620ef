#pragma once

#include "common/Units.h"

#include <QPainter>
#include <QPointF>
#include <QRectF>

// How the canvas shows the document: which document point (twips) lies at the canvas's
// top-left corner, and the zoom. At a zoom of 1 a pixel of the canvas is 15 twips of the
// document; at 2 it is 7.5. Elements keep document positions; only this changes when the
// view scrolls or zooms.
//
// "Canvas twips" are the canvas's own pixels counted in twips (15 a pixel) from its top-left
// corner, whatever the zoom; document twips are the elements' own.
struct ViewTransform {
    QPointF origin;    // document twips
    double zoom = 1.0; // 1 is 100 %

    // Canvas twips to document twips and back.
    QPointF toDocument(QPointF canvas) const { return canvas / zoom + origin; }
    QRectF toDocument(const QRectF& canvas) const {
        return QRectF(toDocument(canvas.topLeft()), canvas.size() / zoom);
    }
    QPointF toCanvas(QPointF document) const { return (document - origin) * zoom; }
    QRectF toCanvas(const QRectF& document) const {
        return QRectF(toCanvas(document.topLeft()), document.size() * zoom);
    }
    // A point of the canvas in pixels, as a document point.
    QPointF pixelsToDocument(QPointF pixels) const {
        return toDocument(QPointF(PixelsToTwips(pixels.x()), PixelsToTwips(pixels.y())));
    }
    // A document rectangle in pixels of the canvas, not rounded.
    QRectF documentToPixels(const QRectF& document) const {
        const QRectF twips = toCanvas(document);
        return QRectF(TwipsToPixelsExact(twips.left()), TwipsToPixelsExact(twips.top()),
                      TwipsToPixelsExact(twips.width()), TwipsToPixelsExact(twips.height()));
    }
    // How many document twips one pixel of the canvas covers.
    double pixelTwips() const { return TwipsPerPixel / zoom; }
    // Sets a painter that draws on the canvas's pixels up to take document twips.
    void apply(QPainter& painter) const {
        painter.scale(zoom / TwipsPerPixel, zoom / TwipsPerPixel);
        if (!origin.isNull())
            painter.translate(-origin);
    }
    bool operator==(const ViewTransform& other) const {
        return origin == other.origin && zoom == other.zoom;
    }
    bool operator!=(const ViewTransform& other) const { return !(*this == other); }
};
