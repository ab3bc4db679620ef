#include "print/PrintCommands.h"

#include "common/Prompter.h"
#include "files/ImageExport.h"
#include "print/PagePainter.h"
#include "print/PrintLayout.h"
#include "print/PrintPreview.h"
#include "print/frmPreviewDia.h"
#include "print/frmPrint.h"
#include "workspace/EditorContext.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QScreen>
#include <QWidget>

PrintCommands::PrintCommands(EditorContext& context) : m_context(context) {
    connect(&context.action(QStringLiteral("mnuPrint")), &QAction::triggered, this,
            &PrintCommands::mnuPrint_Click);
    // An open print preview shows, and prints, the diagram as it is now.
    connect(&context.workspace().document(), &Diagram::changed, this,
            [this](const DiagramChange& change) {
                if (m_print && m_print->isVisible() && change.scope != DiagramChange::Scope::View)
                    showPage();
            });
    connect(&context.action(QStringLiteral("mnuPreview")), &QAction::triggered, this,
            &PrintCommands::mnuPreview_Click);
}

PrintCommands::~PrintCommands() {
    delete m_print;
    delete m_preview;
}

frmPrint* PrintCommands::printWindow() const {
    return m_print;
}

frmPreviewDia* PrintCommands::previewWindow() const {
    return m_preview;
}

bool PrintCommands::capture(const QString& title, QRectF& rect, QImage& picture) {
    Workspace& ws = m_context.workspace();
    rect = PrintLayout::capture(ws);
    if (rect.isEmpty()) {
        m_context.prompter().message(title, QStringLiteral("Диаграмата е празна."),
                                     Prompter::Icon::Information, Prompter::Buttons::Ok);
        return false;
    }
    ws.setSelection(true, rect);
    ImageExport::Rendering rendering = ImageExport::region(ws, rect);
    if (rendering.error) {
        m_context.prompter().message(title, *rendering.error, Prompter::Icon::Warning,
                                     Prompter::Buttons::Ok);
        return false;
    }
    picture = std::move(rendering.picture);
    return !picture.isNull();
}

void PrintCommands::mnuPrint_Click() {
    if (!showPage())
        return;
    m_print->show();
    m_print->raise();
    m_print->activateWindow();
}

bool PrintCommands::showPage() {
    QRectF rect;
    QImage captured;
    if (!capture(QStringLiteral("Печат"), rect, captured)) {
        if (m_print)
            m_print->close();
        return false;
    }
    const PrintLayout::Page page = PrintLayout::fit(rect.size());
    Workspace& ws = m_context.workspace();
    if (!m_print)
        m_print = new frmPrint(ws.settings, m_context.prompter(), &m_context.mainWindow());
    m_print->setPage(PrintPreview::pagePicture(captured, page), page);
    // The printer gets the diagram itself: texts as text, lines as lines.
    m_print->pagePainter = [&ws, rect, page](QPainter& painter, const QRectF& sheet) {
        PagePainter::paint(painter, ws, rect, page, sheet);
    };
    return true;
}

void PrintCommands::mnuPreview_Click() {
    QRectF rect;
    QImage captured;
    if (!capture(QStringLiteral("Превю"), rect, captured))
        return;
    delete m_preview;
    QWidget& main = m_context.mainWindow();
    m_preview = new frmPreviewDia(captured, m_context.workspace().settings, &main);
    const QScreen* screen = main.screen();
    const int largest = screen ? screen->availableGeometry().height() * 3 / 4 : 600;
    m_preview->resize(PrintPreview::previewWindowSize(PreviewWidth, rect.size(), largest));
    m_preview->show();
}
