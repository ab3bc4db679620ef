#pragma once

#include "settings/ProgramWindow.h"

#include <QDialog>
#include <QImage>
#include <QString>

class EditorContext;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;

// The last step of the JPEG export: the user picks a quality and the picture is written.
// The main window is locked while the export runs; whichever way this dialog ends, it unlocks
// the commands and repaints the canvas. Run it with exec() and ask saved() afterwards.
class frmJPGQuality : public QDialog, public ProgramWindow {
    Q_OBJECT

public:
    frmJPGQuality(EditorContext& context, const QImage& picture, const QString& fileName);
    ~frmJPGQuality() override;

    // True once the file was written.
    bool saved() const { return m_saved; }

    QGroupBox* fraQual = nullptr;
    QSlider* sldQual = nullptr;
    QLabel* lblZero = nullptr;
    QLabel* lblHalf = nullptr;
    QLabel* lblFull = nullptr;
    QLabel* lblPoor = nullptr;
    QLabel* lblGood = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

public slots:
    // Escape and the close box count as Cancel, so the main window is never left locked.
    void reject() override;

protected:
    const SettingsRecord& appearanceSettings() const override;

private:
    void buildControls();
    void cmdOK_Click();
    void cmdCancel_Click();

    EditorContext& m_context;
    QImage m_picture;
    QString m_fileName;
    bool m_saved = false;
    bool m_finished = false;
};
