#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <functional>

class ElementStore;
class KindRegistry;
class QPainter;

enum class ElementKind;

// Paints the diagram in twips onto any painter; the painter's transform decides where it
// lands (15 twips per pixel on the screen). It walks the registered kinds in their paint
// order, in two parts:
// - the persistent layer, what the repaint draws onto the canvas bitmap: for each slot
//   1..255 line i and then shape i, then grids 1..10;
// - the elements: picture objects in slot order, then text fields in slot order.
// The screen, the export, the print capture and the previews all paint through here, so
// what is seen is what is written.
class DiagramRenderer {
public:
    DiagramRenderer(const ElementStore& store, const KindRegistry& kinds)
        : m_store(store), m_kinds(kinds) {}

    // True when the persistent layer has anything to paint.
    bool hasPersistentContent() const;

    void paintPersistent(QPainter& painter) const;
    // Every element of one kind, as its part of the paint draws them.
    void paintKind(QPainter& painter, ElementKind kind) const;
    void paintElements(QPainter& painter) const;
    // The picture objects and the text fields of a store, each in slot order.
    static void paintPictures(QPainter& painter, const ElementStore& store);
    static void paintTexts(QPainter& painter, const ElementStore& store);
    // The persistent layer and then the elements.
    void paint(QPainter& painter) const;

    // Any rectangle of the diagram (twips, origin included or not) as a picture on the
    // canvas's white, one pixel per 15 twips. Null for an empty rectangle.
    QImage renderRegion(const QRectF& twips) const;

    // The part of the diagram (twips) a painter can reach: its device, and its clip when it
    // has one, taken back through its transform.
    static QRectF reachableArea(const QPainter& painter);
    // Draws a picture into a box given in twips. Where the box maps to exactly the picture's
    // size in pixels, the pixels are copied one to one at the nearest whole pixel.
    static void drawPicture(QPainter& painter, const QRectF& twips, const QImage& picture);

    // The handles of lines, shapes and grids share one look: a pale face with a thin dark
    // edge, light on a picture beneath it and seen on a line.
    static QColor handleFace() { return QColor(255, 250, 205); }
    static QColor handleEdge() { return QColor(40, 60, 140); }
    // A handle tile of `side` pixels on which a handle layer draws its mark.
    static QImage handleTile(int side);

private:
    const ElementStore& m_store;
    const KindRegistry& m_kinds;
};
