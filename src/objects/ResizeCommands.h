#pragma once

#include "workspace/CanvasDrag.h"

#include "workspace/CanvasLayer.h"

#include <QObject>
#include <optional>

class CanvasLayer;
class EditorContext;

// The four resize handles on the canvas: "Оразмери" of a picture object, and dragging a
// handle to resize whichever element they were shown for.
class ResizeCommands : public QObject, public CanvasMouseHandler {
    Q_OBJECT

public:
    explicit ResizeCommands(EditorContext& context);
    ~ResizeCommands() override;

    void mnuSizePic_Click();

    // Mouse on resize handle `index` (1 to 4).
    void mouseDown(int index, const CanvasMouse& mouse) override;
    void mouseMove(int index, const CanvasMouse& mouse) override;
    void mouseUp(int index, const CanvasMouse& mouse) override;

private:
    EditorContext& m_context;
    // The handle held since its button went down; its drag may have ended before the release
    // when the handle came too close to its neighbour.
    int m_index = 0;
    CanvasDrag m_drag;
};
