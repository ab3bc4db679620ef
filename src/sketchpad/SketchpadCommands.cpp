#include "sketchpad/SketchpadCommands.h"

#include "library/ImageStore.h"
#include "sketchpad/frmAddPaint.h"
#include "workspace/EditorContext.h"
#include "workspace/Workspace.h"

#include <QAction>

SketchpadCommands::SketchpadCommands(EditorContext& context) : m_context(context) {
    connect(&m_context.action(QStringLiteral("mnuAddSketchPad")), &QAction::triggered, this,
            &SketchpadCommands::mnuAddSketchPad_Click);
}

frmAddPaint* SketchpadCommands::sketchpad() const {
    return m_window;
}

SketchpadCommands::~SketchpadCommands() {
    delete m_window.data();
}

void SketchpadCommands::mnuAddSketchPad_Click() {
    if (!m_window) {
        m_window = new frmAddPaint(
            m_context.prompter(), m_context.workspace().settings, m_context.backgroundTile(),
            [this](const QImage& picture, QSizeF twips) { return insert(picture, twips); },
            &m_context.mainWindow());
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

bool SketchpadCommands::insert(const QImage& picture, QSizeF twips) {
    Workspace& ws = m_context.workspace();
    Diagram::Edit change = ws.edit(QStringLiteral("Вмъкване на рисунка"));
    ws.DobaviNov(ImageStore::sketchpadKey());
    if (ws.diagram.Nomer < 1)
        return false;
    PictureObject& object = change.store().objects[ws.diagram.Nomer];
    object.picture = picture.convertToFormat(QImage::Format_RGB32);
    object.Width = twips.width();
    object.Height = twips.height();
    ws.notifyElementsChanged();
    return true;
}
