#pragma once

#include <QPointF>
#include <QWidget>

class QScrollBar;
class QToolButton;
class Workspace;

// The drawing canvas. It paints the persistent bitmap and then the elements of the model,
// and hands mouse events to the element under the pointer (topmost first) with the point
// relative to that element in twips, or to the canvas itself.
class Pano : public QWidget {
    Q_OBJECT

public:
    enum class ElementKind { None, Picture, Text };
    struct Hit {
        ElementKind kind = ElementKind::None;
        int slot = 0;
    };

    // Receives the mouse events of one kind of element.
    class ElementHandler {
    public:
        virtual ~ElementHandler() = default;
        virtual void elementMouseDown(int slot, Qt::MouseButton button, QPointF relative,
                                      QPointF canvas) = 0;
        virtual void elementMouseMove(int slot, Qt::MouseButtons buttons, QPointF relative) = 0;
        virtual void elementMouseUp(int slot, Qt::MouseButton button, QPointF relative) = 0;
    };

    explicit Pano(Workspace& workspace, QWidget* parent = nullptr);

    QScrollBar* MoveHorizont = nullptr;
    QScrollBar* MoveVertikal = nullptr;
    QToolButton* Razmer = nullptr;
    QToolButton* cmdHelp = nullptr;

    // Inner size in twips.
    double innerWidth() const;
    double innerHeight() const;

    // Topmost element under a canvas point (twips): text fields above pictures, higher
    // slots above lower ones.
    Hit hitTest(QPointF twips) const;
    QRectF elementRect(const Hit& hit) const;

    void setElementHandler(ElementKind kind, ElementHandler* handler);

    // Places the scroll bars and the corner buttons along the edges.
    void placeEdgeControls();

    // The outlines Ogr(0) and Ogr(1) that mark picked picture objects (twips).
    void setOutline(int index, bool visible, const QRectF& twips = QRectF());
    bool outlineVisible(int index) const;
    QRectF outlineRect(int index) const;

    // The selection rectangle shown while a region is marked (twips).
    void setSelectionOutline(bool visible, const QRectF& twips);

    // Paints everything the canvas shows into `painter` (already scaled to pixels).
    static void paintDiagram(QPainter& painter, const Workspace& workspace);

signals:
    // Mouse events on the canvas background, in twips.
    void canvasMouseDown(Qt::MouseButton button, QPointF twips);
    void canvasMouseMove(Qt::MouseButtons buttons, QPointF twips);
    void canvasMouseUp(Qt::MouseButton button, QPointF twips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    static QPointF toTwips(QPointF pixels);
    ElementHandler* handlerFor(ElementKind kind) const;

    Workspace& m_workspace;
    ElementHandler* m_pictureHandler = nullptr;
    ElementHandler* m_textHandler = nullptr;
    Hit m_grab; // the element that took the press keeps the mouse until release
    bool m_canvasGrab = false;
    bool m_selectionVisible = false;
    QRectF m_selectionRect;
    struct Outline {
        bool visible = false;
        QRectF rect;
    };
    Outline m_Ogr[2];
};
