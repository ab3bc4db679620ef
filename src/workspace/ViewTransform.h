#pragma once

#include "common/Units.h"

#include <QPainter>
#include <QPointF>
#include <QRectF>

// How the canvas shows the document: which document point (twips) lies at the canvas's
// top-left corner, and the fixed scale of 15 twips per pixel. Elements keep document
// positions; only this changes when the view scrolls.
struct ViewTransform {
    QPointF origin; // twips

    // Canvas twips (measured from the canvas's top-left corner) to document twips and back.
    QPointF toDocument(QPointF canvas) const { return canvas + origin; }
    QRectF toDocument(const QRectF& canvas) const { return canvas.translated(origin); }
    QPointF toCanvas(QPointF document) const { return document - origin; }
    QRectF toCanvas(const QRectF& document) const { return document.translated(-origin); }
    // A point of the canvas in pixels, as a document point.
    QPointF pixelsToDocument(QPointF pixels) const {
        return toDocument(QPointF(PixelsToTwips(pixels.x()), PixelsToTwips(pixels.y())));
    }
    // Sets a painter that draws on the canvas's pixels up to take document twips.
    void apply(QPainter& painter) const {
        painter.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
        if (!origin.isNull())
            painter.translate(-origin);
    }
    bool operator==(const ViewTransform& other) const { return origin == other.origin; }
    bool operator!=(const ViewTransform& other) const { return !(*this == other); }
};
