#include "grids/GridCommands.h"

#include "common/Numeric.h"
#include "common/Prompter.h"
#include "grids/Grids.h"
#include "grids/frmAddTable.h"
#include "grids/frmEditTable.h"
#include "kinds/CopyBuffer.h"
#include "objects/ResizeHandles.h"
#include "workspace/EditorContext.h"
#include "workspace/NamedMenu.h"
#include "workspace/Pano.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QMenu>
#include <iterator>

GridCommands::GridCommands(EditorContext& context)
    : m_context(context), m_drag(context.workspace()) {
    buildMenu();
    runDialog = [](frmAddTable& dialog) { dialog.exec(); };
    runEditDialog = [](frmEditTable& dialog) { dialog.exec(); };
    connect(&context.action(QStringLiteral("mnuTable")), &QAction::triggered, this,
            &GridCommands::mnuTable_Click);
}

GridCommands::~GridCommands() {
    delete mnuTables;
}

void GridCommands::buildMenu() {
    mnuTables = NamedMenu::create(&m_context.mainWindow(), QStringLiteral("mnuTables"),
                                  QStringLiteral("Таблици"));
    const auto add = [this](const char* name, const char* caption,
                            void (GridCommands::*handler)()) {
        QAction* a =
            NamedMenu::addEntry(mnuTables, QString::fromLatin1(name), QString::fromUtf8(caption));
        connect(a, &QAction::triggered, this, handler);
    };
    add("mnuDellTable", "Изтрий", &GridCommands::mnuDellTable_Click);
    add("mnuTabCopy", "Копирай", &GridCommands::mnuTabCopy_Click);
    mnuTables->addSeparator();
    add("mnuEdit", "Редактирай", &GridCommands::mnuEdit_Click);
    add("mnuResize", "Оразмери", &GridCommands::mnuResize_Click);
}

void GridCommands::mnuTable_Click() {
    // The text tells the user to press "ОK", so the button must read so too and not carry
    // the platform's translated word.
    const Prompter::Answer answer = m_context.prompter().messageWithOkCaption(
        QStringLiteral("Решетка"),
        QStringLiteral("Ако искате да начертаете решетка натиснете ОK и маркирайте областта и "
                       "на екрана с мишката."),
        Prompter::Icon::Information, Prompter::Buttons::OkCancel, QStringLiteral("OK"));
    if (answer == Prompter::Answer::Ok)
        m_context.startTool(ToolState::selection());
}

void GridCommands::gridMarked(const QRectF& area) {
    // A click without dragging marks no area; a grid there would have no size at all.
    if (area.isNull()) {
        m_context.prompter().message(QStringLiteral("Решетка"),
                                     QStringLiteral("Не е маркирана област за решетката."),
                                     Prompter::Icon::Information, Prompter::Buttons::Ok);
        return;
    }
    // The area is in the selection rectangle, where the grid takes it from.
    frmAddTable dialog(m_context);
    runDialog(dialog);
}

// ---- the mouse on a grid handle ----

void GridCommands::mouseDown(int handle, const CanvasMouse& mouse) {
    const auto slot = static_cast<int16_t>(handle);
    Workspace& ws = m_context.workspace();
    if (mouse.button == Qt::LeftButton) {
        m_context.SpriInstrumentite();
        // One drag at a time, whatever element it moves.
        const ElementRef grid{ElementKind::Grid, slot};
        m_drag.start(grid, ws.dragHandle(grid, Grids::HandleSize), mouse);
    } else if (mouse.button == Qt::RightButton && !m_drag.active()) {
        openGridMenu(slot);
    }
}

void GridCommands::mouseMove(int, const CanvasMouse& mouse) {
    if (!m_drag.move(mouse))
        return;
    Workspace& ws = m_context.workspace();
    if (mouse.buttons & Qt::LeftButton) {
        followHandle(m_drag.element().slot);
        if (ws.settings.Pre4ertaiPriMestene)
            m_context.Pre4ertai();
    }
}

void GridCommands::mouseUp(int, const CanvasMouse&) {
    if (!m_drag.active())
        return;
    Workspace& ws = m_context.workspace();
    // The grid takes its last place within the drag's one step.
    followHandle(m_drag.element().slot);
    m_drag.finish();
    ws.markChanged();
    m_context.Pre4ertai();
}

void GridCommands::followHandle(int16_t slot) {
    if (slot < 1 || slot > ElementStore::GridCapacity)
        return;
    Workspace& ws = m_context.workspace();
    // The diagram may have been cleared while the button was held.
    if (ws.store().grids[slot].Used == 0)
        return;
    const QPointF handle = ws.store().gridHandles[slot];
    const int32_t left = RoundHalfEven(handle.x());
    const int32_t top = RoundHalfEven(handle.y());
    if (ws.store().grids[slot].Left == left && ws.store().grids[slot].Top == top)
        return;
    Diagram::Edit change = ws.edit(QStringLiteral("Преместване на таблица"));
    change.store().grids[slot].Left = left;
    change.store().grids[slot].Top = top;
}

// ---- the grid menu ----

void GridCommands::openGridMenu(int16_t slot) {
    // As on a picture: a menu of an element ends the drawing tool.
    m_context.SpriInstrumentite();
    m_context.workspace().diagram.contextElement = {ElementKind::Grid, slot};
    m_context.popupAtPointer(*mnuTables);
}

int16_t GridCommands::contextGrid() const {
    return m_context.workspace().contextElement(ElementKind::Grid);
}

void GridCommands::mnuDellTable_Click() {
    const int16_t slot = contextGrid();
    if (!slot)
        return;
    if (m_context.prompter().message(
            QStringLiteral("Въпрос"), QStringLiteral("Искате ли да изтриете тази решетка ?"),
            Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    Workspace& ws = m_context.workspace();
    // Resize handles around a grid that is gone would act on its empty slot.
    if (ws.canvas.Manip[1].visible && ws.diagram.Izbr == slot &&
        ws.canvas.manipKind == ElementKind::Grid)
        m_context.SpriInstrumentite();
    // The other fields stay until the slot is used again.
    ws.edit(QStringLiteral("Изтриване на таблица")).store().grids[slot].Used = 0;
    ws.canvas.gridHandleVisible[slot] = false;
    ws.diagram.contextElement = {};
    ws.notifyCanvasStateChanged();
    m_context.Pre4ertai();
}

void GridCommands::mnuTabCopy_Click() {
    const int16_t slot = contextGrid();
    if (!slot)
        return;
    if (CopyBuffer::copy(m_context.workspace(), {ElementKind::Grid, slot}))
        m_context.action(QStringLiteral("mnuPaste")).setEnabled(true);
}

void GridCommands::mnuEdit_Click() {
    const int16_t slot = contextGrid();
    if (!slot)
        return;
    frmEditTable dialog(m_context);
    dialog.load(slot, m_context.workspace().store().grids[slot]);
    runEditDialog(dialog);
}

void GridCommands::mnuResize_Click() {
    const int16_t slot = contextGrid();
    if (!slot)
        return;
    m_context.SpriInstrumentite();
    Workspace& ws = m_context.workspace();
    ws.diagram.Izbr = slot;
    ResizeHandles::show(ws, {ElementKind::Grid, slot});
}
