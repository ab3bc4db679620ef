#pragma once

#include "workspace/SimpleDragAndDrop.h"

#include <QFrame>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The floating drawing-options panel: line width, drawing, line and fill colours, fill
// switch. The main window wires its controls; the panel only shows them and lets the user
// drag it around the window.
class DrawOptionsPanel : public QFrame {
    Q_OBJECT

public:
    explicit DrawOptionsPanel(QWidget* parent);

    QLabel* caption = nullptr;
    QComboBox* DebelinaLinii = nullptr;
    QPushButton* cmdColor = nullptr;
    QPushButton* cmdConnectColor = nullptr;
    QCheckBox* chkFilled = nullptr;
    QPushButton* PaintFill = nullptr;
    QLabel* lblHidefr = nullptr;

    // A colour button shows its colour as its background; the colour itself is kept in the
    // tool state.
    static void setButtonColour(QPushButton* button, int32_t colour);

    // True once the user has dragged the panel somewhere: from then on it stays where it was
    // put as long as it fits.
    bool movedByUser() const { return m_movedByUser; }

signals:
    void hideRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SimpleDragAndDrop m_drag;
    bool m_movedByUser = false;
};
