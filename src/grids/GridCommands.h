#pragma once

#include <QObject>
#include <QRectF>
#include <functional>

class CanvasLayer;
class EditorContext;
class frmAddTable;

// Grids in the editor: "Решетка", the area marked with the mouse, the rows-and-columns dialog,
// the painting of stored grids and their handles.
class GridCommands : public QObject {
    Q_OBJECT

public:
    explicit GridCommands(EditorContext& context);
    ~GridCommands() override;

    // mnuTable "Решетка": after the user's OK, the next drag on the canvas marks the area.
    void mnuTable_Click();
    // The area is marked (twips): asks for rows and columns, which makes the grid.
    void gridMarked(const QRectF& area);

    // Shows the dialog modally; tests answer it instead.
    std::function<void(frmAddTable&)> runDialog;

private:
    EditorContext& m_context;
    CanvasLayer* m_layer = nullptr;
};
