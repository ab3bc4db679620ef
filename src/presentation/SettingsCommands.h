#pragma once

#include <QObject>
#include <functional>

class EditorContext;
class frmSettings;

// "Потребителски настройки" of the main menu: the settings dialog on the workspace's settings,
// saved to the main window's settings.ini.
class SettingsCommands : public QObject {
    Q_OBJECT

public:
    explicit SettingsCommands(EditorContext& context);
    ~SettingsCommands() override;

    void mnuSettings_Click();
    // How the modal dialog is run (tests answer it instead).
    std::function<void(frmSettings&)> runDialog;

private:
    EditorContext& m_context;
};
