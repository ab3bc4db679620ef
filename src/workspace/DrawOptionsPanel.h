#pragma once

#include "workspace/FloatingPanel.h"

#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The floating drawing-options panel: line width, drawing, line and fill colours, fill
// switch. The main window wires its controls; the panel only shows them. Once the user has
// dragged it somewhere (movedByUser), it stays where it was put as long as it fits.
class DrawOptionsPanel : public FloatingPanel {
    Q_OBJECT

public:
    explicit DrawOptionsPanel(QWidget* parent);

    QComboBox* DebelinaLinii = nullptr;
    QPushButton* cmdColor = nullptr;
    QPushButton* cmdConnectColor = nullptr;
    QCheckBox* chkFilled = nullptr;
    QPushButton* PaintFill = nullptr;
    QLabel* lblHidefr = nullptr;

    // A colour button shows its colour as its background; the colour itself is kept in the
    // tool state.
    static void setButtonColour(QPushButton* button, int32_t colour);

signals:
    void hideRequested();
};
