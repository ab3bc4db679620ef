#include "grids/GridCommands.h"

#include "common/Prompter.h"
#include "grids/GridHandleLayer.h"
#include "grids/Grids.h"
#include "grids/frmAddTable.h"
#include "workspace/EditorContext.h"
#include "workspace/Pano.h"
#include "workspace/Workspace.h"

#include <QAction>

GridCommands::GridCommands(EditorContext& context) : m_context(context) {
    Workspace& ws = context.workspace();
    Grids::install(ws);
    m_layer = &context.canvas().layers().add(std::make_unique<GridHandleLayer>(ws),
                                             LayerOrder::GridHandles);
    runDialog = [](frmAddTable& dialog) { dialog.exec(); };
    connect(&context.action(QStringLiteral("mnuTable")), &QAction::triggered, this,
            &GridCommands::mnuTable_Click);
}

GridCommands::~GridCommands() {
    m_context.canvas().layers().remove(m_layer);
    m_context.workspace().renderer().setGridPainter({});
}

void GridCommands::mnuTable_Click() {
    const Prompter::Answer answer = m_context.prompter().message(
        QStringLiteral("Решетка"),
        QStringLiteral("Ако искате да начертаете решетка натиснете ОK и маркирайте областта и "
                       "на екрана с мишката."),
        Prompter::Icon::Information, Prompter::Buttons::OkCancel);
    if (answer == Prompter::Answer::Ok)
        m_context.startTool(ToolState::selection());
}

void GridCommands::gridMarked(const QRectF&) {
    // The area is in the selection rectangle, where the grid takes it from.
    frmAddTable dialog(m_context);
    runDialog(dialog);
}
