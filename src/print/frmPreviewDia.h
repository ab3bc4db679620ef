#pragma once

#include "settings/ProgramWindow.h"

#include <QWidget>

class QLabel;

// "Преглед на диаграмата": the whole diagram reduced to the window, which keeps the diagram's
// proportions when it opens. A click on the picture closes it.
class frmPreviewDia : public QWidget, public ProgramWindow {
    Q_OBJECT

public:
    frmPreviewDia(const QImage& picture, const SettingsRecord& settings, QWidget* parent = nullptr);
    ~frmPreviewDia() override;

    QLabel* Preview = nullptr;

protected:
    const SettingsRecord& appearanceSettings() const override { return m_settings; }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const SettingsRecord& m_settings;
};
