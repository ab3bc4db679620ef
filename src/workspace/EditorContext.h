#pragma once

#include <QString>

class CanvasTools;
class QImage;
class ElementMenu;
class Pano;
class Prompter;
class QAction;
class QMenu;
class QPushButton;
class QWidget;
class Workspace;

// What the subsystems' commands see of the main window. They never include the window
// itself; the wiring hands each of them this.
class EditorContext {
public:
    virtual ~EditorContext() = default;

    virtual Workspace& workspace() = 0;
    virtual Prompter& prompter() = 0;
    virtual Pano& canvas() = 0;
    // The main window, as the parent of the subsystems' own windows and menus.
    virtual QWidget& mainWindow() = 0;
    // The tile the main window's background is made of, for windows that look alike.
    virtual const QImage& backgroundTile() const = 0;
    // The tool objects by tool mode.
    virtual CanvasTools& tools() = 0;
    // The element context menu mnuOpt.
    virtual ElementMenu& elementMenu() = 0;

    virtual void SpriInstrumentite() = 0;
    // Makes `mode` the tool of the canvas: the cross-hair pointer, a connection in progress
    // cancelled.
    virtual void startTool(const QString& mode) = 0;
    virtual bool Opcii4ertane() = 0;
    virtual void Pre4ertai() = 0;
    virtual void Proveri() = 0;
    virtual void Kontrolite(bool Systoqnie) = 0;

    // Whether either scroll bar of the canvas can move: the diagram reaches past the canvas.
    virtual bool canvasScrollable() = 0;
    // Brings the canvas to a scroll position in twips: the scroll bars go there (within their
    // ranges) and the elements shift to match, once.
    virtual void scrollTo(int horizontal, int vertical) = 0;

    // Writes the settings record to settings.ini; false when the file could not be written.
    virtual bool SaveSettings() = 0;

    // The progress bar of long operations, centred on the canvas, with the hourglass.
    virtual void beginProgress(int maximum) = 0;
    virtual void setProgress(int value, int maximum) = 0;
    virtual void endProgress() = 0;

    // Menu entries (of the main menu and of mnuOpt), menus and command buttons by name. An
    // unknown name is a programming error and stops the program on the spot.
    virtual QAction& action(const QString& name) = 0;
    virtual QMenu& menu(const QString& name) = 0;
    virtual QPushButton& button(const QString& name) = 0;

    // Pops a menu up with its corner at the centre of a widget, or at the mouse pointer.
    virtual void popupAtCentreOf(QMenu& menu, QWidget& widget) = 0;
    virtual void popupAtPointer(QMenu& menu) = 0;
};
