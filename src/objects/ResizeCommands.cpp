#include "objects/ResizeCommands.h"

#include "objects/ResizeHandles.h"
#include "workspace/CanvasLayer.h"
#include "workspace/EditorContext.h"
#include "workspace/Pano.h"
#include "workspace/Workspace.h"

#include <QAction>

ResizeCommands::ResizeCommands(EditorContext& context)
    : m_context(context), m_drag(context.workspace()) {
    connect(&m_context.action(QStringLiteral("mnuSizePic")), &QAction::triggered, this,
            &ResizeCommands::mnuSizePic_Click);
}

ResizeCommands::~ResizeCommands() = default;

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
    // Any button takes the handle, whatever else is being dragged; only the left one moves it.
    m_index = index;
    const ElementRef handle{ElementKind::ResizeHandle, static_cast<int16_t>(index)};
    m_drag.start(handle, ws.dragHandle(handle, ResizeHandles::Size), mouse, false);
}

void ResizeCommands::mouseMove(int, const CanvasMouse& mouse) {
    if (m_index == 0 || !(mouse.buttons & Qt::LeftButton))
        return;
    Workspace& ws = m_context.workspace();
    m_drag.move(mouse);
    if (ResizeHandles::handleMoved(ws, m_index))
        m_drag.stop();
    ws.notifyCanvasStateChanged();
    if (ws.settings.Pre4ertaiPriMestene)
        m_context.Pre4ertai();
}

void ResizeCommands::mouseUp(int, const CanvasMouse&) {
    if (m_index == 0)
        return;
    Workspace& ws = m_context.workspace();
    m_index = 0;
    if (ws.canvas.manipKind != ElementKind::Picture) {
        m_drag.finish();
        m_context.Pre4ertai();
        return;
    }
    // The drag ends last: its edit takes in the picture's new size, so the whole resize is
    // one step.
    ResizeHandles::finishResize(ws);
    m_drag.finish();
}
