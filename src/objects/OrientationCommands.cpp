#include "objects/OrientationCommands.h"

#include "library/ImageStore.h"
#include "objects/Orientation.h"
#include "workspace/CanvasGeometry.h"
#include "workspace/CommandsLocked.h"
#include "workspace/EditorContext.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <utility>

OrientationCommands::OrientationCommands(EditorContext& context) : m_context(context) {
    connect(&m_context.action(QStringLiteral("mnuHoriz")), &QAction::triggered, this,
            &OrientationCommands::mnuHoriz_Click);
    connect(&m_context.action(QStringLiteral("mnuFlipVert")), &QAction::triggered, this,
            &OrientationCommands::mnuFlipVert_Click);
    connect(&m_context.action(QStringLiteral("mnuFlip90")), &QAction::triggered, this,
            &OrientationCommands::mnuFlip90_Click);
}

int16_t OrientationCommands::contextPicture() const {
    const Workspace& ws = m_context.workspace();
    const int16_t slot = ws.contextElement(ElementKind::Picture);
    return slot && !ws.store().objects[slot].picture.isNull() ? slot : 0;
}

void OrientationCommands::showNewPicture(int16_t slot, const QImage& picture, const QString& step,
                                         bool swapSides) {
    // Without memory for the new picture the object keeps the one it has.
    if (picture.isNull())
        return;
    Workspace& ws = m_context.workspace();
    {
        Diagram::Edit change = ws.edit(step);
        PictureObject& object = change.store().objects[slot];
        object.picture = picture;
        // The pixels are the object's own now, so they are saved and copied with it.
        object.Tag = ImageStore::sketchpadKey();
        // The top-left corner stays; a turned box swaps its sides, so the object shows the
        // turned picture at the scale it showed the old one.
        if (swapSides)
            std::swap(object.Width, object.Height);
    }
    ws.notifyElementsChanged();
}

void OrientationCommands::mnuHoriz_Click() {
    if (const int16_t slot = contextPicture())
        showNewPicture(
            slot,
            Orientation::mirroredLeftRight(m_context.workspace().store().objects[slot].picture),
            QStringLiteral("Обръщане отляво надясно"));
}

void OrientationCommands::mnuFlipVert_Click() {
    const int16_t slot = contextPicture();
    if (!slot)
        return;
    CommandsLocked locked(m_context);
    showNewPicture(
        slot, Orientation::mirroredTopBottom(m_context.workspace().store().objects[slot].picture),
        QStringLiteral("Обръщане отгоре надолу"));
}

void OrientationCommands::mnuFlip90_Click() {
    const int16_t slot = contextPicture();
    if (!slot)
        return;
    Workspace& ws = m_context.workspace();
    const QImage picture = ws.store().objects[slot].picture;
    CommandsLocked locked(m_context, picture.width());
    const QImage turned = Orientation::transposed(
        picture, [this](int done, int total) { m_context.setProgress(done, total); });
    if (turned.isNull())
        return;
    showNewPicture(slot, turned, QStringLiteral("Завъртане"), true);
    ws.setOutline(
        1, ws.canvas.Ogr[1].visible,
        CanvasGeometry::outlineAround(CanvasGeometry::pictureRect(ws.store().objects[slot])));
}
