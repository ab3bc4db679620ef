#pragma once

#include "workspace/CanvasDrag.h"

#include "workspace/CanvasLayer.h"

#include <QObject>
#include <cstdint>
#include <functional>

class CanvasLayer;
class EditorContext;
class QMenu;
struct ShapeRecord;

// The shapes in the editor: the four drawing tools, the painting of stored shapes, their
// handles on the canvas (dragging a handle moves its shape) and the shape menu "Фигури"
// (mnuFigures) that a right click on a handle opens.
class ShapeCommands : public QObject, public CanvasMouseHandler {
    Q_OBJECT

public:
    explicit ShapeCommands(EditorContext& context);
    ~ShapeCommands() override;

    QMenu* mnuFigures = nullptr;

    // Mouse on the handle of shape `slot`.
    void mouseDown(int slot, const CanvasMouse& mouse) override;
    void mouseMove(int slot, const CanvasMouse& mouse) override;
    void mouseUp(int slot, const CanvasMouse& mouse) override;
    // Makes the shape the context element and pops the shape menu up at the mouse, with
    // "Обърни" for a line and "Запълнена фигура" for the others.
    void openShapeMenu(int16_t slot);

    // The menu commands; each acts on the context element.
    void mnuCopyShape_Click();
    void mnuDeleteFig_Click();
    void mnuFlip_Click();
    void mnuShapeSize_Click();
    void mnuShapeColor_Click();
    void setWidth(int32_t width);
    void setLineStyle(int32_t style);
    void mnuFillCol_Click();
    // One of the fill styles other than 1; only a filled shape takes it.
    void setFillStyle(int32_t style);
    void mnuRemFil_Click();

private:
    void buildMenu();
    // The slot of the shape whose menu was opened, 0 when the context element is no shape.
    int16_t contextShape() const;
    // Runs `edit` on the context shape, then repaints; a shape that came out different is an
    // unsaved change.
    void edit(const std::function<void(ShapeRecord&)>& edit);

    EditorContext& m_context;

    // The handle being dragged, and the shape's signed width and height from its start.
    CanvasDrag m_drag;
    int64_t Shirina = 0;
    int64_t Visochina = 0;

    // The colour dialog opens on the colour it last showed when nothing else presets it.
    int32_t m_dialogColour = 0;
};
