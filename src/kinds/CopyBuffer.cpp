#include "kinds/CopyBuffer.h"

#include "common/Numeric.h"
#include "common/Prompter.h"
#include "common/Units.h"
#include "library/ImageStore.h"
#include "shapes/Shapes.h"
#include "text/TextFields.h"
#include "workspace/Workspace.h"

#include <QStringList>
#include <array>
#include <cmath>
#include <optional>

namespace {

// The copy buffer's entries as the values they were written from; a copy that is not what the
// copy commands write gives none, and nothing is made.
class Entries {
public:
    explicit Entries(const QStringList& buffer) : m_buffer(buffer) {}
    QString text(int i) const { return i < m_buffer.size() ? m_buffer[i] : QString(); }
    std::optional<int32_t> integer(int i) const {
        bool ok = false;
        const int value = text(i).toInt(&ok);
        return ok ? std::optional<int32_t>(value) : std::nullopt;
    }
    std::optional<double> number(int i) const {
        bool ok = false;
        const double value = text(i).toDouble(&ok);
        return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
    }
    std::optional<bool> logical(int i) const {
        const QString t = text(i);
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        return std::nullopt;
    }
    // The integers at first..last, or none when any is not one.
    template <int N> std::optional<std::array<int32_t, N>> integers(int first) const {
        std::array<int32_t, N> values{};
        for (int i = 0; i < N; ++i) {
            const std::optional<int32_t> value = integer(first + i);
            if (!value)
                return std::nullopt;
            values[size_t(i)] = *value;
        }
        return values;
    }

private:
    const QStringList& m_buffer;
};

void warn(Workspace& ws, const QString& title, const QString& text) {
    ws.prompter().message(title, text, Prompter::Icon::Warning, Prompter::Buttons::Ok);
}

bool pastePicture(Workspace& ws, const Entries& e, QPointF at) {
    const std::optional<int32_t> source = e.integer(3);
    const bool there = source && *source >= 1 && *source <= ElementStore::Capacity &&
                       ws.store().objectStatus[*source] == ElementStore::Used &&
                       ws.store().objects[*source].identity == ws.diagram.copiedPicture;
    if (!there) {
        // Deleted, or its slot now holds another object: its pixels are not the copied ones.
        warn(ws, QStringLiteral("Програмна грешка"),
             QStringLiteral("Копираната картинка липсва !"));
        return false;
    }
    const QString tag = e.text(1);
    ws.DobaviNov(tag);
    const int16_t slot = ws.diagram.Nomer;
    if (slot < 1)
        return false;
    Diagram::Edit change = ws.edit(QStringLiteral("Поставяне"));
    PictureObject& object = change.store().objects[slot];
    object.ToolTipText = e.text(2);
    object.Top = at.y();
    object.Left = at.x();
    if (tag == ImageStore::sketchpadKey()) {
        // Such pixels belong to their object alone, with no library key to load them from.
        object.picture = ws.store().objects[*source].picture;
        object.Width = PixelsToTwips(object.picture.width());
        object.Height = PixelsToTwips(object.picture.height());
    }
    return true;
}

bool pasteText(Workspace& ws, const Entries& e, QPointF at) {
    const std::optional<int32_t> colour = e.integer(2);
    const std::optional<bool> bold = e.logical(3), italic = e.logical(4);
    const std::optional<double> size = e.number(6);
    const std::optional<bool> strikethrough = e.logical(7), underline = e.logical(8);
    if (!colour || !bold || !italic || !size || !strikethrough || !underline)
        return false;
    const int16_t slot = ws.FindEmpty(ElementKind::Text);
    if (slot < 1) {
        TextFields::reportFullBuffer(ws);
        return false;
    }
    TextField field;
    field.Caption = e.text(1);
    field.Visible = true;
    field.ForeColor = *colour;
    field.FontBold = *bold;
    field.FontItalic = *italic;
    field.FontName = e.text(5);
    field.FontSize = *size;
    field.FontStrikethru = *strikethrough;
    field.FontUnderline = *underline;
    field.Top = at.y();
    field.Left = at.x();
    Diagram::Edit change = ws.edit(QStringLiteral("Поставяне"));
    change.store().texts[slot] = field;
    change.store().textStatus[slot] = ElementStore::Used;
    return true;
}

bool pasteShape(Workspace& ws, const Entries& e, QPointF at) {
    const auto v = e.integers<10>(1);
    if (!v || (*v)[0] < Shapes::Rectangle || (*v)[0] > Shapes::EllipseKind)
        return false;
    const int16_t slot = ws.FindEmpty(ElementKind::Shape);
    if (slot < 1)
        return false;
    const auto& [kind, x1, y1, x2, y2, border, width, fill, fillColour, style] = *v;
    ShapeRecord shape{kind, 0, 0, 0, 0, border, width, fill, fillColour, style};
    // The first corner lands on the point; size and direction stay.
    shape.X1 = RoundHalfEven(at.x());
    shape.Y1 = RoundHalfEven(at.y());
    shape.X2 = RoundHalfEven(double(x2) - double(x1) + at.x());
    shape.Y2 = RoundHalfEven(double(y2) - double(y1) + at.y());
    Diagram::Edit change = ws.edit(QStringLiteral("Поставяне"));
    change.store().shapes[slot] = shape;
    change.store().shapeHandles[slot] = Shapes::handleTopLeft(shape);
    ws.canvas.shapeHandleVisible[slot] = ws.canvas.showHandles;
    return true;
}

bool pasteGrid(Workspace& ws, const Entries& e, QPointF at) {
    const auto v = e.integers<8>(1);
    if (!v)
        return false;
    const int16_t slot = ws.PraznaTablica();
    if (slot < 1) {
        warn(ws, QStringLiteral("Грешка"), QStringLiteral("Не може да се изведе таблица !"));
        return false;
    }
    const auto& [rows, columns, top, left, width, height, colour, lineWidth] = *v;
    Q_UNUSED(top);
    Q_UNUSED(left);
    const GridRecord grid{
        1,      rows,   columns,  RoundHalfEven(at.y()), RoundHalfEven(at.x()), width,
        height, colour, lineWidth};
    Diagram::Edit change = ws.edit(QStringLiteral("Поставяне"));
    change.store().grids[slot] = grid;
    change.store().gridHandles[slot] = QPointF(grid.Left, grid.Top);
    // A grid's handle shows whether or not the other handles are hidden.
    ws.canvas.gridHandleVisible[slot] = true;
    return true;
}

} // namespace

namespace CopyBuffer {

bool copy(Workspace& workspace, ElementRef element) {
    const KindDescriptor* kind = workspace.kinds().find(element.kind);
    if (!kind || !kind->copy || !workspace.kinds().present(workspace.store(), element))
        return false;
    kind->copy(workspace.store(), element.slot, workspace.diagram.copyBuffer);
    if (element.kind == ElementKind::Picture)
        workspace.diagram.copiedPicture = workspace.store().objects[element.slot].identity;
    return true;
}

bool paste(Workspace& workspace, QPointF at) {
    const QStringList buffer = workspace.diagram.copyBuffer;
    const Entries entries(buffer);
    const QString tag = entries.text(0);
    // One step, whatever the kind makes on the way (DobaviNov, then the name and place).
    Diagram::Edit step = workspace.edit(QStringLiteral("Поставяне"));
    bool made = false;
    if (tag == QLatin1String("Pic"))
        made = pastePicture(workspace, entries, at);
    else if (tag == QLatin1String("Tekst"))
        made = pasteText(workspace, entries, at);
    else if (tag == QLatin1String("Shp"))
        made = pasteShape(workspace, entries, at);
    else if (tag == QLatin1String("Tab"))
        made = pasteGrid(workspace, entries, at);
    if (made)
        workspace.notifyElementsChanged();
    return made;
}

} // namespace CopyBuffer
