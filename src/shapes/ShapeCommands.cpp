#include "shapes/ShapeCommands.h"

#include "shapes/ShapeHandleLayer.h"
#include "shapes/Shapes.h"
#include "workspace/CanvasTools.h"
#include "workspace/EditorContext.h"
#include "workspace/Pano.h"
#include "workspace/Workspace.h"

ShapeCommands::ShapeCommands(EditorContext& context) : m_context(context) {
    Workspace& ws = context.workspace();
    Shapes::install(ws);
    using Mode = Shapes::ShapeTool::Mode;
    const struct {
        QString mode;
        Mode tool;
    } tools[] = {{ToolState::box(), Mode::Box},
                 {ToolState::line(), Mode::Line},
                 {ToolState::ellipse(), Mode::Ellipse},
                 {ToolState::circle(), Mode::Circle}};
    for (const auto& t : tools)
        context.tools().add(t.mode, std::make_unique<Shapes::ShapeTool>(ws, t.tool));
    m_layer = &context.canvas().layers().add(std::make_unique<ShapeHandleLayer>(ws),
                                             LayerOrder::ShapeHandles);
}

ShapeCommands::~ShapeCommands() {
    m_context.canvas().layers().remove(m_layer);
    m_context.workspace().renderer().setShapePainter({});
}
