#pragma once

#include <QObject>
#include <QPointer>
#include <QRectF>

class EditorContext;
class frmPreviewDia;
class frmPrint;

// "Печат" lays the diagram out on a Letter page and opens the print preview; "Превю" shows the
// whole diagram reduced in a small window. Both capture the elements with the export margin
// around them and leave the selection outline on that rectangle.
class PrintCommands : public QObject {
    Q_OBJECT

public:
    explicit PrintCommands(EditorContext& context);
    ~PrintCommands() override;

    void mnuPrint_Click();
    void mnuPreview_Click();

    // The open windows, if any.
    frmPrint* printWindow() const;
    frmPreviewDia* previewWindow() const;

    // The width the reduced preview opens at, in pixels.
    static constexpr int PreviewWidth = 480;

private:
    // The captured rectangle and its picture, or nothing when the diagram is empty or too
    // large to be pictured (the user has been told).
    bool capture(const QString& title, QRectF& rect, QImage& picture);
    // Captures the diagram into the print preview, making the window when there is none; false
    // (and the window closed) when there is nothing to print.
    bool showPage();

    EditorContext& m_context;
    QPointer<frmPrint> m_print;
    QPointer<frmPreviewDia> m_preview;
};
