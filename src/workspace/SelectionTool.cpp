#include "workspace/SelectionTool.h"

#include "workspace/Workspace.h"

#include <algorithm>
#include <cstdlib>

void SelectionTool::draw(int32_t x, int32_t y, int32_t, bool Final) {
    Workspace& ws = m_workspace;
    const int64_t x0 = ws.tools.x0;
    const int64_t y0 = ws.tools.y0;
    const QRectF box(double(std::min<int64_t>(x0, x)), double(std::min<int64_t>(y0, y)),
                     double(std::abs(x - x0)), double(std::abs(y - y0)));
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
