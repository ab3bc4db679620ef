#include "grids/GridCommands.h"

#include "common/Numeric.h"
#include "common/Prompter.h"
#include "grids/GridHandleLayer.h"
#include "grids/Grids.h"
#include "grids/frmAddTable.h"
#include "grids/frmEditTable.h"
#include "objects/ResizeHandles.h"
#include "workspace/EditorContext.h"
#include "workspace/NamedMenu.h"
#include "workspace/Pano.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QMenu>
#include <iterator>

GridCommands::GridCommands(EditorContext& context) : m_context(context) {
    Workspace& ws = context.workspace();
    Grids::install(ws);
    m_layer = &context.canvas().layers().add(std::make_unique<GridHandleLayer>(ws, *this),
                                             LayerOrder::GridHandles);
    buildMenu();
    runDialog = [](frmAddTable& dialog) { dialog.exec(); };
    runEditDialog = [](frmEditTable& dialog) { dialog.exec(); };
    connect(&context.action(QStringLiteral("mnuTable")), &QAction::triggered, this,
            &GridCommands::mnuTable_Click);
}

GridCommands::~GridCommands() {
    m_context.canvas().layers().remove(m_layer);
    m_context.workspace().renderer().setGridPainter({});
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
        if (m_drag || !ws.canvas.drag.isNone())
            return;
        const ElementRef grid{ElementKind::Grid, slot};
        m_drag = ws.dragHandle(grid, Grids::HandleSize);
        m_drag->DragObj(true, mouse.relative.x(), mouse.relative.y());
        ws.canvas.drag = grid;
        m_dragRevision = ws.document().revision();
    } else if (mouse.button == Qt::RightButton && !m_drag) {
        openGridMenu(slot);
    }
}

void GridCommands::mouseMove(int, const CanvasMouse& mouse) {
    if (!m_drag)
        return;
    m_drag->MoveObj(mouse.relative.x(), mouse.relative.y());
    Workspace& ws = m_context.workspace();
    if (mouse.buttons & Qt::LeftButton) {
        followHandle(ws.canvas.drag.slot);
        if (ws.settings.Pre4ertaiPriMestene)
            m_context.Pre4ertai();
    }
}

void GridCommands::mouseUp(int, const CanvasMouse&) {
    if (!m_drag)
        return;
    Workspace& ws = m_context.workspace();
    m_drag->DragObj(false, 0, 0);
    m_drag.reset();
    const int16_t slot = ws.canvas.drag.slot;
    ws.canvas.drag = {};
    followHandle(slot);
    // A click on the handle moves nothing.
    if (ws.document().revision() != m_dragRevision)
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
    const Workspace& ws = m_context.workspace();
    const ElementRef element = ws.diagram.contextElement;
    if (element.kind != ElementKind::Grid || element.slot < 1 ||
        element.slot > ElementStore::GridCapacity || ws.store().grids[element.slot].Used == 0)
        return 0;
    return element.slot;
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
        ws.canvas.manipKind == ResizeHandles::kindTag(ElementKind::Grid))
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
    const GridRecord& g = m_context.workspace().store().grids[slot];
    const int32_t values[] = {g.Rows,  g.Columns, g.Top,    g.Left,
                              g.Width, g.Height,  g.Colour, g.LineWidth};
    // Entries past ours keep what an earlier copy left there.
    QStringList& buffer = m_context.workspace().diagram.copyBuffer;
    while (buffer.size() < 1 + int(std::size(values)))
        buffer.append(QString());
    buffer[0] = QStringLiteral("Tab");
    for (size_t i = 0; i < std::size(values); ++i)
        buffer[int(i) + 1] = QString::number(values[i]);
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
