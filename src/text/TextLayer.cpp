#include "text/TextLayer.h"

#include "workspace/CanvasGeometry.h"
#include "workspace/Workspace.h"

int TextLayer::slotCount() const {
    return ElementStore::Capacity;
}

bool TextLayer::present(int slot) const {
    const ElementStore& store = m_workspace.store();
    return store.textStatus[slot] == ElementStore::Used && store.texts[slot].Visible;
}

QRectF TextLayer::rect(int slot) const {
    return CanvasGeometry::textRect(m_workspace.store().texts[slot]);
}

void TextLayer::paint(QPainter& painter) const {
    m_workspace.renderer().paintKind(painter, ElementKind::Text);
}
