#include "workspace/HistoryCommands.h"

#include "workspace/DiagramState.h"
#include "workspace/EditorContext.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

HistoryCommands::HistoryCommands(EditorContext& context) : m_context(context) {
    Workspace& ws = context.workspace();
    m_cleanText = ws.stateText();
    // Ctrl+Shift and Alt+Shift switch the keyboard layout on many desktops: plain Ctrl only.
    const struct {
        const char* name;
        QKeySequence keys;
        void (HistoryCommands::*command)();
    } entries[] = {{"mnuUndo", QKeySequence(Qt::CTRL | Qt::Key_Z), &HistoryCommands::undo},
                   {"mnuRedo", QKeySequence(Qt::CTRL | Qt::Key_Y), &HistoryCommands::redo}};
    for (const auto& entry : entries) {
        QAction& action = context.action(QString::fromLatin1(entry.name));
        action.setShortcut(entry.keys);
        action.setShortcutContext(Qt::WindowShortcut);
        // The keys work with the menu closed.
        context.mainWindow().addAction(&action);
        connect(&action, &QAction::triggered, this, entry.command);
    }
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
