#include "settings/ProgramWindow.h"

#include "settings/WindowAppearance.h"

void ProgramWindow::applyAppearance() {
    const SettingsRecord& settings = appearanceSettings();
    ApplyProgramFont(&m_window, settings.ProgramFont);
    ApplyWindowTransparency(&m_window, settings.transparency[int(m_kind)]);
}
