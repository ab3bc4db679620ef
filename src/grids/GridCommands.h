#pragma once

#include "workspace/CanvasDrag.h"

#include "workspace/CanvasLayer.h"

#include <QObject>
#include <QRectF>
#include <cstdint>
#include <functional>
#include <optional>

class CanvasLayer;
class EditorContext;
class QMenu;
class frmAddTable;
class frmEditTable;

// Grids in the editor: "Решетка", the area marked with the mouse, the rows-and-columns dialog,
// the painting of stored grids and their handles, moving a grid by its handle and the grid
// menu "Таблици" (mnuTables).
class GridCommands : public QObject, public CanvasMouseHandler {
    Q_OBJECT

public:
    explicit GridCommands(EditorContext& context);
    ~GridCommands() override;

    QMenu* mnuTables = nullptr;

    // mnuTable "Решетка": after the user's OK, the next drag on the canvas marks the area.
    void mnuTable_Click();
    // The area is marked (twips): asks for rows and columns, which makes the grid.
    void gridMarked(const QRectF& area);

    // The mouse on the handle of grid `slot`: the left button drags the grid, the right one
    // opens the grid menu.
    void mouseDown(int slot, const CanvasMouse& mouse) override;
    void mouseMove(int slot, const CanvasMouse& mouse) override;
    void mouseUp(int slot, const CanvasMouse& mouse) override;
    // Makes the grid the context element and pops the grid menu up at the mouse.
    void openGridMenu(int16_t slot);

    void mnuDellTable_Click();
    void mnuTabCopy_Click();
    void mnuEdit_Click();
    void mnuResize_Click();

    // Show the dialogs modally; tests answer them instead.
    std::function<void(frmAddTable&)> runDialog;
    std::function<void(frmEditTable&)> runEditDialog;

private:
    void buildMenu();
    // The slot of the grid whose menu was opened, 0 when the context element is no grid.
    int16_t contextGrid() const;
    // The grid takes the place of its handle.
    void followHandle(int16_t slot);

    EditorContext& m_context;
    CanvasDrag m_drag;
};
