#include "presentation/SettingsCommands.h"

#include "settings/frmSettings.h"
#include "workspace/EditorContext.h"
#include "workspace/Workspace.h"

#include <QAction>

SettingsCommands::SettingsCommands(EditorContext& context) : m_context(context) {
    runDialog = [](frmSettings& dialog) { dialog.exec(); };
    connect(&m_context.action(QStringLiteral("mnuSettings")), &QAction::triggered, this,
            &SettingsCommands::mnuSettings_Click);
}

SettingsCommands::~SettingsCommands() = default;

void SettingsCommands::mnuSettings_Click() {
    m_context.SpriInstrumentite();
    frmSettings dialog(m_context.workspace().settings, m_context.prompter(),
                       &m_context.mainWindow(), &m_context.mainWindow());
    dialog.saveSettings = [this] { return m_context.SaveSettings(); };
    runDialog(dialog);
}
