#include "text/TextCommands.h"

#include "common/Prompter.h"
#include "text/Dialog.h"
#include "text/TextFields.h"
#include "workspace/CanvasGeometry.h"
#include "workspace/CanvasLayerStack.h"
#include "workspace/EditorContext.h"
#include "workspace/ElementMenu.h"
#include "workspace/Pano.h"
#include "workspace/TextFieldGeometry.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <tuple>

TextCommands::TextCommands(EditorContext& context)
    : m_context(context), m_drag(context.workspace()) {
    const auto onAction = [this](const char* name, auto slot) {
        connect(&m_context.action(QString::fromLatin1(name)), &QAction::triggered, this, slot);
    };
    connect(&m_context.button(QStringLiteral("cmdTekst")), &QPushButton::clicked, this,
            &TextCommands::cmdTekst_Click);
    onAction("mnuAddText", &TextCommands::cmdTekst_Click);
    onAction("mnuOptEdit", &TextCommands::mnuOptEdit_Click);
    onAction("mnuOptFont", &TextCommands::mnuOptFont_Click);
    connect(&m_context.button(QStringLiteral("cmdMakeEtiquetes")), &QPushButton::clicked, this,
            &TextCommands::cmdMakeEtiquetes_Click);
    const struct {
        const char* one;
        const char* all;
        int position;
    } sides[] = {{"mnuEtiketDown", "mnuEtiquetesDown", TextFields::Below},
                 {"mnuEtiketUp", "mnuEtiquetesUp", TextFields::Above},
                 {"mnuEtiketLeft", "mnuEtiquetesLeft", TextFields::Left},
                 {"mnuEtiketRight", "mnuEtiquetesRight", TextFields::Right}};
    // A dialog whose element went (deleted, the diagram cleared or another one loaded) closes
    // before anything else can take the slot and receive its text.
    connect(&m_context.workspace(), &Workspace::elementsChanged, this, [this] {
        if (!m_dialog)
            return;
        const ElementStore& store = m_context.workspace().store();
        const int16_t slot = m_dialog->Kutiq;
        if (slot < 1 || slot > ElementStore::Capacity)
            return;
        const bool text = m_dialog->ImeNaKontrol == ElementKind::Text;
        if ((text ? store.textStatus[slot] : store.objectStatus[slot]) != ElementStore::Used)
            m_dialog->close();
    });
    for (const auto& side : sides) {
        const int position = side.position;
        connect(&m_context.action(QString::fromLatin1(side.one)), &QAction::triggered, this,
                [this, position] { MakeEtiket(position); });
        connect(&m_context.action(QString::fromLatin1(side.all)), &QAction::triggered, this,
                [this, position] { MakeEtiquetes(position); });
    }
}

TextCommands::~TextCommands() {
    delete m_dialog.data();
}

Dialog* TextCommands::openDialog(int16_t slot, ElementKind ImeNaKontrol) {
    // One dialog at a time; a new one starts with the keyboard hidden, in Latin lower case.
    delete m_dialog.data();
    m_dialog = new Dialog(m_context.workspace(), m_context.prompter(), &m_context.mainWindow());
    connect(m_dialog, &Dialog::presentationRequested, this, &TextCommands::presentationRequested);
    m_dialog->show();
    m_dialog->Kutiq = slot;
    m_dialog->ImeNaKontrol = ImeNaKontrol;
    return m_dialog;
}

void TextCommands::cmdTekst_Click() {
    m_context.SpriInstrumentite();
    const QPointF at = m_context.workspace().newObjectPoint();
    const int16_t slot =
        TextFields::create(m_context.workspace(), TextFields::templateCaption(), at.x(), at.y());
    if (slot < 1)
        return;
    openDialog(slot, ElementKind::Text);
}

void TextCommands::mnuOptEdit_Click() {
    Workspace& ws = m_context.workspace();
    if (const int16_t slot = ws.contextElement(ElementKind::Text))
        openDialog(slot, ElementKind::Text)->txtTekst->setText(ws.store().texts[slot].Caption);
    else if (const int16_t object = ws.contextElement(ElementKind::Picture))
        openDialog(object, ElementKind::Picture)
            ->txtTekst->setText(ws.store().objects[object].ToolTipText);
}

void TextCommands::mnuOptFont_Click() {
    Workspace& ws = m_context.workspace();
    const ElementRef element{ElementKind::Text, ws.contextElement(ElementKind::Text)};
    if (!element.slot)
        return;
    const Prompter::FontChoice preset{TextFieldGeometry::font(ws.store().texts[element.slot]),
                                      ws.store().texts[element.slot].ForeColor};
    const std::optional<Prompter::FontChoice> choice =
        m_context.prompter().chooseFontAndColour(preset);
    // Cancelling keeps what the dialog was preset with: the element's own font.
    if (!choice)
        return;
    // Only what the dialog changed is copied back: the preset stands in for an element without
    // a font name or size, which must stay as it is when the user changes nothing.
    TextField field = ws.store().texts[element.slot];
    const QFont& chosen = choice->font;
    if (choice->colour != preset.colour)
        field.ForeColor = choice->colour;
    if (chosen.bold() != preset.font.bold())
        field.FontBold = chosen.bold();
    if (chosen.italic() != preset.font.italic())
        field.FontItalic = chosen.italic();
    if (chosen.underline() != preset.font.underline())
        field.FontUnderline = chosen.underline();
    if (chosen.strikeOut() != preset.font.strikeOut())
        field.FontStrikethru = chosen.strikeOut();
    if (chosen.family() != preset.font.family())
        field.FontName = chosen.family();
    if (chosen.pointSizeF() > 0 && chosen.pointSizeF() != preset.font.pointSizeF())
        field.FontSize = chosen.pointSizeF();
    const auto looks = [](const TextField& f) {
        return std::tie(f.ForeColor, f.FontBold, f.FontItalic, f.FontUnderline, f.FontStrikethru,
                        f.FontName, f.FontSize);
    };
    if (looks(field) != looks(ws.store().texts[element.slot]))
        ws.edit(QStringLiteral("Шрифт на текст")).store().texts[element.slot] = field;
    ws.setOutline(1, ws.canvas.Ogr[1].visible,
                  CanvasGeometry::outlineAround(CanvasGeometry::textRect(field)));
    ws.notifyElementsChanged();
}

void TextCommands::MakeEtiket(int Position) {
    Workspace& ws = m_context.workspace();
    const int16_t slot = ws.contextElement(ElementKind::Picture);
    m_context.SpriInstrumentite();
    if (slot)
        TextFields::makeLabel(ws, slot, Position);
}

void TextCommands::MakeEtiquetes(int Position) {
    Workspace& ws = m_context.workspace();
    if (m_context.prompter().message(
            QStringLiteral("Етикиране на обекти"),
            QStringLiteral("Сигурни ли сте, че искате да етикирате обектите, притежаващи Текст ?"),
            Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    m_context.SpriInstrumentite();
    if (TextFields::makeLabels(ws, Position) > 0) {
        return;
    }
    m_context.prompter().message(QStringLiteral("Операция неуспешна"),
                                 QStringLiteral("На екрана няма обекти, носещи атрибута текст."),
                                 Prompter::Icon::Warning, Prompter::Buttons::Ok);
}

void TextCommands::cmdMakeEtiquetes_Click() {
    m_context.SpriInstrumentite();
    if (m_context.Opcii4ertane())
        return;
    m_context.popupAtCentreOf(m_context.menu(QStringLiteral("mnuFunct")),
                              m_context.button(QStringLiteral("cmdMakeEtiquetes")));
}

// ---- mouse on a text field ----

void TextCommands::mouseDown(int slot, const CanvasMouse& mouse) {
    Workspace& ws = m_context.workspace();
    if (mouse.button == Qt::LeftButton) {
        // One drag at a time, whatever element it moves.
        if (m_drag.active() || !ws.canvas.drag.isNone())
            return;
        m_context.SpriInstrumentite();
        const ElementRef element{ElementKind::Text, static_cast<int16_t>(slot)};
        m_drag.start(element, ws.dragObject(element), mouse);
    } else if (mouse.button == Qt::RightButton) {
        m_context.SpriInstrumentite();
        m_context.elementMenu().open({ElementKind::Text, static_cast<int16_t>(slot)});
    }
}

void TextCommands::mouseMove(int, const CanvasMouse& mouse) {
    m_drag.move(mouse);
}

void TextCommands::mouseUp(int, const CanvasMouse&) {
    if (m_drag.finish().isNone())
        return;
    m_context.Pre4ertai();
}
