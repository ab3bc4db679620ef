#include "lines/LineHandleLayer.h"

#include "lines/Connections.h"
#include "lines/LineCommands.h"
#include "workspace/Workspace.h"

namespace LineHandleLayer {

std::unique_ptr<HandleLayer> make(const Workspace& workspace, LineCommands& commands) {
    HandleLayer::Look look;
    look.kind = ElementKind::Line;
    look.slotCount = ElementStore::Capacity;
    look.size = Connections::HandleSize;
    look.view = &workspace.canvas.view;
    look.present = [&workspace](int slot) {
        return workspace.store().lines[slot].Used != 0 &&
               workspace.canvas.lineHandles[slot].visible;
    };
    look.topLeft = [&workspace](int slot) { return workspace.canvas.lineHandles[slot].topLeft; };
    look.toolTip = [](int) {
        return QStringLiteral("Щракнете с десния бутон за опции за тази линия");
    };
    look.press = [&commands](int slot, const CanvasMouse& mouse) {
        if (mouse.button == Qt::RightButton)
            commands.openLineMenu(static_cast<int16_t>(slot));
    };
    return std::make_unique<HandleLayer>(std::move(look), nullptr);
}

} // namespace LineHandleLayer
