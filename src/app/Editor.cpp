#include "app/Editor.h"

#include "files/FileCommands.h"
#include "files/RecentMenu.h"
#include "files/Recovery.h"
#include "files/RecoveryCommands.h"
#include "grids/GridCommands.h"
#include "grids/GridHandleLayer.h"
#include "help/HelpCommands.h"
#include "kinds/CopyCommands.h"
#include "lines/LineCommands.h"
#include "lines/LineHandleLayer.h"
#include "objects/OrientationCommands.h"
#include "objects/PictureCommands.h"
#include "objects/PictureLayer.h"
#include "objects/ResizeCommands.h"
#include "objects/ResizeHandleLayer.h"
#include "presentation/PresentationCommands.h"
#include "presentation/SettingsCommands.h"
#include "print/PrintCommands.h"
#include "search/SearchCommands.h"
#include "shapes/ShapeCommands.h"
#include "shapes/ShapeHandleLayer.h"
#include "sketchpad/SketchpadCommands.h"
#include "text/TextCommands.h"
#include "text/TextLayer.h"
#include "workspace/CanvasLayer.h"
#include "workspace/CanvasLayerStack.h"
#include "workspace/HistoryCommands.h"
#include "workspace/Pano.h"
#include "workspace/SelectionTool.h"
#include "workspace/Workspace.h"
#include "workspace/ZoomCommands.h"

Editor::Editor(Prompter& prompter, const frmMain::Paths& paths, const QString& recoveryFolder)
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
    m_history = std::make_unique<HistoryCommands>(window);
    m_copy = std::make_unique<CopyCommands>(window);
    m_recovery = std::make_unique<RecoveryCommands>(
        window, *m_files, recoveryFolder.isEmpty() ? Recovery::defaultFolder() : recoveryFolder);
    m_recent = std::make_unique<RecentMenu>(window, *m_files);
    m_search = std::make_unique<SearchCommands>(window);
    m_printing = std::make_unique<PrintCommands>(window);
    m_sketchpad = std::make_unique<SketchpadCommands>(window);
    m_help = std::make_unique<HelpCommands>(window,
                                            HelpCommands::defaultFolder(window.paths().programDir));
    m_settings = std::make_unique<SettingsCommands>(window);
    m_presentation =
        std::make_unique<PresentationCommands>(window, *m_files, window.paths().programDir);
    QObject::connect(m_texts.get(), &TextCommands::presentationRequested, m_presentation.get(),
                     &PresentationCommands::enter);
    m_zoom = std::make_unique<ZoomCommands>(window);

    // Each kind's place on the canvas, bottom to top: the elements, then their handles.
    Workspace& ws = window.workspace();
    CanvasLayerStack& layers = window.canvas().layers();
    const auto add = [this, &layers](std::unique_ptr<CanvasLayer> layer, int order) {
        m_layers.push_back(&layers.add(std::move(layer), order));
    };
    add(std::make_unique<PictureLayer>(ws, *m_pictures), LayerOrder::Pictures);
    add(std::make_unique<TextLayer>(ws, m_texts.get()), LayerOrder::Texts);
    add(LineHandleLayer::make(ws, *m_lines), LayerOrder::LineHandles);
    add(ShapeHandleLayer::make(ws, *m_shapes), LayerOrder::ShapeHandles);
    add(GridHandleLayer::make(ws, *m_grids), LayerOrder::GridHandles);
    add(ResizeHandleLayer::make(ws, *m_resize), LayerOrder::ResizeHandles);
    // A marked area that no export waits for becomes a grid.
    m_files->selection().gridRequested = [grids = m_grids.get()](const QRectF& area) {
        grids->gridMarked(area);
    };
}

Editor::~Editor() {
    // The layers first, then the commands they call: the commands still talk to the window
    // while they go.
    for (CanvasLayer* layer : m_layers)
        m_window->canvas().layers().remove(layer);
    // A clean end: the recovery file goes.
    m_zoom.reset();
    m_recent.reset();
    m_recovery.reset();
    m_copy.reset();
    m_sketchpad.reset();
    m_help.reset();
    m_presentation.reset();
    m_settings.reset();
    m_printing.reset();
    m_search.reset();
    m_history.reset();
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
