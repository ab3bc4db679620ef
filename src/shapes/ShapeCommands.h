#pragma once

class CanvasLayer;
class EditorContext;

// The shapes in the editor: the four drawing tools, the painting of stored shapes and their
// handles on the canvas.
class ShapeCommands {
public:
    explicit ShapeCommands(EditorContext& context);
    ~ShapeCommands();
    ShapeCommands(const ShapeCommands&) = delete;
    ShapeCommands& operator=(const ShapeCommands&) = delete;

private:
    EditorContext& m_context;
    CanvasLayer* m_layer = nullptr;
};
