#include "objects/PictureLayer.h"

#include "workspace/CanvasGeometry.h"
#include "workspace/Workspace.h"

int PictureLayer::slotCount() const {
    return ElementStore::Capacity;
}

bool PictureLayer::present(int slot) const {
    const ElementStore& store = m_workspace.store();
    return store.objectStatus[slot] == ElementStore::Used && store.objects[slot].Visible;
}

QRectF PictureLayer::rect(int slot) const {
    return CanvasGeometry::pictureRect(m_workspace.store().objects[slot]);
}

void PictureLayer::paint(QPainter& painter) const {
    m_workspace.renderer().paintKind(painter, ElementKind::Picture);
}

QString PictureLayer::toolTip(int slot) const {
    return m_workspace.store().objects[slot].ToolTipText;
}
