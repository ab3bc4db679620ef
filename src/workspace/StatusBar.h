#pragma once

#include <QDateTime>
#include <QStatusBar>
#include <QStringList>
#include <array>
#include <functional>

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

    using Clock = std::function<QDateTime()>;
    // Where the date and time come from (tests set a fixed one); an empty clock means the
    // system clock. The panels follow the new clock at once.
    void setClock(Clock clock);
    // What the timer does every second: clock and Caps Lock panels.
    void tick();
    QTimer* tickTimer() const { return m_timer; }

    static bool CapsLockOn();

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Panels stand left to right at their widths; what does not fit is cut at the right edge
    // rather than squeezed over its neighbours.
    void placePanels();

    std::array<QLabel*, PanelCount> m_panels{};
    QTimer* m_timer = nullptr;
    Clock m_clock;
};
