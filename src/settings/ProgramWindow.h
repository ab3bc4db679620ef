#pragma once

#include "settings/SettingsRecord.h"

class QWidget;

// One of the program's own windows: it shows the program font and the transparency the
// settings give it. Each window applies them once its controls are built; when the settings
// change, applyAppearance() brings an open window up to date.
class ProgramWindow {
public:
    virtual ~ProgramWindow() = default;
    ProgramWindow(const ProgramWindow&) = delete;
    ProgramWindow& operator=(const ProgramWindow&) = delete;

    // Reads the settings again: the program font goes to the window, its controls and their
    // menus, then the window takes its own transparency.
    virtual void applyAppearance();

protected:
    // `window` is the window itself; `kind` picks its transparency among the settings.
    ProgramWindow(QWidget& window, SettingsWindow kind) : m_window(window), m_kind(kind) {}

    // The settings the window shows (the workspace's).
    virtual const SettingsRecord& appearanceSettings() const = 0;

private:
    QWidget& m_window;
    SettingsWindow m_kind;
};
