#include "workspace/CanvasTools.h"

#include "common/Numeric.h"
#include "workspace/Workspace.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Document coordinates handed to the tools are whole twips, rounded to the nearest (the
// even one on a tie) and kept within 32 bits.
int32_t toCanvasCoordinate(double twips) {
    if (std::isnan(twips))
        return 0;
    return static_cast<int32_t>(
        std::clamp(std::nearbyint(twips), double(INT32_MIN), double(INT32_MAX)));
}

} // namespace

CanvasTools::CanvasTools(Workspace& workspace) : m_workspace(workspace) {}

CanvasTools::~CanvasTools() = default;

void CanvasTools::add(const QString& mode, std::unique_ptr<CanvasTool> tool) {
    m_tools.insert(mode, std::shared_ptr<CanvasTool>(std::move(tool)));
}

CanvasTool* CanvasTools::find(const QString& mode) const {
    return m_tools.value(mode).get();
}

bool CanvasTools::mouseDown(Qt::MouseButton button, QPointF twips) {
    ToolState& tools = m_workspace.tools;
    if (button == Qt::LeftButton && !tools.mode.isEmpty()) {
        tools.x0 = toCanvasCoordinate(twips.x());
        tools.y0 = toCanvasCoordinate(twips.y());
        m_workspace.canvas.rubberBandMode = true;
        return false;
    }
    if (button == Qt::RightButton) {
        tools.rightClick = twips;
        return true;
    }
    return false;
}

void CanvasTools::draw(const QString& mode, QPointF twips, bool Final) {
    // A tool may end the mode or replace itself; hold it for the call.
    const std::shared_ptr<CanvasTool> tool = m_tools.value(mode);
    if (tool)
        tool->draw(toCanvasCoordinate(twips.x()), toCanvasCoordinate(twips.y()),
                   m_workspace.tools.drawingColour, Final);
}

void CanvasTools::mouseMove(Qt::MouseButtons buttons, QPointF twips) {
    if (!(buttons & Qt::LeftButton) || !m_workspace.canvas.rubberBandMode)
        return;
    const QString mode = m_workspace.tools.mode;
    if (!mode.isEmpty())
        draw(mode, twips, false);
}

void CanvasTools::mouseUp(Qt::MouseButton button, QPointF twips) {
    Workspace& ws = m_workspace;
    if (button != Qt::LeftButton || ws.tools.mode.isEmpty() || !ws.canvas.rubberBandMode)
        return;
    const QString mode = ws.tools.mode;
    const bool regionExport = mode == ToolState::selection() && ws.diagram.SelPicture == -1;
    ws.canvas.rubberBandMode = false;
    // The last rubber band goes; the finished figure is drawn by the repaint.
    ws.setRubberBand(RubberBand{});
    const quint64 revision = ws.document().revision();
    draw(mode, twips, true);
    if (!regionExport) {
        // A drag too short for a shape, or a grid whose dialog was cancelled, changed nothing.
        if (ws.document().revision() != revision)
            ws.markChanged();
        ws.Pre4ertai();
    }
}
