#pragma once

#include "workspace/CanvasTool.h"

#include <QHash>
#include <QPointF>
#include <QString>
#include <Qt>
#include <memory>

class Workspace;

// The tool objects by tool mode, and the mouse on the bare canvas: a left-button drag hands
// every move to the tool of the active mode and finishes it on release.
class CanvasTools {
public:
    explicit CanvasTools(Workspace& workspace);
    ~CanvasTools();

    // Takes the tool for a mode, replacing any earlier one.
    void add(const QString& mode, std::unique_ptr<CanvasTool> tool);
    CanvasTool* find(const QString& mode) const;

    // Mouse on the bare canvas, in twips. mouseDown returns true when the right button asks
    // for the main menu.
    bool mouseDown(Qt::MouseButton button, QPointF twips);
    void mouseMove(Qt::MouseButtons buttons, QPointF twips);
    void mouseUp(Qt::MouseButton button, QPointF twips);

private:
    void draw(const QString& mode, QPointF twips, bool Final);

    Workspace& m_workspace;
    QHash<QString, std::shared_ptr<CanvasTool>> m_tools;
};
