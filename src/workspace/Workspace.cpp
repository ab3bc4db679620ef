#include "workspace/Workspace.h"

#include "common/Numeric.h"
#include "common/Prompter.h"
#include "common/Units.h"
#include "workspace/CanvasGeometry.h"
#include "workspace/Zoom.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

QString DiagramStateText::file(const QString& path) {
    return QStringLiteral("Файл : ") + QFileInfo(path).fileName();
}

Workspace::Workspace(Prompter& prompter, const KindRegistry& kinds, QObject* parent)
    : QObject(parent), m_prompter(prompter), m_kinds(kinds), m_history(m_document),
      m_stateText(DiagramStateText::none()), m_fileText(DiagramStateText::noFile()),
      m_renderer(m_document.store(), kinds), m_bitmap(m_renderer) {
    kartinki.addSketchpadEntry();
    // Every step away from the saved diagram is an unsaved change, and undoing back to it is
    // none; a new or loaded diagram is the saved one.
    connect(&m_history, &History::cleanChanged, this, &Workspace::showClean);
}

bool Workspace::undo() {
    return m_history.undo([this](const ElementStore& content, const QString& step) {
        restoreDiagram(content, step);
    });
}

bool Workspace::redo() {
    return m_history.redo([this](const ElementStore& content, const QString& step) {
        restoreDiagram(content, step);
    });
}

Workspace::~Workspace() = default;

// ---- settings ----

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

// ---- diagram state ----

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

void Workspace::markChanged() {
    setStateText(DiagramStateText::changed());
}

void Workspace::setModified(bool modified) {
    if (modified)
        m_history.forgetClean();
    else
        m_history.setClean();
    showClean();
}

void Workspace::showClean() {
    const bool modified = !m_history.isClean();
    if (diagram.Promqna == modified)
        return;
    diagram.Promqna = modified;
    emit modifiedChanged(modified);
}

// ---- element store ----

int16_t Workspace::FindEmpty(ElementKind buffer) {
    if (buffer != ElementKind::Picture && buffer != ElementKind::Text &&
        buffer != ElementKind::Shape && buffer != ElementKind::Line)
        return 0;
    const int16_t slot = store().lowestFree(buffer);
    if (slot == 0) {
        m_prompter.message(QStringLiteral("Програмна грешка"),
                           QStringLiteral("Паметта препълнена - не могат да се изведат повече "
                                          "обекти !"),
                           Prompter::Icon::Warning, Prompter::Buttons::Ok);
    }
    return slot;
}

int16_t Workspace::contextElement(ElementKind kind) const {
    const ElementRef element = diagram.contextElement;
    return element.kind == kind && m_kinds.present(store(), element) ? element.slot : 0;
}

int16_t Workspace::PraznaTablica() const {
    return store().lowestFreeGrid();
}

void Workspace::DobaviNov(const QString& Vid) {
    diagram.Nomer = FindEmpty(ElementKind::Picture);
    if (diagram.Nomer < 1) {
        m_prompter.message(
            QStringLiteral("Програмна грешка"),
            QStringLiteral("Буферът за обекти е претоварен. Не могат да се създадат повече!"),
            Prompter::Icon::Warning, Prompter::Buttons::Ok);
        return;
    }
    Diagram::Edit change = edit(QStringLiteral("Добавяне на обект"));
    PictureObject& object = change.store().objects[diagram.Nomer];
    object = PictureObject{};
    if (const ImageStore::Entry* entry = kartinki.find(Vid)) {
        object.picture = entry->picture;
        object.ToolTipText = entry->description;
    } else {
        // A key the library does not know (a diagram from another library): the placeholder
        // keeps the object visible, so it can be seen, moved and deleted, and its slot stays.
        object.picture = ImageStore::placeholder();
        object.ToolTipText = Vid;
    }
    object.Tag = Vid;
    object.Visible = true;
    object.identity = PictureObject::newIdentity();
    // A picture box sizes itself to its picture.
    object.Width = PixelsToTwips(object.picture.width());
    object.Height = PixelsToTwips(object.picture.height());
    // Where new objects land on the canvas, wherever it is scrolled or zoomed to.
    const QPointF at = newObjectPoint();
    object.Top = at.y();
    object.Left = at.x();
    change.store().objectStatus[diagram.Nomer] = ElementStore::Used;
    diagram.lastCreatedObject = diagram.Nomer;
    emit elementsChanged();
}

void Workspace::Iz4isti() {
    {
        Diagram::Edit change = edit(QStringLiteral("Изчистване"), DiagramChange::Scope::Replaced);
        ElementStore& store = change.store();
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
            canvas.shapeHandleVisible[slot] = false;
            LineRecord& line = store.lines[slot];
            line.Used = line.FromObject = line.ToObject = line.LineType = 0;
            canvas.lineHandles[slot].visible = false;
        }
        for (int slot = 1; slot <= ElementStore::GridCapacity; ++slot) {
            store.grids[slot].Used = 0;
            canvas.gridHandleVisible[slot] = false;
        }
    }
    // The resize handles belonged to an element that is gone.
    for (int k = 1; k <= 4; ++k)
        canvas.Manip[k].visible = false;
    canvas.shpSelection.visible = false;
    diagram.connection.step = ConnectionState::None;
    diagram.connection.lineType = 0;
    setModified(false);
    setStateText(DiagramStateText::none());
    Pre4ertai();
    emit elementsChanged();
}

void Workspace::restoreDiagram(const ElementStore& content, const QString& step) {
    const ElementRef context = diagram.contextElement;
    if (!context.isNone() && !content.sameElement(store(), context))
        diagram.contextElement = ElementRef{};
    m_document.restore(content, step);
    const ElementStore& now = store();
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
        canvas.shapeHandleVisible[slot] = now.shapes[slot].Kind > 0 && canvas.showHandles;
        canvas.lineHandles[slot].visible = now.lines[slot].Used != 0 && canvas.showHandles;
    }
    // A grid's handle shows whether or not the other handles are hidden.
    for (int slot = 1; slot <= ElementStore::GridCapacity; ++slot)
        canvas.gridHandleVisible[slot] = now.grids[slot].Used != 0;
    for (int k = 1; k <= 4; ++k)
        canvas.Manip[k].visible = false;
    canvas.shpSelection.visible = false;
    for (CanvasOutline& outline : canvas.Ogr)
        outline.visible = false;
    if (diagram.connection.step != ConnectionState::None) {
        diagram.connection.step = ConnectionState::None;
        if (tools.mode.isEmpty())
            setCanvasPointer(Qt::ArrowCursor);
    }
    Pre4ertai();
    emit elementsChanged();
    emit canvasStateChanged();
}

bool Workspace::ZapaziPromenite() {
    if (!diagram.Promqna)
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

void Workspace::deletePicture(int16_t slot) {
    if (slot < 1 || slot > ElementStore::Capacity ||
        store().objectStatus[slot] != ElementStore::Used)
        return;
    Diagram::Edit change = edit(QStringLiteral("Изтриване на обект"));
    m_kinds.erase(change.store(), {ElementKind::Picture, slot});
    // The handles of the lines that went with it go too.
    for (int i = 1; i <= ElementStore::Capacity; ++i)
        if (store().lines[i].Used == 0)
            canvas.lineHandles[i].visible = false;
    emit elementsChanged();
}

void Workspace::deleteText(int16_t slot) {
    if (slot < 1 || slot > ElementStore::Capacity || store().textStatus[slot] != ElementStore::Used)
        return;
    Diagram::Edit change = edit(QStringLiteral("Изтриване на текст"));
    m_kinds.erase(change.store(), {ElementKind::Text, slot});
    emit elementsChanged();
}

bool Workspace::setTextCaption(int16_t slot, const QString& caption) {
    if (slot < 1 || slot > ElementStore::Capacity || store().textStatus[slot] != ElementStore::Used)
        return false;
    const QString shown = caption.isEmpty() ? QStringLiteral("Въведете текст") : caption;
    if (store().texts[slot].Caption != shown)
        edit(QStringLiteral("Промяна на текст")).store().texts[slot].Caption = shown;
    emit elementsChanged();
    return true;
}

bool Workspace::setPictureName(int16_t slot, const QString& name) {
    if (slot < 1 || slot > ElementStore::Capacity ||
        store().objectStatus[slot] != ElementStore::Used)
        return false;
    if (store().objects[slot].ToolTipText != name)
        edit(QStringLiteral("Преименуване на обект")).store().objects[slot].ToolTipText = name;
    return true;
}

// The edit a drag makes: opened at the first move, closed when the drag object goes, so a
// whole drag is one step however often the mouse moved.
class DragStep {
public:
    DragStep(Diagram& document, QString name) : m_document(document), m_name(std::move(name)) {}
    void open() {
        if (!m_edit)
            m_edit.emplace(m_document.edit(m_name));
    }

private:
    Diagram& m_document;
    QString m_name;
    std::optional<Diagram::Edit> m_edit;
};

std::shared_ptr<DragStep> Workspace::dragStep(const QString& name) {
    return std::make_shared<DragStep>(m_document, name);
}

SimpleDragAndDrop Workspace::dragObject(ElementRef element) {
    if (element.kind != ElementKind::Picture && element.kind != ElementKind::Text)
        return {};
    if (element.slot < 1 || element.slot > ElementStore::Capacity)
        return {};
    const bool picture = element.kind == ElementKind::Picture;
    const auto step = dragStep(picture ? QStringLiteral("Преместване на обект")
                                       : QStringLiteral("Преместване на текст"));
    SimpleDragAndDrop drag([this, element] { return elementRect(element); },
                           [this, element, picture, step](double left, double top) {
                               const QRectF before = elementRect(element);
                               step->open();
                               {
                                   Diagram::Edit change = edit(QString());
                                   if (picture) {
                                       change.store().objects[element.slot].Left = left;
                                       change.store().objects[element.slot].Top = top;
                                   } else {
                                       change.store().texts[element.slot].Left = left;
                                       change.store().texts[element.slot].Top = top;
                                   }
                               }
                               emit elementMoved(before, elementRect(element));
                           },
                           [this] { return canvas.visibleArea(); });
    drag.LimitMode = 1;
    return drag;
}

QPointF Workspace::handleTopLeft(ElementRef handle) const {
    const int slot = handle.slot;
    switch (handle.kind) {
    case ElementKind::Shape:
        return slot >= 1 && slot <= ElementStore::Capacity ? store().shapeHandles[slot] : QPointF();
    case ElementKind::Grid:
        return slot >= 1 && slot <= ElementStore::GridCapacity ? store().gridHandles[slot]
                                                               : QPointF();
    case ElementKind::ResizeHandle:
        return slot >= 1 && slot <= 4 ? canvas.Manip[slot].topLeft : QPointF();
    default:
        return {};
    }
}

SimpleDragAndDrop Workspace::dragHandle(ElementRef handle, double size,
                                        std::function<void(QPointF)> moved) {
    const int slot = handle.slot;
    const ElementKind kind = handle.kind;
    const bool valid =
        slot >= 1 && ((kind == ElementKind::Shape && slot <= ElementStore::Capacity) ||
                      (kind == ElementKind::Grid && slot <= ElementStore::GridCapacity) ||
                      (kind == ElementKind::ResizeHandle && slot <= 4));
    if (!valid)
        return {};
    const QSizeF square(size, size);
    const auto step =
        dragStep(kind == ElementKind::Shape ? QStringLiteral("Преместване на фигура")
                 : kind == ElementKind::Grid ? QStringLiteral("Преместване на таблица")
                                             : QStringLiteral("Преоразмеряване"));
    SimpleDragAndDrop drag([this, handle, square] { return QRectF(handleTopLeft(handle), square); },
                           [this, handle, square, moved, step](double left, double top) {
                               const QRectF before(handleTopLeft(handle), square);
                               const QPointF at(left, top);
                               step->open();
                               if (handle.kind == ElementKind::ResizeHandle) {
                                   // The resize handles are the view's; the element follows through
                                   // `moved`.
                                   canvas.Manip[handle.slot].topLeft = at;
                               } else {
                                   Diagram::Edit change = edit(QString());
                                   if (handle.kind == ElementKind::Shape)
                                       change.store().shapeHandles[handle.slot] = at;
                                   else
                                       change.store().gridHandles[handle.slot] = at;
                               }
                               if (moved)
                                   moved(at);
                               emit elementMoved(before, QRectF(at, square));
                           },
                           [this] { return canvas.visibleArea(); });
    drag.LimitMode = 1;
    return drag;
}

// ---- scrolling and extent ----

void Workspace::Izmesti(int16_t horizontal, int16_t vertical) {
    const QPointF origin(horizontal, vertical);
    const QPointF by = origin - canvas.view.origin;
    if (by.isNull())
        return;
    canvas.view.origin = origin;
    m_bitmap.setView(canvas.view);
    // The picks are marked on the canvas, not on the diagram: they stay where they are.
    for (CanvasOutline& outline : canvas.Ogr)
        outline.rect.translate(by);
    m_document.notifyViewChanged();
    emit elementsChanged();
    emit canvasStateChanged();
    Pre4ertai();
}

void Workspace::setZoom(double zoom, QPointF anchorPixels) {
    if (!std::isfinite(zoom) || !std::isfinite(anchorPixels.x()) ||
        !std::isfinite(anchorPixels.y()))
        return;
    zoom = std::clamp(zoom, Zoom::Least, Zoom::Most);
    if (zoom == canvas.view.zoom)
        return;
    // The document point under the anchor stays there; scroll values are whole twips.
    const QPointF anchor = canvas.view.pixelsToDocument(anchorPixels);
    ViewTransform view;
    view.zoom = zoom;
    const QPointF origin = anchor - view.pixelsToDocument(anchorPixels);
    view.origin = QPointF(std::clamp(RoundHalfEven(origin.x()), 0, 32767),
                          std::clamp(RoundHalfEven(origin.y()), 0, 32767));
    canvas.view = view;
    m_bitmap.setView(canvas.view);
    m_document.notifyViewChanged();
    emit elementsChanged();
    emit canvasStateChanged();
    emit zoomChanged();
    Pre4ertai();
}

QPointF Workspace::newObjectPoint() const {
    const QPointF at = canvas.view.toDocument(
        QPointF(CanvasGeometry::NewObjectLeft, CanvasGeometry::NewObjectTop));
    return QPointF(RoundHalfEven(at.x()), RoundHalfEven(at.y()));
}

DiagramExtent Workspace::extent(double innerWidth, double innerHeight, QPointF origin) const {
    double minLeft = innerWidth;
    double minTop = innerHeight;
    double maxRight = 0;
    double maxBottom = 0;
    const ElementStore& store = this->store();
    const double dx = origin.x();
    const double dy = origin.y();
    const auto extend = [&](double left, double top, double right, double bottom) {
        left -= dx;
        right -= dx;
        top -= dy;
        bottom -= dy;
        minLeft = std::min({minLeft, left, right});
        minTop = std::min({minTop, top, bottom});
        maxRight = std::max({maxRight, left, right});
        maxBottom = std::max({maxBottom, top, bottom});
    };
    for (const KindDescriptor& kind : m_kinds.all()) {
        if (!kind.inExtent || !kind.box)
            continue;
        for (int slot = 1; slot <= kind.slotCount; ++slot) {
            if (!kind.present(store, slot))
                continue;
            const QRectF box = kind.box(store, slot);
            extend(box.left(), box.top(), box.right(), box.bottom());
        }
    }
    return DiagramExtent{RoundHalfEven(minLeft), RoundHalfEven(minTop), RoundHalfEven(maxRight),
                         RoundHalfEven(maxBottom)};
}

int Workspace::scrollMaximum(double greatest, double inner) {
    if (inner >= greatest + CanvasGeometry::ScrollMargin)
        return 0;
    return std::clamp(RoundHalfEven(greatest + CanvasGeometry::ScrollMargin - inner), 0, 32767);
}

Workspace::ScrollRanges Workspace::Proveri() {
    // The inner size as much of the document as the canvas shows at its zoom.
    const QSizeF inner = canvas.visibleArea().size();
    canvas.extent = extent(inner.width(), inner.height(), canvas.view.origin);
    return {scrollMaximum(canvas.extent.maxRight, inner.width()),
            scrollMaximum(canvas.extent.maxBottom, inner.height())};
}

// ---- the canvas ----

void Workspace::setCanvasSize(int widthPixels, int heightPixels) {
    widthPixels = std::max(widthPixels, 1);
    heightPixels = std::max(heightPixels, 1);
    canvas.width = PixelsToTwips(widthPixels);
    canvas.height = PixelsToTwips(heightPixels);
    m_bitmap.resize(QSize(widthPixels, heightPixels));
}

bool Workspace::stopTools() {
    bool stopped = false;
    if (tools.mode != ToolState::selection() && diagram.SelPicture != -1) {
        tools.mode.clear();
        canvas.pointer = Qt::ArrowCursor;
        stopped = true;
    }
    for (int k = 1; k <= 4; ++k)
        canvas.Manip[k].visible = false;
    canvas.Ogr[1].visible = false;
    canvas.shpSelection.visible = false;
    emit canvasStateChanged();
    return stopped;
}

void Workspace::setOutline(int index, bool visible, const QRectF& twips) {
    if (index < 0 || index > 1)
        return;
    canvas.Ogr[index].visible = visible;
    if (!twips.isNull())
        canvas.Ogr[index].rect = twips;
    emit canvasStateChanged();
}

void Workspace::setSelection(bool visible, const std::optional<QRectF>& twips) {
    // The outline is one pixel wide: a pixel's margin around the box covers it.
    const auto area = [this] {
        const CanvasOutline& o = canvas.shpSelection;
        return o.visible ? o.rect.adjusted(-30, -30, 30, 30) : QRectF();
    };
    const QRectF before = area();
    canvas.shpSelection.visible = visible;
    if (twips)
        canvas.shpSelection.rect = *twips;
    emit overlayMoved(before, area());
}

void Workspace::setRubberBand(const RubberBand& band) {
    const QRectF before = canvas.rubberBand.area();
    canvas.rubberBand = band;
    emit overlayMoved(before, band.area());
}

void Workspace::setCanvasPointer(Qt::CursorShape shape) {
    if (canvas.pointer == shape)
        return;
    canvas.pointer = shape;
    emit canvasStateChanged();
}

int Workspace::addRepaintStep(std::function<void()> step) {
    m_repaintSteps.emplace_back(m_nextRepaintStep, std::move(step));
    return m_nextRepaintStep++;
}

void Workspace::removeRepaintStep(int id) {
    m_repaintSteps.erase(std::remove_if(m_repaintSteps.begin(), m_repaintSteps.end(),
                                        [id](const auto& step) { return step.first == id; }),
                         m_repaintSteps.end());
}

void Workspace::Pre4ertai() {
    for (const auto& step : m_repaintSteps)
        step.second();
    // Nothing to see either way: the views need not paint the whole canvas again.
    const bool visible = m_bitmap.showsAnything() || m_renderer.hasPersistentContent();
    m_bitmap.invalidate();
    if (visible)
        emit persistentLayerChanged();
}

void Workspace::Combine() {
    m_bitmap.combine();
    emit persistentLayerChanged();
}
