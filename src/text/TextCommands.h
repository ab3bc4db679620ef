#pragma once

#include "text/Dialog.h"
#include "text/TextLayer.h"
#include "workspace/CanvasDrag.h"

#include <QObject>
#include <QPointer>
#include <optional>

class CanvasLayer;

class EditorContext;

// Text fields and labels: "Текст", the text and font of the element menu, dragging text
// fields, the labels of one picture object or of them all, and the "Функции" button.
class TextCommands : public QObject, public CanvasMouseHandler {
    Q_OBJECT

public:
    explicit TextCommands(EditorContext& context);
    ~TextCommands() override;

    void cmdTekst_Click();
    void mnuOptEdit_Click();
    void mnuOptFont_Click();
    void MakeEtiket(int Position);
    void MakeEtiquetes(int Position);
    void cmdMakeEtiquetes_Click();

    // The text-entry dialog while it is open.
    Dialog* dialog() const { return m_dialog; }

    void mouseDown(int slot, const CanvasMouse& mouse) override;
    void mouseMove(int slot, const CanvasMouse& mouse) override;
    void mouseUp(int slot, const CanvasMouse& mouse) override;

signals:
    // The hidden phrase was written in the text-entry dialog.
    void presentationRequested();

private:
    // Shows the text-entry dialog for an element, closing one that is already open.
    Dialog* openDialog(int16_t slot, ElementKind ImeNaKontrol);

    EditorContext& m_context;
    QPointer<Dialog> m_dialog;
    CanvasDrag m_drag;
};
