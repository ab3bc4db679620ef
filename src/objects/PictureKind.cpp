#include "objects/PictureKind.h"

#include "workspace/CanvasGeometry.h"
#include "workspace/DiagramRenderer.h"
#include "workspace/ElementStore.h"
#include "workspace/KindRegistry.h"

namespace PictureKind {

void registerKind(KindRegistry& kinds) {
    KindDescriptor d;
    d.kind = ElementKind::Picture;
    d.slotCount = ElementStore::Capacity;
    d.resizeTag = QStringLiteral("Kartinka");
    d.copyTag = QStringLiteral("Pic");
    d.fileTags = {QStringLiteral("[PIC]"), QStringLiteral("[EMPIC]")};
    // Drawn over the repaint's layer, in slot order, before the text fields.
    d.paintPass = 0;
    d.paintAll = &DiagramRenderer::paintPictures;
    d.paint = [](QPainter& painter, const ElementStore& store, int slot) {
        const PictureObject& o = store.objects[slot];
        if (o.Visible && !o.picture.isNull())
            DiagramRenderer::drawPicture(painter, CanvasGeometry::pictureRect(o), o.picture);
    };
    d.present = [](const ElementStore& store, int slot) {
        return store.objectStatus[slot] == ElementStore::Used;
    };
    d.box = [](const ElementStore& store, int slot) {
        return CanvasGeometry::pictureRect(store.objects[slot]);
    };
    // The object goes with every line that starts or ends at it; unloading it lets its
    // picture go.
    d.erase = [](ElementStore& store, int slot) {
        store.objectStatus[slot] = ElementStore::Free;
        for (int i = 1; i <= ElementStore::Capacity; ++i) {
            LineRecord& line = store.lines[i];
            if (line.Used != 0 && (line.FromObject == slot || line.ToObject == slot))
                line.Used = line.FromObject = line.ToObject = line.LineType = 0;
        }
        store.objects[slot] = PictureObject{};
    };
    // The object's key and name, and its slot: its pixels are taken from there when pasted.
    d.copy = [](const ElementStore& store, int slot, QStringList& buffer) {
        const PictureObject& o = store.objects[slot];
        while (buffer.size() < 4)
            buffer.append(QString());
        buffer[0] = QStringLiteral("Pic");
        buffer[1] = o.Tag;
        buffer[2] = o.ToolTipText;
        buffer[3] = QString::number(slot);
    };
    kinds.add(std::move(d));
}

} // namespace PictureKind
