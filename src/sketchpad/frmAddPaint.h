#pragma once

#include "settings/ProgramWindow.h"
#include "sketchpad/Sketch.h"
#include "workspace/SimpleDragAndDrop.h"

#include <QImage>
#include <QMainWindow>
#include <functional>
#include <optional>

class Prompter;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QToolBar;
class QToolButton;
class SketchSurface;

// "Скицник": a small paint window. The user draws with the pencil, line, rectangle, ellipse,
// paint bucket, eraser and text tools, may mount a picture from a file, and inserts the drawn
// part into the diagram as a new picture object.
class frmAddPaint : public QMainWindow, public ProgramWindow {
    Q_OBJECT

public:
    // Puts the drawn picture into the diagram as an object of the given size in twips; false
    // when the diagram had no room for it (the window then stays open with the drawing).
    using Insert = std::function<bool(const QImage& picture, QSizeF twips)>;

    frmAddPaint(Prompter& prompter, const SettingsRecord& settings, const QImage& tile,
                Insert insert, QWidget* parent = nullptr);
    ~frmAddPaint() override;

    Sketch& sketch() { return m_sketch; }
    SketchSurface& surface() { return *Picture1; }
    Sketch::Tool tool() const { return m_tool; }
    bool floating() const;
    // The floating picture's top-left corner on the surface, in pixels.
    QPoint floatingAt() const;
    void moveFloating(QPoint pixel);

    // Controls, by the names the window's code and its tests use.
    SketchSurface* Picture1 = nullptr;
    QLabel* imgLoad = nullptr;
    QToolButton *optDraw = nullptr, *optLine = nullptr, *optRect = nullptr, *optEllipse = nullptr,
                *optFlood = nullptr, *optRubber = nullptr, *optText = nullptr;
    QPushButton *cmdGo = nullptr, *cmdClearAll = nullptr, *cmdExit = nullptr;
    QToolBar* tlbcolor = nullptr;
    QToolButton *CherColor = nullptr, *ZapColor = nullptr;
    QScrollBar* sldLines = nullptr;
    QLabel* lblDebLin = nullptr;
    QAction *mnuFileOpen = nullptr, *mnuFont = nullptr, *mnuColor = nullptr,
            *mnuFillColor = nullptr;
    QMenu *menColor = nullptr, *mnuDrawStyle = nullptr, *mnuFigures = nullptr;

    // The commands.
    void chooseTool(Sketch::Tool tool);
    void mnuFileOpen_Click();
    // Loads a picture to float on the surface; false when the file is no picture.
    bool loadPicture(const QString& path);
    void mnuColor_Click();
    void mnuFillColor_Click();
    void mnuFont_Click();
    void setDrawStyle(int32_t style);
    void setFillStyle(int32_t style);
    void setDrawingColour(const QColor& colour);
    void cmdGo_Click();
    void cmdClearAll_Click();
    void cmdExit_Click();
    // Ctrl+Z: the last stroke, fill, text or mounting goes.
    void undo();
    // The mounting question; true when it was answered (Yes or No), false on Cancel.
    bool Montirai();

    // The mouse on the surface, at a point in pixels.
    void surfaceDown(Qt::MouseButton button, QPoint pixel);
    void surfaceMove(Qt::MouseButtons buttons, QPoint pixel);
    void surfaceUp(Qt::MouseButton button, QPoint pixel);

    // The sixteen colours of the colour bar.
    static const QRgb StandardColours[16];

protected:
    const SettingsRecord& appearanceSettings() const override { return m_settings; }
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void ShowColorTlb();
    void placeControls();
    void paintSwatch(QToolButton* swatch, const QColor& colour);
    void IzberiRisunkata();
    void repaint(const QRect& pixels);

    Prompter& m_prompter;
    const SettingsRecord& m_settings;
    QImage m_tile;
    Insert m_insert;
    Sketch m_sketch;
    Sketch::Tool m_tool = Sketch::Tool::None;
    // The stroke in progress: where it began or last moved to (twips), and whether the
    // button went down on the surface.
    QPointF m_start;
    bool m_pressed = false;
    SimpleDragAndDrop m_floatDrag;
    QImage m_floatPicture;
    bool m_closeAsked = false;
    QActionGroup* m_drawStyles = nullptr;
    QActionGroup* m_fillStyles = nullptr;
    QActionGroup* m_colours = nullptr;
};
