#pragma once

#include <QObject>
#include <cstdint>

class CanvasLayer;
class EditorContext;
class QMenu;

// The connect commands, the line handles and the line menu "Линии" (mnuLines).
class LineCommands : public QObject {
    Q_OBJECT

public:
    explicit LineCommands(EditorContext& context);
    ~LineCommands() override;

    QMenu* mnuLines = nullptr;

    // cmdCon, cmdCon1, cmdCon2 and their menu entries: types 1, 2, 3.
    void connectCommand(int16_t lineType);
    // Makes the line the context element and pops the line menu up at the mouse.
    void openLineMenu(int16_t slot);

    void mnuDelLine_Click();
    void setType(int32_t type);
    void setWidth(int32_t width);
    void setStyle(int32_t style);
    void mnuColLine_Click();

private:
    void buildMenu();
    // The slot of the line whose menu was opened, 0 when the context element is no line.
    int16_t contextLine() const;

    EditorContext& m_context;
    int m_repaintStep = 0;
};
