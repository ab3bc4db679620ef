#include "workspace/HistoryCommands.h"

#include "workspace/DiagramState.h"
#include "workspace/EditorContext.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

HistoryCommands::HistoryCommands(EditorContext& context) : m_context(context) {
    Workspace& ws = context.workspace();
    m_cleanText = ws.stateText();
    connect(&context.action(QStringLiteral("mnuUndo")), &QAction::triggered, this,
            &HistoryCommands::undo);
    connect(&context.action(QStringLiteral("mnuRedo")), &QAction::triggered, this,
            &HistoryCommands::redo);
    connect(&ws.history(), &History::changed, this, &HistoryCommands::refresh);
    connect(&ws, &Workspace::stateTextChanged, this, [this](const QString& text) {
        if (m_context.workspace().history().isClean())
            m_cleanText = text;
    });
    refresh();
}

void HistoryCommands::undo() {
    step(true);
}

void HistoryCommands::redo() {
    step(false);
}

void HistoryCommands::step(bool back) {
    // Locked commands (a long save, a region being marked for an export) take no key either.
    if (!m_context.menu(QStringLiteral("mnuMenu")).isEnabled())
        return;
    Workspace& ws = m_context.workspace();
    if (!(back ? ws.undo() : ws.redo()))
        return;
    ws.setStateText(ws.history().isClean() ? m_cleanText : DiagramStateText::changed());
    m_context.Proveri();
}

void HistoryCommands::refresh() {
    const History& history = m_context.workspace().history();
    const auto show = [this](const char* name, const QString& caption, const QString& step) {
        QAction& action = m_context.action(QString::fromLatin1(name));
        action.setText(step.isEmpty() ? caption : caption + QStringLiteral(": ") + step);
        action.setEnabled(!step.isEmpty());
    };
    show("mnuUndo", QStringLiteral("Отмени"), history.undoStep());
    show("mnuRedo", QStringLiteral("Повтори"), history.redoStep());
}
