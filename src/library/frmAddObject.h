#pragma once

#include "settings/ProgramWindow.h"

#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class Workspace;

// The library chooser: pick a picture by main category, category and name, look at it and
// add it to the diagram. A modeless window above the main window; "Затвори" only hides it
// so it keeps its place, while its own close box destroys it.
class frmAddObject : public QWidget, public ProgramWindow {
    Q_OBJECT

public:
    frmAddObject(Workspace& workspace, QWidget* parent);
    ~frmAddObject() override;

    // Library key and description of the entry chosen last (empty before the first choice).
    const QString& chosenKey() const { return m_chosenKey; }
    const QString& chosenDescription() const { return m_chosenDescription; }

    QGroupBox* fraChoose = nullptr;
    QComboBox* cmdMainCat = nullptr;
    QComboBox* cmdCateg = nullptr;
    QListWidget* lstObjects = nullptr;
    QGroupBox* fraPreview = nullptr;
    QFrame* picPrev = nullptr;
    QLabel* Preview = nullptr;
    QPlainTextEdit* txtDescr = nullptr;
    QCheckBox* chkClose = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    const SettingsRecord& appearanceSettings() const override;

private:
    void buildControls();
    void fillCategories(int mainIndex);
    void mainCategoryChosen(int index);
    void categoryChanged();
    void objectChosen(QListWidgetItem* item);
    void showPreview();
    void addChosen();

    Workspace& m_workspace;
    QString m_chosenKey;
    QString m_chosenDescription;
};
