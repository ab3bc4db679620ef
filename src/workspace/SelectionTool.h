#pragma once

#include "workspace/CanvasTool.h"

#include <QRectF>
#include <functional>

class Workspace;

// The selection tool (DrawSelection): a rectangle marked with the mouse, shown as
// shpSelection while the button is held. On release it ends the tool and hands the rectangle
// on: to the region export while one waits for it, otherwise to a new grid.
class SelectionTool : public CanvasTool {
public:
    explicit SelectionTool(Workspace& workspace) : m_workspace(workspace) {}

    // The rectangle of a pending region export (twips).
    std::function<void(const QRectF&)> regionMarked;
    // The rectangle of a new grid (twips).
    std::function<void(const QRectF&)> gridRequested;

    void draw(int32_t x, int32_t y, int32_t colour, bool Final) override;

private:
    Workspace& m_workspace;
};
