#include "text/TextFields.h"

#include "common/Prompter.h"
#include "workspace/CanvasGeometry.h"
#include "workspace/DiagramRenderer.h"
#include "workspace/KindRegistry.h"
#include "workspace/TextFieldGeometry.h"
#include "workspace/Workspace.h"

namespace TextFields {

QString templateCaption() {
    return QStringLiteral("Текст 1");
}

void reportFullBuffer(Workspace& workspace) {
    workspace.prompter().message(QStringLiteral("Програмна грешка"),
                                 QStringLiteral("Буфера за текст е препълнен. Не могат да се "
                                                "създадат повече обекти!"),
                                 Prompter::Icon::Warning, Prompter::Buttons::Ok);
}

void registerKind(KindRegistry& kinds) {
    KindDescriptor d;
    d.kind = ElementKind::Text;
    d.slotCount = ElementStore::Capacity;
    d.copyTag = QStringLiteral("Tekst");
    d.fileTags = {QStringLiteral("[TXT]")};
    // Drawn over the picture objects, in slot order.
    d.paintPass = 1;
    d.paintAll = &DiagramRenderer::paintTexts;
    d.present = [](const ElementStore& store, int slot) {
        return store.textStatus[slot] == ElementStore::Used;
    };
    d.box = [](const ElementStore& store, int slot) {
        return CanvasGeometry::textRect(store.texts[slot]);
    };
    d.erase = [](ElementStore& store, int slot) {
        store.textStatus[slot] = ElementStore::Free;
        store.texts[slot] = TextField{};
    };
    d.copy = [](const ElementStore& store, int slot, QStringList& buffer) {
        const TextField& t = store.texts[slot];
        const auto logical = [](bool value) {
            return value ? QStringLiteral("True") : QStringLiteral("False");
        };
        while (buffer.size() < 9)
            buffer.append(QString());
        buffer[0] = QStringLiteral("Tekst");
        buffer[1] = t.Caption;
        buffer[2] = QString::number(t.ForeColor);
        buffer[3] = logical(t.FontBold);
        buffer[4] = logical(t.FontItalic);
        buffer[5] = t.FontName;
        buffer[6] = QString::number(t.FontSize);
        buffer[7] = logical(t.FontStrikethru);
        buffer[8] = logical(t.FontUnderline);
    };
    kinds.add(std::move(d));
}

int16_t create(Workspace& workspace, const QString& caption, double left, double top) {
    const int16_t slot = workspace.FindEmpty(ElementKind::Text);
    if (slot < 1) {
        reportFullBuffer(workspace);
        return 0;
    }
    TextField field;
    field.Caption = caption.isEmpty() ? QStringLiteral("Въведете текст") : caption;
    field.FontName = workspace.GetProgramFont();
    field.Left = left;
    field.Top = top;
    field.Visible = true;
    {
        Diagram::Edit change = workspace.edit(QStringLiteral("Нов текст"));
        change.store().texts[slot] = field;
        change.store().textStatus[slot] = ElementStore::Used;
    }
    workspace.notifyElementsChanged();
    return slot;
}

QPointF labelPosition(const QRectF& object, const QSizeF& label, int position) {
    const float left = float(object.left());
    const float top = float(object.top());
    const float width = float(object.width());
    const float height = float(object.height());
    const float labelWidth = float(label.width());
    const float labelHeight = float(label.height());
    const float gap = float(LabelGap);
    switch (position) {
    case Below:
        return {left + width / 2 - labelWidth / 2, top + height + gap};
    case Above:
        return {left + width / 2 - labelWidth / 2, top - labelHeight - gap};
    case Left:
        return {left - labelWidth - gap, top + height / 2 - labelHeight / 2};
    default:
        return {left + width + gap, top + height / 2 - labelHeight / 2};
    }
}

LabelResult makeLabel(Workspace& workspace, int16_t objectSlot, int position) {
    const QString name = workspace.store().objects[objectSlot].ToolTipText;
    if (name.isEmpty())
        return LabelResult::Unnamed;
    const QRectF object = CanvasGeometry::pictureRect(workspace.store().objects[objectSlot]);
    // The label is made and placed in one step.
    Diagram::Edit change = workspace.edit(QStringLiteral("Етикет"));
    const int16_t slot = create(workspace, name, 0, 0);
    if (slot < 1)
        return LabelResult::BufferFull;
    TextField& label = change.store().texts[slot];
    const QPointF at = labelPosition(object, TextFieldGeometry::size(label), position);
    label.Left = at.x();
    label.Top = at.y();
    workspace.notifyElementsChanged();
    return LabelResult::Made;
}

int makeLabels(Workspace& workspace, int position) {
    int made = 0;
    Diagram::Edit change = workspace.edit(QStringLiteral("Етикети"));
    for (int16_t slot = 1; slot <= ElementStore::Capacity; ++slot)
        if (workspace.store().objectStatus[slot] == ElementStore::Used &&
            makeLabel(workspace, slot, position) == LabelResult::Made)
            ++made;
    return made;
}

} // namespace TextFields
