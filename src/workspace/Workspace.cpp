#include "workspace/Workspace.h"

#include "common/Numeric.h"
#include "common/Prompter.h"
#include "workspace/DiagramState.h"
#include "workspace/TextFieldGeometry.h"

#include <QFileInfo>
#include <QPainter>
#include <algorithm>

QString DiagramStateText::file(const QString& path) {
    return QStringLiteral("Файл : ") + QFileInfo(path).fileName();
}

Workspace::Workspace(Prompter& prompter, QObject* parent)
    : QObject(parent), m_prompter(prompter), m_stateText(DiagramStateText::none()),
      m_fileText(DiagramStateText::noFile()) {
    kartinki.addSketchpadEntry();
}

Workspace::~Workspace() = default;

void Workspace::setStateText(const QString& text) {
    if (m_stateText == text)
        return;
    m_stateText = text;
    emit stateTextChanged(text);
}

void Workspace::setFileText(const QString& text) {
    if (m_fileText == text)
        return;
    m_fileText = text;
    emit fileTextChanged(text);
}

int16_t Workspace::GetTransp(int index) const {
    if (index < 0 || index >= SettingsRecord::WindowCount)
        return SettingsRecord::Opaque;
    return settings.transparency[index];
}

bool Workspace::SetTransp(int index, int16_t value) {
    if (index < 0 || index >= SettingsRecord::WindowCount)
        return false;
    settings.transparency[index] = value;
    return true;
}

void Workspace::markChanged() {
    Promqna = true;
    setStateText(DiagramStateText::changed());
}

void Workspace::markModified() {
    Promqna = true;
}

int16_t Workspace::FindEmpty(int16_t MasivNomer) {
    if (MasivNomer < ElementStore::Objects || MasivNomer > ElementStore::Lines)
        return 0;
    const int16_t slot = store.lowestFree(static_cast<ElementStore::Buffer>(MasivNomer));
    if (slot == 0) {
        m_prompter.message(QStringLiteral("Програмна грешка"),
                           QStringLiteral("Паметта препълнена - не могат да се изведат повече "
                                          "обекти !"),
                           Prompter::Icon::Warning, Prompter::Buttons::Ok);
    }
    return slot;
}

int16_t Workspace::PraznaTablica() const {
    return store.lowestFreeGrid();
}

void Workspace::DobaviNov(const QString& Vid) {
    Nomer = FindEmpty(ElementStore::Objects);
    if (Nomer < 1) {
        m_prompter.message(
            QStringLiteral("Програмна грешка"),
            QStringLiteral("Буферът за обекти е претоварен. Не могат да се създадат повече!"),
            Prompter::Icon::Warning, Prompter::Buttons::Ok);
        return;
    }
    PictureObject& object = store.objects[Nomer];
    object = PictureObject{};
    if (const ImageStore::Entry* entry = kartinki.find(Vid)) {
        object.picture = entry->picture;
        object.ToolTipText = entry->description;
    }
    object.Tag = Vid;
    object.Visible = true;
    // A picture box sizes itself to its picture.
    object.Width = PixelsToTwips(object.picture.width());
    object.Height = PixelsToTwips(object.picture.height());
    object.Top = 120;
    object.Left = 375;
    store.objectStatus[Nomer] = ElementStore::Used;
    const int16_t slot = Nomer;
    pictureDrag[slot] = canvasDrag(
        [this, slot] {
            const PictureObject& o = store.objects[slot];
            return QRectF(o.Left, o.Top, o.Width, o.Height);
        },
        store.objects[slot].Left, store.objects[slot].Top);
    lastCreatedObject = Nomer;
    emit elementsChanged();
}

void Workspace::Iz4isti() {
    clearCanvas();
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
        if (store.textStatus[slot] == ElementStore::Used) {
            store.texts[slot] = TextField{};
            store.textStatus[slot] = ElementStore::Free;
        }
        if (store.objectStatus[slot] == ElementStore::Used) {
            // Unloading the element lets its picture go.
            store.objects[slot] = PictureObject{};
            store.objectStatus[slot] = ElementStore::Free;
        }
        store.shapes[slot].Kind = 0;
        LineRecord& line = store.lines[slot];
        line.Used = line.FromObject = line.ToObject = line.LineType = 0;
    }
    for (int slot = 1; slot <= ElementStore::GridCapacity; ++slot)
        store.grids[slot].Used = 0;
    connectionStep = 0;
    chosenLineType = 0;
    Promqna = false;
    setStateText(DiagramStateText::none());
    emit elementsChanged();
}

SimpleDragAndDrop Workspace::canvasDrag(SimpleDragAndDrop::Geometry geometry, double& left,
                                        double& top) {
    // The store's arrays never move, so the element's fields can be written through.
    SimpleDragAndDrop drag(
        std::move(geometry),
        [this, &left, &top](double newLeft, double newTop) {
            left = newLeft;
            top = newTop;
            emit elementsChanged();
        },
        [this] { return QSizeF(canvasWidth(), canvasHeight()); });
    drag.LimitMode = 1;
    return drag;
}

void Workspace::bindTextDrag(int16_t slot) {
    if (slot < 1 || slot > ElementStore::Capacity)
        return;
    textDrag[slot] = canvasDrag(
        [this, slot] {
            const TextField& t = store.texts[slot];
            return QRectF(QPointF(t.Left, t.Top), TextFieldGeometry::size(t));
        },
        store.texts[slot].Left, store.texts[slot].Top);
}

void Workspace::deletePicture(int16_t slot) {
    if (slot < 1 || slot > ElementStore::Capacity || store.objectStatus[slot] != ElementStore::Used)
        return;
    store.objectStatus[slot] = ElementStore::Free;
    for (int i = 1; i <= ElementStore::Capacity; ++i) {
        LineRecord& line = store.lines[i];
        if (line.Used != 0 && (line.FromObject == slot || line.ToObject == slot))
            line.Used = line.FromObject = line.ToObject = line.LineType = 0;
    }
    store.objects[slot] = PictureObject{};
    emit elementsChanged();
}

void Workspace::deleteText(int16_t slot) {
    if (slot < 1 || slot > ElementStore::Capacity || store.textStatus[slot] != ElementStore::Used)
        return;
    store.textStatus[slot] = ElementStore::Free;
    store.texts[slot] = TextField{};
    emit elementsChanged();
}

void Workspace::shiftElements(int dx, int dy) {
    if (dx == 0 && dy == 0)
        return;
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
        if (store.objectStatus[slot] == ElementStore::Used) {
            store.objects[slot].Left += dx;
            store.objects[slot].Top += dy;
        }
        if (store.textStatus[slot] == ElementStore::Used) {
            store.texts[slot].Left += dx;
            store.texts[slot].Top += dy;
        }
        ShapeRecord& shape = store.shapes[slot];
        if (shape.Kind >= 1) {
            shape.X1 += dx;
            shape.X2 += dx;
            shape.Y1 += dy;
            shape.Y2 += dy;
        }
    }
    for (int slot = 1; slot <= ElementStore::GridCapacity; ++slot) {
        GridRecord& grid = store.grids[slot];
        if (grid.Used != 0) {
            grid.Left += dx;
            grid.Top += dy;
        }
    }
    emit elementsChanged();
}

Workspace::Extent Workspace::extent(double innerWidth, double innerHeight) const {
    double minLeft = innerWidth;
    double minTop = innerHeight;
    double maxRight = 0;
    double maxBottom = 0;
    const auto extend = [&](double left, double top, double right, double bottom) {
        minLeft = std::min({minLeft, left, right});
        minTop = std::min({minTop, top, bottom});
        maxRight = std::max({maxRight, left, right});
        maxBottom = std::max({maxBottom, top, bottom});
    };
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
        if (store.objectStatus[slot] == ElementStore::Used) {
            const PictureObject& o = store.objects[slot];
            extend(o.Left, o.Top, o.Left + o.Width, o.Top + o.Height);
        }
        if (store.textStatus[slot] == ElementStore::Used) {
            const TextField& t = store.texts[slot];
            const QSizeF size = TextFieldGeometry::size(t);
            extend(t.Left, t.Top, t.Left + size.width(), t.Top + size.height());
        }
        const ShapeRecord& shape = store.shapes[slot];
        if (shape.Kind > 0)
            extend(shape.X1, shape.Y1, shape.X2, shape.Y2);
    }
    for (int slot = 1; slot <= ElementStore::GridCapacity; ++slot) {
        const GridRecord& g = store.grids[slot];
        if (g.Used != 0)
            extend(g.Left, g.Top, double(g.Left) + g.Width, double(g.Top) + g.Height);
    }
    return Extent{RoundHalfEven(minLeft), RoundHalfEven(minTop), RoundHalfEven(maxRight),
                  RoundHalfEven(maxBottom)};
}

int Workspace::scrollMaximum(double greatest, double inner) {
    if (inner >= greatest + 400)
        return 0;
    return std::clamp(RoundHalfEven(greatest + 400 - inner), 0, 32767);
}

bool Workspace::ZapaziPromenite() {
    if (!Promqna)
        return true;
    const Prompter::Answer answer =
        m_prompter.message(QStringLiteral("Въпрос"),
                           QStringLiteral("Искате ли да запазите промените, преди да продължите ?"),
                           Prompter::Icon::Question, Prompter::Buttons::YesNoCancel);
    switch (answer) {
    case Prompter::Answer::Yes:
        if (saveCommand)
            saveCommand();
        return true;
    case Prompter::Answer::No:
        return true;
    default:
        return false;
    }
}

bool Workspace::stopTool() {
    if (tools.mode == ToolState::selection() || SelPicture == -1)
        return false;
    tools.mode.clear();
    return true;
}

void Workspace::resizeCanvas(int widthPixels, int heightPixels) {
    widthPixels = std::max(widthPixels, 1);
    heightPixels = std::max(heightPixels, 1);
    if (m_canvas.width() == widthPixels && m_canvas.height() == heightPixels)
        return;
    QImage grown(widthPixels, heightPixels, QImage::Format_RGB32);
    grown.fill(ColourToQColor(canvasBackColour()));
    if (!m_canvas.isNull()) {
        QPainter p(&grown);
        p.drawImage(0, 0, m_canvas);
    }
    m_canvas = grown;
    emit canvasChanged();
}

void Workspace::beginCanvasPainter(QPainter& painter) {
    painter.begin(&m_canvas);
    if (m_invertDrawing) {
        // Drawing in white with XOR inverts every pixel it touches, so drawing the same
        // figure twice restores the canvas.
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(Qt::white);
    }
}

void Workspace::clearCanvas() {
    if (!m_canvas.isNull())
        m_canvas.fill(ColourToQColor(canvasBackColour()));
    emit canvasChanged();
}

void Workspace::Pre4ertai() {
    clearCanvas();
    // Lines, shapes and grids are painted here, slot by slot, as their drawing arrives.
}
