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

PictureObject* OrientationCommands::contextPicture() const {
    Workspace& ws = m_context.workspace();
    const ElementRef element = ws.diagram.contextElement;
    if (element.kind != ElementKind::Picture || element.slot < 1 ||
        element.slot > ElementStore::Capacity ||
        ws.store.objectStatus[element.slot] != ElementStore::Used)
        return nullptr;
    PictureObject& object = ws.store.objects[element.slot];
    return object.picture.isNull() ? nullptr : &object;
}

void OrientationCommands::showNewPicture(PictureObject& object, const QImage& picture) {
    // Without memory for the new picture the object keeps the one it has.
    if (picture.isNull())
        return;
    Workspace& ws = m_context.workspace();
    object.picture = picture;
    // The pixels are the object's own now, so they are saved and copied with it.
    object.Tag = ImageStore::sketchpadKey();
    ws.markModified();
    ws.notifyElementsChanged();
}

void OrientationCommands::mnuHoriz_Click() {
    if (PictureObject* object = contextPicture())
        showNewPicture(*object, Orientation::mirroredLeftRight(object->picture));
}

void OrientationCommands::mnuFlipVert_Click() {
    PictureObject* object = contextPicture();
    if (!object)
        return;
    CommandsLocked locked(m_context);
    showNewPicture(*object, Orientation::mirroredTopBottom(object->picture));
}

void OrientationCommands::mnuFlip90_Click() {
    PictureObject* object = contextPicture();
    if (!object)
        return;
    const int columns = object->picture.width();
    CommandsLocked locked(m_context, columns);
    const QImage turned = Orientation::transposed(
        object->picture, [this](int done, int total) { m_context.setProgress(done, total); });
    if (turned.isNull())
        return;
    // The top-left corner stays; the box swaps its sides, so the object shows the turned
    // picture at the scale it showed the old one (pixel for pixel when that was 1:1).
    std::swap(object->Width, object->Height);
    showNewPicture(*object, turned);
    Workspace& ws = m_context.workspace();
    ws.setOutline(1, ws.canvas.Ogr[1].visible,
                  CanvasGeometry::outlineAround(CanvasGeometry::pictureRect(*object)));
}
