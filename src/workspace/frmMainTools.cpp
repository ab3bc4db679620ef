// The drawing tools of the main window and the mouse on the canvas background.
#include "common/Numeric.h"
#include "common/Prompter.h"
#include "common/Units.h"
#include "workspace/DrawOptionsPanel.h"
#include "workspace/Workspace.h"
#include "workspace/frmMain.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

// Canvas coordinates handed to the drawing routines are whole 16-bit twips.
int16_t toCanvasCoordinate(double twips) {
    if (const auto value = ToInt16Checked(twips))
        return *value;
    return twips < 0 ? INT16_MIN : INT16_MAX;
}

} // namespace

void frmMain::startTool(const QString& mode) {
    Workspace& ws = *m_workspace;
    ws.tools.mode = mode;
    ws.connectionStep = 0;
    pano->setCursor(Qt::CrossCursor);
    syncToolButtons();
}

void frmMain::syncToolButtons() {
    const QString& mode = m_workspace->tools.mode;
    optRect->setChecked(mode == ToolState::box());
    optElipse->setChecked(mode == ToolState::circle() || mode == ToolState::circleRound());
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
    popupAtCentreOf(mnuAddElipse, optElipse);
}

void frmMain::setMenuChecks(QAction* checked) {
    for (QAction* a :
         {menuAction(QStringLiteral("mnuAddRect")), menuAction(QStringLiteral("mnuAddElipse")),
          menuAction(QStringLiteral("mnuAddLine"))})
        a->setChecked(a == checked);
}

void frmMain::mnuAddRect_Click() {
    // The menu entry runs the button's command and then presses the button, so a first
    // use answers the drawing-options question and still starts the tool.
    optRect_Click();
    optRect_Click();
    setMenuChecks(menuAction(QStringLiteral("mnuAddRect")));
}

void frmMain::mnuAddLine_Click() {
    optLine_Click();
    optLine_Click();
    setMenuChecks(menuAction(QStringLiteral("mnuAddLine")));
}

void frmMain::mnuEllEllipse_Click() {
    startTool(ToolState::circle());
}
void frmMain::mnuEllOkr_Click() {
    startTool(ToolState::circleRound());
}

void frmMain::SpriInstrumentite() {
    if (m_workspace->stopTool())
        pano->unsetCursor();
    for (const char* name : {"mnuAddRect", "mnuAddElipse", "mnuAddLine"})
        menuAction(QString::fromLatin1(name))->setChecked(false);
    // The resize handles join here as they arrive.
    pano->setOutline(1, false);
    m_selectionVisible = false;
    pano->setSelectionOutline(false, m_selectionRect);
    syncToolButtons();
}

bool frmMain::Opcii4ertane() {
    ToolState& tools = m_workspace->tools;
    if (!(tools.drawingOptionsHidden && !DrawOptions->isVisible()))
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
        showDrawOptions();
    tools.drawingOptionsHidden = false;
    return true;
}

void frmMain::showDrawOptions() {
    // Near the right edge of the canvas; the panel floats over the window.
    const int leftTwips = static_cast<int>(pano->innerWidth()) -
                          static_cast<int>(PixelsToTwips(DrawOptions->width())) - 255;
    DrawOptions->move(pano->x() + TwipsToPixel(leftTwips),
                      DrawOptions->isVisible() ? DrawOptions->y() : pano->y() + TwipsToPixel(120));
    DrawOptions->show();
    DrawOptions->raise();
}

void frmMain::mnuOptDraw_Click() {
    showDrawOptions();
}

void frmMain::lblHidefr_Click() {
    DrawOptions->hide();
}

void frmMain::cmdColor_Click() {
    QPushButton* button = DrawOptions->cmdColor;
    if (const auto colour = m_prompter.chooseColour(DrawOptionsPanel::buttonColour(button))) {
        DrawOptionsPanel::setButtonColour(button, *colour);
        m_workspace->tools.drawingColour = *colour;
    }
}

void frmMain::cmdConnectColor_Click() {
    QPushButton* button = DrawOptions->cmdConnectColor;
    if (const auto colour = m_prompter.chooseColour(DrawOptionsPanel::buttonColour(button))) {
        DrawOptionsPanel::setButtonColour(button, *colour);
        m_workspace->tools.lineColour = *colour;
    }
}

void frmMain::PaintFill_Click() {
    QPushButton* button = DrawOptions->PaintFill;
    if (const auto colour = m_prompter.chooseColour(DrawOptionsPanel::buttonColour(button))) {
        DrawOptionsPanel::setButtonColour(button, *colour);
        m_workspace->tools.fillColour = *colour;
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

void frmMain::setDrawingRoutines(DrawingRoutines* routines) {
    m_routines = routines ? routines : this;
}

// ---- canvas mouse ----

void frmMain::canvasMouseDown(Qt::MouseButton button, QPointF twips) {
    Workspace& ws = *m_workspace;
    if (button == Qt::LeftButton && !ws.tools.mode.isEmpty()) {
        ws.tools.x0 = toCanvasCoordinate(twips.x());
        ws.tools.y0 = toCanvasCoordinate(twips.y());
        ws.setInvertDrawing(true);
    } else if (button == Qt::RightButton) {
        ws.tools.rightClick = twips;
        if (mnuMenu->isEnabled())
            mnuMenu->popup(QCursor::pos());
    }
}

void frmMain::callDrawingRoutine(const QString& mode, int16_t x, int16_t y, bool Final) {
    const int32_t colour = m_workspace->tools.drawingColour;
    if (mode == ToolState::box())
        m_routines->DrawBox(x, y, colour, Final);
    else if (mode == ToolState::line())
        m_routines->DrawLine(x, y, colour, Final);
    else if (mode == ToolState::circle())
        m_routines->DrawCircle(x, y, colour, false, Final);
    else if (mode == ToolState::circleRound())
        m_routines->DrawCircle(x, y, colour, true, Final);
    else if (mode == ToolState::selection())
        m_routines->DrawSelection(x, y, colour, Final);
}

void frmMain::canvasMouseMove(Qt::MouseButtons buttons, QPointF twips) {
    if (!(buttons & Qt::LeftButton))
        return;
    const QString mode = m_workspace->tools.mode;
    if (mode.isEmpty())
        return;
    callDrawingRoutine(mode, toCanvasCoordinate(twips.x()), toCanvasCoordinate(twips.y()), false);
}

void frmMain::canvasMouseUp(Qt::MouseButton button, QPointF twips) {
    Workspace& ws = *m_workspace;
    if (button != Qt::LeftButton || ws.tools.mode.isEmpty())
        return;
    const QString mode = ws.tools.mode;
    const bool regionExport = mode == ToolState::selection() && ws.SelPicture == -1;
    ws.setInvertDrawing(false);
    callDrawingRoutine(mode, toCanvasCoordinate(twips.x()), toCanvasCoordinate(twips.y()), true);
    if (!regionExport) {
        ws.markChanged();
        Pre4ertai();
    }
    syncToolButtons();
}

// ---- drawing routines until the shape, grid and export commands bring their own ----

void frmMain::DrawBox(int16_t, int16_t, int32_t, bool) {}
void frmMain::DrawLine(int16_t, int16_t, int32_t, bool) {}
void frmMain::DrawCircle(int16_t, int16_t, int32_t, bool, bool) {}

void frmMain::DrawSelection(int16_t x, int16_t y, int32_t, bool Final) {
    const ToolState& tools = m_workspace->tools;
    if (!Final) {
        m_selectionRect = QRectF(std::min(tools.x0, x), std::min(tools.y0, y),
                                 std::abs(x - tools.x0), std::abs(y - tools.y0));
        m_selectionVisible = true;
        pano->setSelectionOutline(true, m_selectionRect);
        return;
    }
    // The end of a selection clears the tool; what the region is for decides the rest.
    m_workspace->tools.mode.clear();
    pano->unsetCursor();
}
