#pragma once

#include "library/SplashTarget.h"
#include "workspace/frmMain.h"

#include <memory>
#include <vector>

class CopyCommands;
class FileCommands;
class GridCommands;
class HelpCommands;
class HistoryCommands;
class LineCommands;
class OrientationCommands;
class PictureCommands;
class PresentationCommands;
class RecentMenu;
class RecoveryCommands;
class ResizeCommands;
class PrintCommands;
class SearchCommands;
class SettingsCommands;
class ShapeCommands;
class SketchpadCommands;
class TextCommands;
class ZoomCommands;

// The whole editor: the main window and the commands of every subsystem, wired together
// here and nowhere else. The commands end before the window they work on.
class CanvasLayer;

class Editor : public SplashTarget {
public:
    // Recovery files are kept in `recoveryFolder` (Recovery::defaultFolder() when empty).
    Editor(Prompter& prompter, const frmMain::Paths& paths,
           const QString& recoveryFolder = QString());
    ~Editor() override;
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    frmMain& window() const { return *m_window; }
    Workspace& workspace() const { return m_window->workspace(); }
    PictureCommands& pictures() const { return *m_pictures; }
    FileCommands& files() const { return *m_files; }
    LineCommands& lines() const { return *m_lines; }
    ShapeCommands& shapes() const { return *m_shapes; }
    GridCommands& grids() const { return *m_grids; }
    TextCommands& texts() const { return *m_texts; }
    ResizeCommands& resizing() const { return *m_resize; }
    HistoryCommands& history() const { return *m_history; }
    RecoveryCommands& recovery() const { return *m_recovery; }
    RecentMenu& recentFiles() const { return *m_recent; }
    SearchCommands& search() const { return *m_search; }
    PrintCommands& printing() const { return *m_printing; }
    SketchpadCommands& sketchpad() const { return *m_sketchpad; }
    HelpCommands& help() const { return *m_help; }
    SettingsCommands& settings() const { return *m_settings; }
    PresentationCommands& presentation() const { return *m_presentation; }
    ZoomCommands& zoom() const { return *m_zoom; }

    ImageStore& pictureLibrary() override;
    QString programFolder() const override { return m_window->paths().programDir; }
    Prompter& prompter() override { return m_window->prompter(); }
    QWidget& mainWindow() override { return *m_window; }

private:
    std::unique_ptr<frmMain> m_window;
    std::unique_ptr<PictureCommands> m_pictures;
    std::unique_ptr<OrientationCommands> m_orientation;
    std::unique_ptr<FileCommands> m_files;
    std::unique_ptr<LineCommands> m_lines;
    std::unique_ptr<ShapeCommands> m_shapes;
    std::unique_ptr<GridCommands> m_grids;
    std::unique_ptr<TextCommands> m_texts;
    std::unique_ptr<ResizeCommands> m_resize;
    std::unique_ptr<HistoryCommands> m_history;
    std::unique_ptr<CopyCommands> m_copy;
    std::unique_ptr<RecoveryCommands> m_recovery;
    std::unique_ptr<RecentMenu> m_recent;
    std::unique_ptr<SearchCommands> m_search;
    std::unique_ptr<PrintCommands> m_printing;
    std::unique_ptr<SketchpadCommands> m_sketchpad;
    std::unique_ptr<HelpCommands> m_help;
    std::unique_ptr<SettingsCommands> m_settings;
    std::unique_ptr<PresentationCommands> m_presentation;
    std::unique_ptr<ZoomCommands> m_zoom;
    // Each kind's canvas layer, put on the canvas here and taken off before the commands go.
    std::vector<CanvasLayer*> m_layers;
};
