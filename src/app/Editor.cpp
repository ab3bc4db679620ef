#include "app/Editor.h"

#include "files/FileCommands.h"
#include "grids/GridCommands.h"
#include "lines/LineCommands.h"
#include "objects/OrientationCommands.h"
#include "objects/PictureCommands.h"
#include "objects/ResizeCommands.h"
#include "shapes/ShapeCommands.h"
#include "text/TextCommands.h"
#include "workspace/CanvasLayer.h"
#include "workspace/Pano.h"
#include "workspace/SelectionTool.h"
#include "workspace/Workspace.h"

Editor::Editor(Prompter& prompter, const frmMain::Paths& paths)
    : m_window(std::make_unique<frmMain>(prompter, paths)) {
    frmMain& window = *m_window;
    m_pictures = std::make_unique<PictureCommands>(window);
    m_orientation = std::make_unique<OrientationCommands>(window);
    m_files = std::make_unique<FileCommands>(window);
    m_lines = std::make_unique<LineCommands>(window);
    m_shapes = std::make_unique<ShapeCommands>(window);
    m_grids = std::make_unique<GridCommands>(window);
    m_texts = std::make_unique<TextCommands>(window);
    m_resize = std::make_unique<ResizeCommands>(window);
    // A marked area that no export waits for becomes a grid.
    m_files->selection().gridRequested = [grids = m_grids.get()](const QRectF& area) {
        grids->gridMarked(area);
    };
}

Editor::~Editor() {
    // Commands first: they still talk to the window while they go.
    m_resize.reset();
    m_texts.reset();
    m_orientation.reset();
    m_grids.reset();
    m_shapes.reset();
    m_lines.reset();
    m_files.reset();
    m_pictures.reset();
    m_window.reset();
}

ImageStore& Editor::pictureLibrary() {
    return m_window->workspace().kartinki;
}
