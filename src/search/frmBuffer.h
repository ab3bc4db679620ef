#pragma once

#include "search/BufferLoad.h"
#include "settings/ProgramWindow.h"

#include <QDialog>
#include <array>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

// "Натовареност на буфера": how full each of the five element buffers is, one bar and one
// label per buffer, from the counts the main window passes in. Escape closes it as
// "Затвори" does.
class frmBuffer : public QDialog, public ProgramWindow {
    Q_OBJECT

public:
    frmBuffer(const BufferLoad& load, const SettingsRecord& settings, QWidget* parent = nullptr);
    ~frmBuffer() override;

    QGroupBox* fraLoad = nullptr;
    QProgressBar* PrgObj = nullptr;
    QProgressBar* PrgTxt = nullptr;
    QProgressBar* PrgLin = nullptr;
    QProgressBar* PrgShp = nullptr;
    QProgressBar* PrgTab = nullptr;
    QLabel* lblObj = nullptr;
    QLabel* lblTxt = nullptr;
    QLabel* lblLin = nullptr;
    QLabel* lblShp = nullptr;
    QLabel* lblTab = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    const SettingsRecord& appearanceSettings() const override { return m_settings; }

private:
    const SettingsRecord& m_settings;
};
