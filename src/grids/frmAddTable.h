#pragma once

#include "settings/ProgramWindow.h"

#include <QDialog>

class EditorContext;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// "Решетка": asks how many rows and columns the grid over the marked area gets, then makes
// it. Shown modally once the area is marked; the repaint after it shows the grid.
class frmAddTable : public QDialog, public ProgramWindow {
    Q_OBJECT

public:
    explicit frmAddTable(EditorContext& context);
    ~frmAddTable() override;

    QGroupBox* fraTable = nullptr;
    QLabel* lblRows = nullptr;
    QLabel* lblColums = nullptr;
    QComboBox* txtRows = nullptr;
    QComboBox* txtColums = nullptr;
    QPushButton* cmdGo = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLabel* imgtable = nullptr;

    void cmdGo_Click();
    void cmdCancel_Click();

public slots:
    // Escape and the close box count as "Отказ".
    void reject() override;

protected:
    const SettingsRecord& appearanceSettings() const override;

private:
    void buildControls();
    void warn(const QString& text);

    EditorContext& m_context;
    bool m_finished = false;
};
