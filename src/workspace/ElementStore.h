#pragma once

#include "workspace/ElementKind.h"

#include <QImage>
#include <QPointF>
#include <QString>
#include <array>
#include <cstdint>

// A picture object on the canvas. Positions and sizes are twips relative to the canvas.
struct PictureObject {
    QImage picture;
    QString Tag;         // library key, or "SKETCHPAD" when the pixels belong to the diagram
    QString ToolTipText; // the object's name
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    bool Visible = false;
    // Who the object is, whatever slot it has and however it is moved or edited; never
    // written to a file. 0 for no object.
    quint64 identity = 0;
    // An identity no object of this run has had.
    static quint64 newIdentity();
};

// A one-line text field; its size follows from its font (see TextFieldGeometry).
struct TextField {
    QString Caption;
    double Left = 0;
    double Top = 0;
    int32_t ForeColor = 0; // 0x00BBGGRR
    QString FontName;
    double FontSize = 8.25; // points
    bool FontBold = false;
    bool FontItalic = false;
    bool FontStrikethru = false;
    bool FontUnderline = false;
    bool Visible = false;
};

// Connection line: joins two picture objects by slot number.
struct LineRecord {
    int32_t Used = 0;
    int32_t FromObject = 0;
    int32_t ToObject = 0;
    int32_t LineType = 0;
    int32_t Colour = 0;
    int32_t LineWidth = 0;
    int32_t LineStyle = 0;
};

// Kind: 0 free, 1 rectangle, 2 line, 3 ellipse.
struct ShapeRecord {
    int32_t Kind = 0;
    int32_t X1 = 0;
    int32_t Y1 = 0;
    int32_t X2 = 0;
    int32_t Y2 = 0;
    int32_t BorderColour = 0;
    int32_t LineWidth = 0;
    int32_t FillStyle = 0;
    int32_t FillColour = 0;
    int32_t LineStyle = 0;
};

struct GridRecord {
    int32_t Used = 0;
    int32_t Rows = 0;
    int32_t Columns = 0;
    int32_t Top = 0;
    int32_t Left = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t Colour = 0;
    int32_t LineWidth = 0;
};

// The five fixed-capacity buffers of a diagram, indexed by slot; slot 0 is never used.
// Plain values: copying the store snapshots the whole diagram (pictures are shared).
class ElementStore {
public:
    static constexpr int Capacity = 255;
    static constexpr int GridCapacity = 10;

    enum SlotStatus : int16_t { Free = 0, Used = 1, Reserved = 2 };

    std::array<int16_t, Capacity + 1> objectStatus{};
    std::array<PictureObject, Capacity + 1> objects{};
    std::array<int16_t, Capacity + 1> textStatus{};
    std::array<TextField, Capacity + 1> texts{};
    std::array<ShapeRecord, Capacity + 1> shapes{};
    std::array<LineRecord, Capacity + 1> lines{};
    std::array<GridRecord, GridCapacity + 1> grids{};
    // Where the handle of each shape and grid sits (twips, top-left corner). It is kept with
    // the element, not derived from it: a file rounds it one way, drawing another, and a drag
    // moves it without rounding, so only the element's own copy is exact.
    std::array<QPointF, Capacity + 1> shapeHandles{};
    std::array<QPointF, GridCapacity + 1> gridHandles{};

    // The four large buffers by the kind they hold: pictures, texts, shapes and lines.
    bool isSlotFree(ElementKind buffer, int slot) const;
    // Lowest free slot of the buffer, 0 when it is full (or names none of the four). Silent.
    int16_t lowestFree(ElementKind buffer) const;
    // Lowest grid slot whose Used is 0, 0 when all ten are used.
    int16_t lowestFreeGrid() const;
    // Number of used slots of a buffer (reserved object slots do not count).
    int usedCount(ElementKind buffer) const;
    int usedGridCount() const;
    // Whether `element` is there in both stores and the same in every value (a picture the
    // same pixels by identity).
    bool sameElement(const ElementStore& other, ElementRef element) const;
};
