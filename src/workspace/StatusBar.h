#pragma once

#include <QStatusBar>
#include <QStringList>
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
    // Widens a panel, where its font needs it, so each of `texts` shows whole.
    void fitPanelTo(int panel, const QStringList& texts);
    QLabel* panel(int panel) const;

    // The window calls this on key events so the indicator follows the key at once.
    void refreshCapsLock();
    // Brings the date and time panels up to the clock.
    void refreshClock();

    static bool CapsLockOn();

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Panels stand left to right at their widths; what does not fit is cut at the right edge
    // rather than squeezed over its neighbours.
    void placePanels();

    void tick();

    std::array<QLabel*, PanelCount> m_panels{};
    QTimer* m_timer = nullptr;
};
