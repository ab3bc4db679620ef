#include "workspace/Workspace.h"

#include "common/Prompter.h"
#include "workspace/DiagramState.h"

#include <QFileInfo>
#include <QPainter>

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
