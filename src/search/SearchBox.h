#pragma once

#include "workspace/FloatingPanel.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The search panel "Търсене": a frame on the main window that the user drags by any bare part
// of it, kept inside the window. It only shows its controls; the search commands wire them.
class SearchBox : public FloatingPanel {
    Q_OBJECT

public:
    explicit SearchBox(QWidget* parent);

    QLabel* imgMagn = nullptr;
    QLineEdit* txtKey = nullptr;
    QPushButton* cmdSearch = nullptr;
    QLabel* lblClear = nullptr;
    QPushButton* cmdClose = nullptr;
    QCheckBox* chkObj = nullptr;
    QCheckBox* txtText = nullptr;
    QLabel* lblSBLabel = nullptr;

signals:
    // "Нулирай" was clicked.
    void clearClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
