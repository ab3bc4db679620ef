#include "kinds/CopyCommands.h"

#include "common/Prompter.h"
#include "files/ImageExport.h"
#include "kinds/CopyBuffer.h"
#include "workspace/DiagramState.h"
#include "workspace/EditorContext.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

CopyCommands::CopyCommands(EditorContext& context) : m_context(context) {
    connect(&context.action(QStringLiteral("mnuCopy")), &QAction::triggered, this,
            &CopyCommands::mnuCopy_Click);
    connect(&context.action(QStringLiteral("mnuPaste")), &QAction::triggered, this,
            &CopyCommands::mnuPaste_Click);
    connect(&context.action(QStringLiteral("mnuCopyPicture")), &QAction::triggered, this,
            &CopyCommands::mnuCopyPicture_Click);
    // The shape's and the grid's own "Копирай" answer to the same key.
    const QKeySequence keys = context.action(QStringLiteral("mnuCopy")).shortcut();
    for (const char* name : {"mnuCopyShape", "mnuTabCopy"})
        if (auto* entry = context.mainWindow().findChild<QAction*>(QString::fromLatin1(name)))
            entry->setShortcut(keys);
}

void CopyCommands::mnuCopy_Click() {
    Workspace& ws = m_context.workspace();
    // The element whose menu was opened last, while it is still there.
    if (CopyBuffer::copy(ws, ws.diagram.contextElement))
        m_context.action(QStringLiteral("mnuPaste")).setEnabled(true);
}

void CopyCommands::mnuPaste_Click() {
    Workspace& ws = m_context.workspace();
    if (CopyBuffer::paste(ws, ws.tools.rightClick))
        ws.markChanged();
    m_context.Pre4ertai();
}

void CopyCommands::mnuCopyPicture_Click() {
    Workspace& ws = m_context.workspace();
    m_context.Proveri();
    const ImageExport::Rendering rendering =
        ImageExport::wholeDiagram(ws, ws.canvas.width, ws.canvas.height);
    if (rendering.error || rendering.picture.isNull()) {
        m_context.prompter().message(
            QStringLiteral("Копиране"),
            rendering.error.value_or(
                QStringLiteral("Диаграмата е празна и няма какво да се копира като картинка.")),
            rendering.error ? Prompter::Icon::Warning : Prompter::Icon::Information,
            Prompter::Buttons::Ok);
        return;
    }
    QGuiApplication::clipboard()->setImage(rendering.picture);
}
