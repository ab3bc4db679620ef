#include "shapes/ShapeCommands.h"

#include "common/Prompter.h"
#include "kinds/CopyBuffer.h"
#include "objects/ResizeHandles.h"
#include "shapes/Shapes.h"
#include "workspace/CanvasTools.h"
#include "workspace/EditorContext.h"
#include "workspace/NamedMenu.h"
#include "workspace/Pano.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QMenu>
#include <tuple>

namespace {

bool sameRecord(const ShapeRecord& a, const ShapeRecord& b) {
    const auto fields = [](const ShapeRecord& s) {
        return std::tie(s.Kind, s.X1, s.Y1, s.X2, s.Y2, s.BorderColour, s.LineWidth, s.FillStyle,
                        s.FillColour, s.LineStyle);
    };
    return fields(a) == fields(b);
}

} // namespace

ShapeCommands::ShapeCommands(EditorContext& context)
    : m_context(context), m_drag(context.workspace()) {
    Workspace& ws = context.workspace();
    using Mode = Shapes::ShapeTool::Mode;
    const struct {
        QString mode;
        Mode tool;
    } tools[] = {{ToolState::box(), Mode::Box},
                 {ToolState::line(), Mode::Line},
                 {ToolState::ellipse(), Mode::Ellipse},
                 {ToolState::circle(), Mode::Circle}};
    for (const auto& t : tools)
        context.tools().add(t.mode, std::make_unique<Shapes::ShapeTool>(ws, t.tool));
    buildMenu();
}

ShapeCommands::~ShapeCommands() {
    delete mnuFigures;
}

void ShapeCommands::buildMenu() {
    mnuFigures = NamedMenu::create(&m_context.mainWindow(), QStringLiteral("mnuFigures"),
                                   QStringLiteral("Фигури"));
    const auto add = [this](QMenu* menu, const QString& name, const QString& caption,
                            auto handler) {
        QAction* a = NamedMenu::addEntry(menu, name, caption);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    const auto submenu = [](QMenu* parent, const char* name, const char* caption) {
        return NamedMenu::addSubmenu(parent, QString::fromLatin1(name), QString::fromUtf8(caption));
    };

    add(mnuFigures, QStringLiteral("mnuCopyShape"), QStringLiteral("Копирай"),
        [this] { mnuCopyShape_Click(); });
    add(mnuFigures, QStringLiteral("mnuDeleteFig"), QStringLiteral("Изтрий"),
        [this] { mnuDeleteFig_Click(); });
    mnuFigures->addSeparator();
    add(mnuFigures, QStringLiteral("mnuFlip"), QStringLiteral("Обърни"),
        [this] { mnuFlip_Click(); });
    add(mnuFigures, QStringLiteral("mnuShapeSize"), QStringLiteral("Оразмери"),
        [this] { mnuShapeSize_Click(); });
    add(mnuFigures, QStringLiteral("mnuShapeColor"), QStringLiteral("Цвят"),
        [this] { mnuShapeColor_Click(); });

    QMenu* mnuShapeWidth = submenu(mnuFigures, "mnuShapeWidth", "Дебелина");
    for (int width = 1; width <= 5; ++width)
        add(mnuShapeWidth, QStringLiteral("Width%1").arg(width), QString::number(width),
            [this, width] { setWidth(width); });

    QMenu* mnuShpLinSt = submenu(mnuFigures, "mnuShpLinSt", "Стил на линията");
    const char* const lineStyles[][2] = {{"mnuShpLinSolid", "Непрекъснат"},
                                         {"mnuShpLinDash", "Тирета"},
                                         {"mnuShpLinDots", "Точки"},
                                         {"mnuShpLinDashDot", "Тире-Точка"},
                                         {"mnuShpLinDashDotDot", "Тире-Точка-Точка"}};
    for (int style = 0; style < 5; ++style)
        add(mnuShpLinSt, QString::fromLatin1(lineStyles[style][0]),
            QString::fromUtf8(lineStyles[style][1]), [this, style] { setLineStyle(style); });

    QMenu* mnuFill = submenu(mnuFigures, "mnuFill", "Запълнена фигура");
    add(mnuFill, QStringLiteral("mnuFillCol"), QStringLiteral("Избери цвят"),
        [this] { mnuFillCol_Click(); });
    QMenu* mnuShpFillStyle = submenu(mnuFill, "mnuShpFillStyle", "Стил на запълването");
    // "Диагонали надолу" gives the rising hatch and "Диагонали нагоре" the falling one.
    const struct {
        const char* name;
        const char* caption;
        int32_t style;
    } fills[] = {{"mnuShpSolidColor", "Солиден цвят", Shapes::Solid},
                 {"mnuShpHorLines", "Хоризонтални линии", Shapes::Horizontal},
                 {"mnuShpVertLines", "Вертикални линии", Shapes::Vertical},
                 {"mnuShpDiaDown", "Диагонали надолу", Shapes::Rising},
                 {"mnuShpDiaUp", "Диагонали нагоре", Shapes::Falling},
                 {"mnuShpCross", "Кръстчета", Shapes::Cross},
                 {"mnuDiagCross", "Диагонални кръстчета", Shapes::DiagonalCross}};
    for (const auto& f : fills) {
        const int32_t style = f.style;
        add(mnuShpFillStyle, QString::fromLatin1(f.name), QString::fromUtf8(f.caption),
            [this, style] { setFillStyle(style); });
    }
    mnuShpFillStyle->addSeparator();
    add(mnuShpFillStyle, QStringLiteral("mnuRemFil"), QStringLiteral("Без запълване"),
        [this] { mnuRemFil_Click(); });
}

// ---- the mouse on a shape handle ----

void ShapeCommands::mouseDown(int slot, const CanvasMouse& mouse) {
    Workspace& ws = m_context.workspace();
    if (mouse.button == Qt::LeftButton) {
        m_context.SpriInstrumentite();
        // One drag at a time, whatever element it moves.
        if (m_drag.active() || !ws.canvas.drag.isNone())
            return;
        const ShapeRecord& s = ws.store().shapes[slot];
        // Whole 64-bit differences: a shape from a file may be taller than 16 bits hold, and
        // it has to keep its size when moved.
        Shirina = int64_t(s.X2) - s.X1;
        Visochina = int64_t(s.Y2) - s.Y1;
        const ElementRef shape{ElementKind::Shape, static_cast<int16_t>(slot)};
        m_drag.start(
            shape,
            ws.dragHandle(
                shape, Shapes::HandleSize,
                [this, &ws, slot](QPointF at) {
                    Shapes::followHandle(
                        ws.edit(QStringLiteral("Преместване на фигура")).store().shapes[slot], at,
                        Shirina, Visochina);
                }),
            mouse);
    } else if (mouse.button == Qt::RightButton && !m_drag.active()) {
        // Not in the middle of a drag: the menu could delete the shape under the mouse.
        openShapeMenu(static_cast<int16_t>(slot));
    }
}

void ShapeCommands::mouseMove(int slot, const CanvasMouse& mouse) {
    if (!m_drag.active() || slot != m_drag.element().slot || !(mouse.buttons & Qt::LeftButton))
        return;
    m_drag.move(mouse);
    if (m_context.workspace().settings.Pre4ertaiPriMestene)
        m_context.Pre4ertai();
}

void ShapeCommands::mouseUp(int slot, const CanvasMouse& mouse) {
    if (!m_drag.active() || slot != m_drag.element().slot || mouse.button != Qt::LeftButton)
        return;
    Workspace& ws = m_context.workspace();
    m_drag.finish();
    ws.markChanged();
    m_context.Pre4ertai();
}

// ---- the shape menu ----

void ShapeCommands::openShapeMenu(int16_t slot) {
    // As on a picture: a menu of an element ends the drawing tool.
    m_context.SpriInstrumentite();
    Workspace& ws = m_context.workspace();
    ws.diagram.contextElement = {ElementKind::Shape, slot};
    const bool line = ws.store().shapes[slot].Kind == Shapes::Line;
    mnuFigures->findChild<QAction*>(QStringLiteral("mnuFlip"))->setVisible(line);
    mnuFigures->findChild<QMenu*>(QStringLiteral("mnuFill"))->menuAction()->setVisible(!line);
    m_context.popupAtPointer(*mnuFigures);
}

int16_t ShapeCommands::contextShape() const {
    return m_context.workspace().contextElement(ElementKind::Shape);
}

void ShapeCommands::edit(const std::function<void(ShapeRecord&)>& change) {
    const int16_t slot = contextShape();
    if (!slot)
        return;
    Workspace& ws = m_context.workspace();
    ShapeRecord shape = ws.store().shapes[slot];
    change(shape);
    // Only a drag marks the state text; an edit must still not be lost unasked.
    if (!sameRecord(ws.store().shapes[slot], shape)) {
        ws.edit(QStringLiteral("Промяна на фигура")).store().shapes[slot] = shape;
    }
    m_context.Pre4ertai();
}

void ShapeCommands::mnuCopyShape_Click() {
    if (const int16_t slot = contextShape())
        if (CopyBuffer::copy(m_context.workspace(), {ElementKind::Shape, slot}))
            m_context.action(QStringLiteral("mnuPaste")).setEnabled(true);
}

void ShapeCommands::mnuDeleteFig_Click() {
    const int16_t slot = contextShape();
    if (!slot)
        return;
    if (m_context.prompter().message(
            QStringLiteral("Въпрос"), QStringLiteral("Искате ли да изтриете Фигурата ?"),
            Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    m_context.SpriInstrumentite();
    Workspace& ws = m_context.workspace();
    // The other fields stay until the slot is used again.
    ws.edit(QStringLiteral("Изтриване на фигура")).store().shapes[slot].Kind = Shapes::Free;
    ws.canvas.shapeHandleVisible[slot] = false;
    ws.diagram.contextElement = {};
    ws.notifyCanvasStateChanged();
    m_context.Pre4ertai();
}

void ShapeCommands::mnuFlip_Click() {
    // Mirrored about the vertical through its middle, which is where the handle stays.
    edit([](ShapeRecord& s) {
        if (s.Kind == Shapes::Line)
            std::swap(s.X1, s.X2);
    });
}

void ShapeCommands::mnuShapeSize_Click() {
    const int16_t slot = contextShape();
    if (!slot)
        return;
    m_context.SpriInstrumentite();
    ResizeHandles::show(m_context.workspace(), {ElementKind::Shape, slot});
    m_context.Pre4ertai();
}

void ShapeCommands::mnuShapeColor_Click() {
    const int16_t slot = contextShape();
    if (!slot)
        return;
    const int32_t border = m_context.workspace().store().shapes[slot].BorderColour;
    m_dialogColour = border;
    const auto chosen = m_context.prompter().chooseColour(border);
    if (chosen)
        m_dialogColour = *chosen;
    edit([&](ShapeRecord& s) {
        if (chosen)
            s.BorderColour = *chosen;
    });
}

void ShapeCommands::setWidth(int32_t width) {
    edit([width](ShapeRecord& s) { s.LineWidth = width; });
}

void ShapeCommands::setLineStyle(int32_t style) {
    edit([style](ShapeRecord& s) { s.LineStyle = style; });
}

void ShapeCommands::mnuFillCol_Click() {
    const int16_t slot = contextShape();
    if (!slot)
        return;
    Workspace& ws = m_context.workspace();
    ws.diagram.Izbr = slot;
    const ShapeRecord& shape = ws.store().shapes[slot];
    if (shape.Kind == Shapes::Line)
        return;
    // An unfilled shape's fill colour means nothing: the dialog shows what it showed last.
    if (shape.FillStyle != Shapes::Transparent)
        m_dialogColour = shape.FillColour;
    const auto chosen = m_context.prompter().chooseColour(m_dialogColour);
    if (chosen)
        m_dialogColour = *chosen;
    // Cancelling leaves the shape alone; a hatch would otherwise turn solid unasked.
    edit([&](ShapeRecord& s) {
        if (chosen) {
            s.FillStyle = Shapes::Solid;
            s.FillColour = *chosen;
        }
    });
}

void ShapeCommands::setFillStyle(int32_t style) {
    if (const int16_t slot = contextShape())
        m_context.workspace().diagram.Izbr = slot;
    // Only a filled shape takes a pattern; an unfilled one first needs "Избери цвят".
    edit([style](ShapeRecord& s) {
        if (s.Kind != Shapes::Line && s.FillStyle != Shapes::Transparent)
            s.FillStyle = style;
    });
}

void ShapeCommands::mnuRemFil_Click() {
    // The fill colour stays, for the next time the shape is filled.
    setFillStyle(Shapes::Transparent);
}
