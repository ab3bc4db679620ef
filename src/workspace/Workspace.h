#pragma once

#include "library/ImageStore.h"
#include "objects/SimpleDragAndDrop.h"
#include "settings/SettingsRecord.h"
#include "workspace/ElementStore.h"
#include "workspace/ToolState.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

class Prompter;
class QPainter;

// The shared workspace of the main window: the element store, the diagram state, the
// canvas bitmap, the tool state, the settings and the picture library. Windows observe it
// through its signals and never keep diagram data of their own.
class Workspace : public QObject {
    Q_OBJECT

public:
    explicit Workspace(Prompter& prompter, QObject* parent = nullptr);
    ~Workspace() override;

    Prompter& prompter() const { return m_prompter; }

    ElementStore store;
    ImageStore kartinki;
    SettingsRecord settings;
    ToolState tools;

    int16_t Nomer = 0;    // slot of the picture object DobaviNov created last, 0 when full
    QString Posledno;     // library key of the last object added from the library
    bool Promqna = false; // unsaved changes
    QString ImeForma = QStringLiteral("Вексилардо");
    int16_t SelPicture = 0; // -1 while a region export waits for its rectangle
    int16_t Izbr = 0;       // slot chosen by a right-click on a handle
    int16_t lastCreatedObject = 0;

    // The settings record through its accessors. An index outside 0..10 names no window:
    // reading it gives the opaque default and writing it changes nothing.
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

    // The element whose context menu was opened last; context-menu commands act on it.
    struct ContextElement {
        enum class Kind { None, Picture, Text, LineHandle, ShapeHandle, GridHandle };
        Kind kind = Kind::None;
        int16_t slot = 0;
    };
    ContextElement contextElement;

    // One drag object per picture and text slot, made when the element is created.
    std::array<SimpleDragAndDrop, ElementStore::Capacity + 1> pictureDrag;
    std::array<SimpleDragAndDrop, ElementStore::Capacity + 1> textDrag;
    // Makes a fresh drag object for a text slot (text fields are created elsewhere).
    void bindTextDrag(int16_t slot);

    // Removes a picture object and every connection line that starts or ends at it.
    void deletePicture(int16_t slot);
    // Removes a text field.
    void deleteText(int16_t slot);

    // Moves every element by (dx, dy) twips: what scrolling the canvas does.
    void shiftElements(int dx, int dy);

    // Least left/top and greatest right/bottom over all elements, in twips. The least values
    // start at the canvas size and the greatest at 0, so an empty diagram gives those.
    struct Extent {
        int32_t minLeft = 0;
        int32_t minTop = 0;
        int32_t maxRight = 0;
        int32_t maxBottom = 0;
    };
    Extent extent(double innerWidth, double innerHeight) const;
    // Scroll-bar maximum that keeps 400 twips beyond the furthest element reachable; 0 when
    // everything fits.
    static int scrollMaximum(double greatest, double inner);

    // Inner size of the canvas in twips.
    double canvasWidth() const { return PixelsToTwips(m_canvas.width()); }
    double canvasHeight() const { return PixelsToTwips(m_canvas.height()); }

    // Connection procedure of the connect commands.
    int16_t connectionStep = 0;
    int16_t chosenLineType = 0;

    // Status bar panels 2 and 3.
    const QString& stateText() const { return m_stateText; }
    const QString& fileText() const { return m_fileText; }
    void setStateText(const QString& text);
    void setFileText(const QString& text);

    // Marks the diagram as changed by a finished drawing operation.
    void markChanged();
    // Marks an unsaved change without touching the state text (dragging an element).
    void markModified();

    // The free-slot search of the four large buffers (1 objects, 2 texts, 3 shapes,
    // 4 lines): the lowest free slot, or 0 after telling the user the buffer is full.
    int16_t FindEmpty(int16_t MasivNomer);
    // The lowest free grid slot, 0 when all ten are used. Silent.
    int16_t PraznaTablica() const;
    // Creates a picture object from the library key `Vid` at (375, 120); sets Nomer.
    void DobaviNov(const QString& Vid);
    // Clears the whole diagram.
    void Iz4isti();
    // Asks whether to save unsaved changes; false when the caller must not go on.
    bool ZapaziPromenite();

    // The save command; wired by the file commands.
    std::function<void()> saveCommand;

    // Stops the canvas tool unless a selection is pending; true when the tool was stopped.
    bool stopTool();

    // The persistent canvas bitmap (1 pixel = 15 twips).
    const QImage& canvas() const { return m_canvas; }
    QImage& canvas() { return m_canvas; }
    void resizeCanvas(int widthPixels, int heightPixels);
    // While set, what is drawn on the canvas inverts the pixels under it (rubber bands).
    bool invertDrawing() const { return m_invertDrawing; }
    void setInvertDrawing(bool on) { m_invertDrawing = on; }
    // Prepares a painter on the canvas for the current drawing mode.
    void beginCanvasPainter(QPainter& painter);
    static int32_t canvasBackColour() { return 0xFFFFFF; }

    // Clears the canvas and repaints what is drawn on it.
    void Pre4ertai();

    // Tells the views that elements were added, removed or moved.
    void notifyElementsChanged() { emit elementsChanged(); }

signals:
    void stateTextChanged(const QString& text);
    void fileTextChanged(const QString& text);
    void elementsChanged();
    void canvasChanged();

private:
    void clearCanvas();
    // A drag object that moves an element of the store inside the canvas.
    SimpleDragAndDrop canvasDrag(SimpleDragAndDrop::Geometry geometry, double& left, double& top);

    Prompter& m_prompter;
    QString m_stateText;
    QString m_fileText;
    QImage m_canvas;
    bool m_invertDrawing = false;
};
