#include "workspace/SelectionTool.h"

#include "workspace/Workspace.h"

#include <algorithm>
#include <cstdlib>

void SelectionTool::draw(int16_t x, int16_t y, int32_t, bool Final) {
    Workspace& ws = m_workspace;
    const int16_t x0 = ws.tools.x0;
    const int16_t y0 = ws.tools.y0;
    const QRectF box(std::min(x0, x), std::min(y0, y), std::abs(x - x0), std::abs(y - y0));
    if (!Final) {
        ws.setSelection(true, box);
        return;
    }
    // Whatever the rectangle is for, it leaves the screen now.
    ws.setSelection(false, box);
    ws.tools.mode.clear();
    ws.setCanvasPointer(Qt::ArrowCursor);
    if (ws.diagram.SelPicture == -1) {
        if (regionMarked)
            regionMarked(box);
    } else if (gridRequested) {
        gridRequested(box);
    }
}
