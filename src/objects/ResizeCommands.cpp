#include "objects/ResizeCommands.h"

#include "objects/ResizeHandleLayer.h"
#include "objects/ResizeHandles.h"
#include "workspace/CanvasLayer.h"
#include "workspace/EditorContext.h"
#include "workspace/Pano.h"
#include "workspace/Workspace.h"

#include <QAction>

ResizeCommands::ResizeCommands(EditorContext& context) : m_context(context) {
    m_layer = &m_context.canvas().layers().add(
        ResizeHandleLayer::make(m_context.workspace(), *this), LayerOrder::ResizeHandles);
    connect(&m_context.action(QStringLiteral("mnuSizePic")), &QAction::triggered, this,
            &ResizeCommands::mnuSizePic_Click);
}

ResizeCommands::~ResizeCommands() {
    m_context.canvas().layers().remove(m_layer);
}

void ResizeCommands::mnuSizePic_Click() {
    m_context.SpriInstrumentite();
    Workspace& ws = m_context.workspace();
    if (const int16_t slot = ws.contextElement(ElementKind::Picture))
        ResizeHandles::show(ws, {ElementKind::Picture, slot});
}

void ResizeCommands::mouseDown(int index, const CanvasMouse& mouse) {
    if (m_index != 0)
        return;
    Workspace& ws = m_context.workspace();
    // Any button takes the handle; only the left one moves it.
    m_index = index;
    m_drag = ws.dragHandle({ElementKind::ResizeHandle, static_cast<int16_t>(index)},
                           ResizeHandles::Size);
    m_drag->DragObj(true, mouse.relative.x(), mouse.relative.y());
    ws.canvas.drag = {ElementKind::ResizeHandle, static_cast<int16_t>(index)};
}

void ResizeCommands::mouseMove(int, const CanvasMouse& mouse) {
    if (m_index == 0 || !(mouse.buttons & Qt::LeftButton))
        return;
    Workspace& ws = m_context.workspace();
    m_drag->MoveObj(mouse.relative.x(), mouse.relative.y());
    if (ResizeHandles::handleMoved(ws, m_index))
        m_drag->DragObj(false, 0, 0);
    ws.notifyCanvasStateChanged();
    if (ws.settings.Pre4ertaiPriMestene)
        m_context.Pre4ertai();
}

void ResizeCommands::mouseUp(int, const CanvasMouse&) {
    if (m_index == 0)
        return;
    Workspace& ws = m_context.workspace();
    // The drag object goes last: its edit takes in the picture's new size, so the whole
    // resize is one step.
    const std::optional<SimpleDragAndDrop> drag = std::move(m_drag);
    m_drag.reset();
    m_index = 0;
    ws.canvas.drag = {};
    if (ws.canvas.manipKind != ElementKind::Picture) {
        m_context.Pre4ertai();
        return;
    }
    ResizeHandles::finishResize(ws);
}
