#include "lines/LineCommands.h"

#include "common/Prompter.h"
#include "lines/Connections.h"
#include "workspace/EditorContext.h"
#include "workspace/NamedMenu.h"
#include "workspace/Pano.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

LineCommands::LineCommands(EditorContext& context) : m_context(context) {
    Workspace& ws = context.workspace();
    m_repaintStep = ws.addRepaintStep([&ws] { Connections::placeHandles(ws); });
    buildMenu();

    const struct {
        const char* button;
        const char* action;
        int16_t type;
    } commands[] = {{"cmdCon", "mnuCon", 1}, {"cmdCon1", "mnuCon1", 2}, {"cmdCon2", "mnuCon2", 3}};
    for (const auto& c : commands) {
        const int16_t type = c.type;
        connect(&context.button(QString::fromLatin1(c.button)), &QPushButton::clicked, this,
                [this, type] { connectCommand(type); });
        connect(&context.action(QString::fromLatin1(c.action)), &QAction::triggered, this,
                [this, type] { connectCommand(type); });
    }
}

LineCommands::~LineCommands() {
    // The canvas and the workspace outlive the commands (the wiring ends them first).
    Workspace& ws = m_context.workspace();
    ws.removeRepaintStep(m_repaintStep);
    delete mnuLines;
}

void LineCommands::buildMenu() {
    mnuLines = NamedMenu::create(&m_context.mainWindow(), QStringLiteral("mnuLines"),
                                 QStringLiteral("Линии"));
    const auto add = [this](QMenu* menu, const QString& name, const QString& caption,
                            auto handler) {
        QAction* a = NamedMenu::addEntry(menu, name, caption);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    const auto submenu = [this](const char* name, const char* caption) {
        return NamedMenu::addSubmenu(mnuLines, QString::fromLatin1(name),
                                     QString::fromUtf8(caption));
    };
    add(mnuLines, QStringLiteral("mnuDelLine"), QStringLiteral("Изтрий"),
        [this] { mnuDelLine_Click(); });
    mnuLines->addSeparator();
    QMenu* mnuLineType = submenu("mnuLineType", "Тип");
    for (int type = 1; type <= 3; ++type)
        add(mnuLineType, QStringLiteral("mnuLineType%1").arg(type),
            QStringLiteral("Линия тип %1").arg(type), [this, type] { setType(type); });
    QMenu* mnuDebLine = submenu("mnuDebLine", "Дебелина");
    for (int width = 1; width <= 5; ++width)
        add(mnuDebLine, QStringLiteral("mnuDebLine%1").arg(width), QString::number(width),
            [this, width] { setWidth(width); });
    QMenu* mnuLinDrawSty = submenu("mnuLinDrawSty", "Стил на чертане");
    const char* const styles[][2] = {{"mnuLinStySolid", "Непрекъснат"},
                                     {"mnuLinStyDash", "Тирета"},
                                     {"mnuLinStyDot", "Точки"},
                                     {"mnuLinStyDashDot", "Тире-Точка"},
                                     {"mnuLinStyDashDotDot", "Тире-Точка-Точка"}};
    for (int style = 0; style < 5; ++style)
        add(mnuLinDrawSty, QString::fromLatin1(styles[style][0]),
            QString::fromUtf8(styles[style][1]), [this, style] { setStyle(style); });
    add(mnuLines, QStringLiteral("mnuColLine"), QStringLiteral("Цвят"),
        [this] { mnuColLine_Click(); });
}

void LineCommands::connectCommand(int16_t lineType) {
    m_context.SpriInstrumentite();
    if (m_context.Opcii4ertane())
        return;
    Connections::startConnection(m_context.workspace(), lineType);
}

void LineCommands::openLineMenu(int16_t slot) {
    // As on a picture: a menu of an element ends the drawing tool.
    m_context.SpriInstrumentite();
    m_context.workspace().diagram.contextElement = {ElementKind::Line, slot};
    m_context.popupAtPointer(*mnuLines);
}

int16_t LineCommands::contextLine() const {
    return m_context.workspace().contextElement(ElementKind::Line);
}

void LineCommands::mnuDelLine_Click() {
    const int16_t slot = contextLine();
    if (!slot)
        return;
    if (m_context.prompter().message(
            QStringLiteral("Въпрос"), QStringLiteral("Искате ли да изтриете тази линия ?"),
            Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    Workspace& ws = m_context.workspace();
    Diagram::Edit change = ws.edit(QStringLiteral("Изтриване на линия"));
    LineRecord& line = change.store().lines[slot];
    // The style stays until the slot is used again.
    line.Used = line.FromObject = line.ToObject = line.LineType = line.Colour = line.LineWidth = 0;
    ws.canvas.lineHandles[slot].visible = false;
    ws.diagram.contextElement = {};
    m_context.Pre4ertai();
}

void LineCommands::setType(int32_t type) {
    if (const int16_t slot = contextLine()) {
        m_context.workspace().edit(QStringLiteral("Вид на линия")).store().lines[slot].LineType =
            type;
        m_context.Pre4ertai();
    }
}

void LineCommands::setWidth(int32_t width) {
    if (const int16_t slot = contextLine()) {
        m_context.workspace()
            .edit(QStringLiteral("Дебелина на линия"))
            .store()
            .lines[slot]
            .LineWidth = width;
        m_context.Pre4ertai();
    }
}

void LineCommands::setStyle(int32_t style) {
    if (const int16_t slot = contextLine()) {
        m_context.workspace().edit(QStringLiteral("Стил на линия")).store().lines[slot].LineStyle =
            style;
        m_context.Pre4ertai();
    }
}

void LineCommands::mnuColLine_Click() {
    if (const int16_t slot = contextLine()) {
        Workspace& ws = m_context.workspace();
        if (const auto colour = m_context.prompter().chooseColour(ws.store().lines[slot].Colour)) {
            ws.edit(QStringLiteral("Цвят на линия")).store().lines[slot].Colour = *colour;
        }
        m_context.Pre4ertai();
    }
}
