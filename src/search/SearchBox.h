#pragma once

#include "workspace/SimpleDragAndDrop.h"

#include <QFrame>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The search panel "Търсене": a frame on the main window that the user drags by any bare part
// of it, kept inside the window. It only shows its controls; the search commands wire them.
class SearchBox : public QFrame {
    Q_OBJECT

public:
    explicit SearchBox(QWidget* parent);

    QLabel* caption = nullptr;
    QLabel* imgMagn = nullptr;
    QLineEdit* txtKey = nullptr;
    QPushButton* cmdSearch = nullptr;
    QLabel* lblClear = nullptr;
    QPushButton* cmdClose = nullptr;
    QCheckBox* chkObj = nullptr;
    QCheckBox* txtText = nullptr;
    QLabel* lblSBLabel = nullptr;

    // Puts the panel back inside its window when it no longer fits (the window shrank).
    void keepInside();

signals:
    // "Нулирай" was clicked.
    void clearClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SimpleDragAndDrop m_drag;
};
