#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <functional>

class CanvasLayer;

class ElementStore;
class QPainter;

// Paints the diagram in twips onto any painter; the painter's transform decides where it
// lands (15 twips per pixel on the screen). Two parts:
// - the persistent layer, what the repaint draws onto the canvas bitmap: for each slot
//   1..255 line i and then shape i, then grids 1..10;
// - the elements: picture objects in slot order, then text fields in slot order.
// The screen, the export, the print capture and the previews all paint through here, so
// what is seen is what is written.
class DiagramRenderer {
public:
    // Paints one slot of the persistent layer; the painter works in twips.
    using SlotPainter = std::function<void(QPainter&, const ElementStore&, int slot)>;

    explicit DiagramRenderer(const ElementStore& store) : m_store(store) {}

    // Lines, shapes and grids paint themselves; their subsystems hand in how.
    void setLinePainter(SlotPainter painter) { m_linePainter = std::move(painter); }
    void setShapePainter(SlotPainter painter) { m_shapePainter = std::move(painter); }
    void setGridPainter(SlotPainter painter) { m_gridPainter = std::move(painter); }
    // True when the persistent layer has anything to paint.
    bool hasPersistentContent() const;

    void paintPersistent(QPainter& painter) const;
    void paintPictures(QPainter& painter) const;
    void paintTexts(QPainter& painter) const;
    void paintElements(QPainter& painter) const;
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
    // Draws the picture of every present element of a handle layer that can reach the
    // painted area, each filling its box.
    static void drawHandles(QPainter& painter, const CanvasLayer& layer,
                            const std::function<const QImage&(int slot)>& picture);

private:
    const ElementStore& m_store;
    SlotPainter m_linePainter;
    SlotPainter m_shapePainter;
    SlotPainter m_gridPainter;
};
