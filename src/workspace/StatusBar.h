#pragma once

#include <QStatusBar>
#include <array>

class QLabel;
class QTimer;

// The main window's status bar: program name, diagram state, current file, Caps Lock,
// date and time, each in its own sunken panel.
class StatusBar : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int PanelCount = 6;
    enum PanelIndex { ProgramPanel = 1, StatePanel, FilePanel, CapsPanel, DatePanel, TimePanel };

    explicit StatusBar(QWidget* parent = nullptr);

    // Panels are numbered from 1; out-of-range numbers are ignored.
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    QLabel* panel(int panel) const;

    // The window calls this on key events so the indicator follows the key at once.
    void refreshCapsLock();
    // Brings the date and time panels up to the clock.
    void refreshClock();

    static bool CapsLockOn();

private:
    void tick();

    std::array<QLabel*, PanelCount> m_panels{};
    QTimer* m_timer = nullptr;
};
