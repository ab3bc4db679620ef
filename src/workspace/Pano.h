#pragma once

#include "workspace/CanvasLayerStack.h"

#include <QPointF>
#include <QWidget>

class QScrollBar;
class QToolButton;
class Workspace;

// The drawing canvas. It paints the persistent bitmap, then its layers in order (picture
// objects, text fields, handles), then the outlines and the rubber band of the canvas state,
// and hands the mouse to the topmost element under it or, on the bare canvas, to whoever
// listens to its signals. It keeps no state of its own about the diagram.
class Pano : public QWidget {
    Q_OBJECT

public:
    explicit Pano(Workspace& workspace, QWidget* parent = nullptr);

    QScrollBar* MoveHorizont = nullptr;
    QScrollBar* MoveVertikal = nullptr;
    QToolButton* Razmer = nullptr;
    QToolButton* cmdHelp = nullptr;

    CanvasLayerStack& layers() { return m_layers; }
    const CanvasLayerStack& layers() const { return m_layers; }

    // Inner size in twips.
    double innerWidth() const;
    double innerHeight() const;

    // Places the scroll bars and the corner buttons along the edges.
    void placeEdgeControls();

signals:
    // Mouse events on the bare canvas, in twips.
    void canvasMouseDown(Qt::MouseButton button, QPointF twips);
    void canvasMouseMove(Qt::MouseButtons buttons, QPointF twips);
    void canvasMouseUp(Qt::MouseButton button, QPointF twips);
    // Ctrl and the wheel: `notches` up (positive) or down, the pointer at `pixels`.
    void zoomWheel(int notches, QPointF pixels);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

private:
    // A point of the canvas in pixels as a document point (twips), through the view.
    QPointF toDocument(QPointF pixels) const;
    // Everything but the edge controls.
    void updateCanvas();
    // The canvas over a part of the document (twips).
    void updateTwips(const QRectF& document);
    // A release of the bare canvas that a popup swallowed is finished now.
    void finishMissedCanvasRelease(QPointF twips);
    void updatePointer(QPointF twips);
    void paintOverlays(QPainter& painter) const;

    Workspace& m_workspace;
    CanvasLayerStack m_layers;
    int m_wheelDelta = 0; // eighths of a degree not yet a whole notch
};
