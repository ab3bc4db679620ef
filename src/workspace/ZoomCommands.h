#pragma once

#include <QObject>
#include <QPointF>

class EditorContext;

// The zoom of the canvas: "Мащаб" at the end of the main menu (its caption names the zoom,
// its entries zoom in and out and list the steps, the one shown ticked), its keys, and Ctrl
// with the wheel around the pointer. A zoom is a change of the view only.
class ZoomCommands : public QObject {
    Q_OBJECT

public:
    explicit ZoomCommands(EditorContext& context);

    // Shows the canvas at `zoom`, the point under `anchorPixels` (a point of the canvas)
    // kept where it is; the middle of the canvas when none is given.
    void zoomTo(double zoom, QPointF anchorPixels);
    void zoomTo(double zoom);

private:
    void refresh();
    bool locked();

    EditorContext& m_context;
};
