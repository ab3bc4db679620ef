#pragma once

#include "settings/ProgramWindow.h"

#include <QDialog>
#include <functional>

class Prompter;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QTabWidget;

// "Потребителски настройки": the program font, the transparency of each window and the three
// switches. It edits the settings record it is given; a transparency moved with the slider is
// stored at once, everything else on "[ ОК ]". `mainWindow` (may be null) is the window that
// takes the new font and its own transparency when the dialog applies them.
class frmSettings : public QDialog, public ProgramWindow {
    Q_OBJECT

public:
    frmSettings(SettingsRecord& settings, Prompter& prompter, QWidget* mainWindow,
                QWidget* parent = nullptr);
    ~frmSettings() override;

    // Writes the record to settings.ini; false when the file could not be written.
    std::function<bool()> saveSettings;

    // The window texts of the transparency list, by window index.
    static QStringList windowTexts();
    static QString defaultFont() { return SettingsRecord().ProgramFont; }

    QTabWidget* tabs = nullptr;
    QCheckBox* chkDialogInfo = nullptr;
    QCheckBox* chkShowDrawOpt = nullptr;
    QCheckBox* chkShowAnim = nullptr;
    QLabel* lblDrugiOpciiInfo = nullptr;
    QGroupBox* fraTransp = nullptr;
    QListWidget* lstForms = nullptr;
    QSlider* sldTransp = nullptr;
    QLabel* lblTransp = nullptr;
    QLabel* lblNoTransp = nullptr;
    QLabel* lblTranspInfo = nullptr;
    QLabel* lblFontnow = nullptr;
    QLineEdit* txtFontNow = nullptr;
    QLabel* lblChooseFont = nullptr;
    QListWidget* lstFonts = nullptr;
    QLabel* lbltest = nullptr;
    QLabel* TestBox = nullptr;
    QPushButton* cmdApply = nullptr;
    QPushButton* cmdRestore = nullptr;
    QPushButton* cmdExit = nullptr;

    // The typeface the sample shows now.
    const QString& sampleFamily() const { return m_sampleFamily; }

    void cmdApply_Click();
    void cmdRestore_Click();

protected:
    const SettingsRecord& appearanceSettings() const override { return m_settings; }

private:
    void buildFontTab(QWidget* page);
    void buildTransparencyTab(QWidget* page);
    void buildOtherTab(QWidget* page);
    void showSample(const QString& family);
    // The window whose entry is selected in lstForms, -1 for none.
    int chosenForm() const;
    void formChosen();
    void sliderMoved(int value);
    // Writes the record; tells the user when the file could not be written (the record keeps
    // the values for this run all the same).
    void save();
    void applyToMainWindow(bool font, bool transparency);

    SettingsRecord& m_settings;
    Prompter& m_prompter;
    QWidget* m_mainWindow;
    QString m_sampleFamily;
};
