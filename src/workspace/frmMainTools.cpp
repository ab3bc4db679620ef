// The drawing tools of the main window, the drawing options and the mouse on the bare canvas.
#include "common/Numeric.h"
#include "common/Prompter.h"
#include "common/Units.h"
#include "workspace/CanvasGeometry.h"
#include "workspace/CanvasTools.h"
#include "workspace/DrawOptionsPanel.h"
#include "workspace/Pano.h"
#include "workspace/Workspace.h"
#include "workspace/frmMain.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

// Where a new object lands, with room for a library picture, in twips from the canvas corner.
// The drawing options keep clear of it.
const QRectF NewObjectArea(CanvasGeometry::NewObjectLeft, CanvasGeometry::NewObjectTop, 1440, 1080);

} // namespace

void frmMain::startTool(const QString& mode) {
    Workspace& ws = *m_workspace;
    ws.tools.mode = mode;
    ws.diagram.connection.step = ConnectionState::None;
    ws.setCanvasPointer(Qt::CrossCursor);
    syncToolButtons();
}

void frmMain::syncToolButtons() {
    const QString& mode = m_workspace->tools.mode;
    optRect->setChecked(mode == ToolState::box());
    optElipse->setChecked(mode == ToolState::ellipse() || mode == ToolState::circle());
    optLine->setChecked(mode == ToolState::line());
}

void frmMain::optRect_Click() {
    SpriInstrumentite();
    if (!Opcii4ertane())
        startTool(ToolState::box());
    syncToolButtons();
}

void frmMain::optLine_Click() {
    SpriInstrumentite();
    if (!Opcii4ertane())
        startTool(ToolState::line());
    syncToolButtons();
}

void frmMain::optElipse_Click() {
    SpriInstrumentite();
    syncToolButtons();
    if (Opcii4ertane())
        return;
    popupAtCentreOf(*mnuAddElipse, *optElipse);
}

void frmMain::setMenuChecks(const QAction* checked) {
    for (const char* name : {"mnuAddRect", "mnuAddElipse", "mnuAddLine"}) {
        QAction& entry = action(QString::fromLatin1(name));
        entry.setChecked(&entry == checked);
    }
}

void frmMain::mnuAddRect_Click() {
    // The menu entry runs the button's command and then presses the button, so a first
    // use answers the drawing-options question and still starts the tool.
    optRect_Click();
    optRect_Click();
    setMenuChecks(&action(QStringLiteral("mnuAddRect")));
}

void frmMain::mnuAddLine_Click() {
    optLine_Click();
    optLine_Click();
    setMenuChecks(&action(QStringLiteral("mnuAddLine")));
}

void frmMain::mnuEllEllipse_Click() {
    startTool(ToolState::ellipse());
}
void frmMain::mnuEllOkr_Click() {
    startTool(ToolState::circle());
}

void frmMain::SpriInstrumentite() {
    m_workspace->stopTools();
    setMenuChecks(nullptr);
    syncToolButtons();
}

bool frmMain::cancelInProgress() {
    Workspace& ws = *m_workspace;
    // A rectangle still being dragged goes with what it was for.
    const auto dropRubberBand = [&ws] {
        ws.canvas.rubberBandMode = false;
        ws.setRubberBand(RubberBand{});
        ws.setSelection(false);
    };
    if (ws.diagram.SelPicture == -1) {
        // Nothing is written; the commands come back as after Cancel in the JPEG dialog.
        ws.diagram.SelPicture = 0;
        ws.tools.mode.clear();
        dropRubberBand();
        ws.setCanvasPointer(Qt::ArrowCursor);
        Kontrolite(true);
        return true;
    }
    ConnectionState& connection = ws.diagram.connection;
    if (connection.step != ConnectionState::None) {
        connection.step = ConnectionState::None;
        ws.setOutline(0, false);
        ws.setOutline(1, false);
        if (ws.tools.mode.isEmpty())
            ws.setCanvasPointer(Qt::ArrowCursor);
        return true;
    }
    if (!ws.tools.mode.isEmpty()) {
        // Also the rectangle of a new grid, which stopping the tools would keep.
        ws.tools.mode.clear();
        dropRubberBand();
        SpriInstrumentite();
        ws.setCanvasPointer(Qt::ArrowCursor);
        return true;
    }
    return false;
}

bool frmMain::Opcii4ertane() {
    ToolState& tools = m_workspace->tools;
    if (!(tools.drawingOptionsHidden && DrawOptions->isHidden()))
        return false;
    const Prompter::Answer answer = m_prompter.message(
        QStringLiteral("Въпрос"),
        QStringLiteral("Желаете ли да се изведат опциите за чертане ? С тяхна помощ ще може да "
                       "правите специфични настройки, като цветове на чертане и дебелина на "
                       "линиите. По време на тази сесия с програмата няма да бъдете подканени "
                       "втори път за това - ако желаете опциите изведете ги от Функции -> "
                       "Опции за чертане"),
        Prompter::Icon::Question, Prompter::Buttons::YesNo);
    if (answer == Prompter::Answer::Yes)
        mnuOptDraw_Click();
    tools.drawingOptionsHidden = false;
    return true;
}

void frmMain::placeDrawOptions(bool keepPlace) {
    const QRect canvas = pano->geometry();
    QRect panel(DrawOptions->pos(), DrawOptions->size());
    if (!keepPlace || !canvas.contains(panel)) {
        // Near the right edge of the canvas, level with where new objects land.
        const double leftTwips = pano->innerWidth() - PixelsToTwips(DrawOptions->width()) - 255;
        panel.moveTopLeft(canvas.topLeft() +
                          QPoint(TwipsToPixelRounded(leftTwips),
                                 TwipsToPixelRounded(CanvasGeometry::NewObjectTop)));
    }
    // Inside the canvas as far as the canvas is large enough.
    panel.moveRight(std::min(panel.right(), canvas.right()));
    panel.moveLeft(std::max(panel.left(), canvas.left()));
    panel.moveBottom(std::min(panel.bottom(), canvas.bottom()));
    panel.moveTop(std::max(panel.top(), canvas.top()));
    // A new object must not land under the panel: below it, where there is room.
    const QRect newObjects =
        QRectF(TwipsToPixelsExact(NewObjectArea.left()), TwipsToPixelsExact(NewObjectArea.top()),
               TwipsToPixelsExact(NewObjectArea.width()),
               TwipsToPixelsExact(NewObjectArea.height()))
            .toAlignedRect()
            .translated(canvas.topLeft());
    if (panel.intersects(newObjects) && newObjects.bottom() + panel.height() < canvas.bottom())
        panel.moveTop(newObjects.bottom() + 1);
    DrawOptions->move(panel.topLeft());
}

void frmMain::mnuOptDraw_Click() {
    placeDrawOptions(!DrawOptions->isHidden());
    DrawOptions->show();
    DrawOptions->raise();
}

void frmMain::mnuHideManiFig_Click() {
    Workspace& ws = *m_workspace;
    QAction& entry = action(QStringLiteral("mnuHideManiFig"));
    // The caption is the record of the choice: new handles show while it offers to hide them.
    ws.canvas.showHandles = !ws.canvas.showHandles;
    entry.setText(ws.canvas.showHandles ? QStringLiteral("Скрий манипулаторите")
                                        : QStringLiteral("Покажи манипулаторите"));
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
        if (ws.store().shapes[slot].Kind > 0)
            ws.canvas.shapeHandleVisible[slot] = ws.canvas.showHandles;
        if (ws.store().lines[slot].Used > 0)
            ws.canvas.lineHandles[slot].visible = ws.canvas.showHandles;
    }
    ws.notifyCanvasStateChanged();
}

void frmMain::lblHidefr_Click() {
    DrawOptions->hide();
}

void frmMain::chooseColour(QPushButton* button, int32_t& colour) {
    if (const auto chosen = m_prompter.chooseColour(colour)) {
        colour = *chosen;
        DrawOptionsPanel::setButtonColour(button, colour);
    }
}

void frmMain::DebelinaLinii_Change() {
    QComboBox* list = DrawOptions->DebelinaLinii;
    const QString text = list->currentText();
    if (text.isEmpty() || !IsNumericText(text)) {
        list->setCurrentText(QStringLiteral("1"));
        if (list->lineEdit())
            list->lineEdit()->selectAll();
    }
    m_workspace->tools.lineWidth = list->currentText();
}

void frmMain::canvasMouseDown(Qt::MouseButton button, QPointF twips) {
    if (m_tools->mouseDown(button, twips) && mnuMenu->isEnabled())
        mnuMenu->popup(QCursor::pos());
}
