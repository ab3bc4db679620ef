#pragma once

#include "library/ImageStore.h"
#include "settings/SettingsRecord.h"
#include "workspace/CanvasBitmap.h"
#include "workspace/CanvasState.h"
#include "workspace/Diagram.h"
#include "workspace/DiagramRenderer.h"
#include "workspace/DiagramState.h"
#include "workspace/ElementStore.h"
#include "workspace/History.h"
#include "workspace/KindRegistry.h"
#include "workspace/SimpleDragAndDrop.h"
#include "workspace/ToolState.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class Prompter;

// The shared workspace of the editor, grouped by concern: the diagram (element store and
// diagram state), the canvas state, the tool state, the settings and the picture library.
// Windows observe it through its signals and never keep a copy of any of it.
class Workspace : public QObject {
    Q_OBJECT

public:
    // `kinds` are the kinds of element the workspace knows; it must outlive the workspace.
    Workspace(Prompter& prompter, const KindRegistry& kinds, QObject* parent = nullptr);
    ~Workspace() override;

    Prompter& prompter() const { return m_prompter; }
    const KindRegistry& kinds() const { return m_kinds; }

    // The document: the elements, read freely, changed only through an edit.
    Diagram& document() { return m_document; }
    const Diagram& document() const { return m_document; }
    const ElementStore& store() const { return m_document.store(); }
    // Opens an edit of the document named `step` (see Diagram::edit).
    Diagram::Edit edit(const QString& step,
                       DiagramChange::Scope scope = DiagramChange::Scope::Diagram) {
        return m_document.edit(step, scope);
    }
    // The undo history of the document. Its clean state is the unsaved-changes flag.
    const History& history() const { return m_history; }
    // Takes the last step back or does the next one again, and shows the diagram as it then
    // stands (see restoreDiagram); false when there is none, or while a drag holds its step.
    bool undo();
    bool redo();

    DiagramState diagram;
    CanvasState canvas;
    ToolState tools;
    SettingsRecord settings;
    ImageStore kartinki;

    // ---- settings ----
    // An index outside 0..10 names no window: reading it gives the opaque default and writing
    // it changes nothing.
    int16_t GetTransp(int index) const;
    bool SetTransp(int index, int16_t value);
    const QString& GetProgramFont() const { return settings.ProgramFont; }
    void SetProgramFont(const QString& font) { settings.ProgramFont = font; }
    bool GetShowInfo() const { return settings.ShowInfo; }
    void SetShowInfo(bool on) { settings.ShowInfo = on; }
    bool GetPre4ertaiPriMestene() const { return settings.Pre4ertaiPriMestene; }
    void SetPre4ertaiPriMestene(bool on) { settings.Pre4ertaiPriMestene = on; }
    bool GetShowDrawOptions() const { return settings.ShowDrawOptions; }
    void SetShowDrawOptions(bool on) { settings.ShowDrawOptions = on; }

    // ---- diagram state ----
    // Status bar panels 2 and 3.
    const QString& stateText() const { return m_stateText; }
    const QString& fileText() const { return m_fileText; }
    void setStateText(const QString& text);
    void setFileText(const QString& text);
    // Tells the user that a finished drawing operation changed the diagram (status panel).
    // Whether there is anything to save is the history's business alone.
    void markChanged();
    // The unsaved-changes flag (diagram.Promqna), which the window shows, is true exactly when
    // the diagram differs from the one last saved or read. `false`: the diagram as it is now
    // was just saved. `true`: it differs from anything saved, whatever undo does (a recovered
    // diagram).
    void setModified(bool modified);

    // ---- element store ----
    // The box of any element (twips), as its kind gives it; empty for none.
    QRectF elementRect(ElementRef element) const { return m_kinds.box(store(), element); }
    // The slot of the element whose context menu was opened last, when it is of `kind` and
    // still there; 0 otherwise. Context-menu commands act on it.
    int16_t contextElement(ElementKind kind) const;
    // The free-slot search of the four large buffers (pictures, texts, shapes, lines): the
    // lowest free slot, or 0 after telling the user the buffer is full; 0 for other kinds.
    int16_t FindEmpty(ElementKind buffer);
    // The lowest free grid slot, 0 when all ten are used. Silent.
    int16_t PraznaTablica() const;
    // Creates a picture object from the library key `Vid` at the new-object point; sets
    // Nomer. A key the library lacks gets the placeholder picture, so the object can be seen
    // and deleted.
    void DobaviNov(const QString& Vid);
    // Clears the whole diagram.
    void Iz4isti();
    // Puts a copy of the whole diagram back as one step (undo, redo, a recovered diagram) and
    // shows it: every handle as handles are shown now; no resize handles, outlines, selection
    // or connection being picked on elements that may be gone; the context element forgotten
    // when it went or changed; the canvas painted again.
    void restoreDiagram(const ElementStore& content, const QString& step);
    // Asks whether to save unsaved changes; false when the caller must not go on.
    bool ZapaziPromenite();
    // The save command; wired by the file commands.
    std::function<void()> saveCommand;

    // Removes a picture object and every connection line that starts or ends at it.
    void deletePicture(int16_t slot);
    // Removes a text field.
    void deleteText(int16_t slot);
    // The caption of a used text field; an empty caption becomes "Въведете текст", so a
    // field never shows nothing. False when the slot holds no text field.
    bool setTextCaption(int16_t slot, const QString& caption);
    // The name (tooltip) of a used picture object. False when the slot holds no object.
    bool setPictureName(int16_t slot, const QString& name);
    // Tells the views that elements were added or removed.
    void notifyElementsChanged() { emit elementsChanged(); }

    // A drag object for a picture object or a text field, keeping it inside the canvas.
    SimpleDragAndDrop dragObject(ElementRef element);
    // Where the handle of a shape or grid, or the resize handle {ResizeHandle, 1..4}, sits
    // (twips, top-left corner).
    QPointF handleTopLeft(ElementRef handle) const;
    // A drag object for one of those handles, `size` twips square, kept inside the canvas;
    // `moved` runs with the handle's new top-left corner after every move, within the edit
    // that moved a shape's or grid's handle, so the element follows in the same step.
    SimpleDragAndDrop dragHandle(ElementRef handle, double size,
                                 std::function<void(QPointF)> moved = {});

    // ---- scrolling and extent ----
    // The scroll: the scroll bars now stand at (horizontal, vertical) twips, and the canvas
    // shows the document from there. The elements keep their positions; the pick outlines
    // stay where they are on the canvas.
    void Izmesti(int16_t horizontal, int16_t vertical);
    // The zoom of the canvas (1 is 100 %, kept within the zoom steps), the document point
    // under `anchorPixels` (a point of the canvas) staying put as far as the scroll values,
    // whole twips from 0 to 32767, allow. Only the view changes: no step, no unsaved change.
    void setZoom(double zoom, QPointF anchorPixels = {});
    double zoom() const { return canvas.view.zoom; }
    // Where a new element lands: the same place on the canvas however it is scrolled or
    // zoomed, in whole document twips.
    QPointF newObjectPoint() const;
    // The extent over all elements, measured from `origin`; the least values start at the
    // given inner size and the greatest at 0, so an empty diagram gives those.
    DiagramExtent extent(double innerWidth, double innerHeight, QPointF origin = {}) const;
    // Scroll-bar maximum that keeps the scroll margin beyond the furthest element reachable;
    // 0 when everything fits.
    static int scrollMaximum(double greatest, double inner);
    // The extent check: records the extent as the canvas shows it (from the view's origin) in
    // the canvas state and gives the two scroll maxima.
    struct ScrollRanges {
        int horizontal = 0;
        int vertical = 0;
    };
    ScrollRanges Proveri();

    // ---- the canvas ----
    void setCanvasSize(int widthPixels, int heightPixels);
    double canvasWidth() const { return canvas.width; }
    double canvasHeight() const { return canvas.height; }
    // The canvas part of stopping the tools: the tool ends unless a selection is pending
    // (true when it ended), and the resize handles, Ogr(1) and the selection are hidden.
    bool stopTools();
    void setOutline(int index, bool visible, const QRectF& twips = QRectF());
    // Without `twips` the rectangle stays where it was; a given one is kept even when empty.
    void setSelection(bool visible, const std::optional<QRectF>& twips = std::nullopt);
    void setRubberBand(const RubberBand& band);
    void setCanvasPointer(Qt::CursorShape shape);
    // Tells the views that the canvas state changed (outlines, handles, rubber band).
    void notifyCanvasStateChanged() { emit canvasStateChanged(); }

    const DiagramRenderer& renderer() const { return m_renderer; }
    DiagramRenderer& renderer() { return m_renderer; }
    CanvasBitmap& bitmap() { return m_bitmap; }
    static int32_t canvasBackColour() { return 0xFFFFFF; }

    // The repaint of lines, shapes and grids. It only marks the persistent layer out of
    // date; the layer is drawn again when it is next shown or read. What must happen at once
    // (the line handles move to their lines) runs as a repaint step.
    void Pre4ertai();
    // Runs at every repaint; the number given back takes it away again.
    int addRepaintStep(std::function<void()> step);
    void removeRepaintStep(int id);
    // Flattens every picture object and text field onto the canvas bitmap.
    void Combine();
    // Any rectangle of the diagram as a picture (export, print, previews).
    QImage renderRegion(const QRectF& twips) const { return m_renderer.renderRegion(twips); }

signals:
    void stateTextChanged(const QString& text);
    void modifiedChanged(bool modified);
    void fileTextChanged(const QString& text);
    // Elements were added or removed, or many moved.
    void elementsChanged();
    // One element moved from `before` to `after` (twips).
    void elementMoved(const QRectF& before, const QRectF& after);
    // The persistent layer will look different at its next update.
    void persistentLayerChanged();
    void canvasStateChanged();
    // The canvas shows another zoom.
    void zoomChanged();
    // A rubber band or the selection rectangle moved from `before` to `after` (twips): only
    // those parts of the canvas need painting again.
    void overlayMoved(const QRectF& before, const QRectF& after);

private:
    void showClean();
    // The one edit of a whole drag, opened at its first move.
    std::shared_ptr<class DragStep> dragStep(const QString& name);

    Prompter& m_prompter;
    const KindRegistry& m_kinds;
    Diagram m_document;
    History m_history;
    QString m_stateText;
    QString m_fileText;
    DiagramRenderer m_renderer;
    CanvasBitmap m_bitmap;
    std::vector<std::pair<int, std::function<void()>>> m_repaintSteps;
    int m_nextRepaintStep = 1;
};
