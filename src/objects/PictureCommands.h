#pragma once

#include "workspace/CanvasDrag.h"

#include "workspace/CanvasLayer.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

class CanvasLayer;
class EditorContext;
class frmAddObject;

// Adding, dragging and deleting picture objects: the "Обекти" and "Последен" commands, the
// library chooser, import from a file, the mouse on picture objects and "Изтрий" of the
// element menu.
class PictureCommands : public QObject, public CanvasMouseHandler {
    Q_OBJECT

public:
    explicit PictureCommands(EditorContext& context);
    ~PictureCommands() override;

    void cmdAdd_Click();
    void cmdAddLast_Click();
    void mnuAddLib_Click();
    void mnuAddFromFile_Click();
    // Reads an image file and adds it as a picture object; false (after telling the user
    // why) when the file is no picture this program can read.
    bool addPictureFromFile(const QString& path);
    void mnuOptDelete_Click();

    frmAddObject* chooser() const;
    bool dragging() const { return m_drag.active(); }

    // Mouse on a picture object.
    void mouseDown(int slot, const CanvasMouse& mouse) override;
    void mouseMove(int slot, const CanvasMouse& mouse) override;
    void mouseUp(int slot, const CanvasMouse& mouse) override;

private:
    EditorContext& m_context;
    QPointer<frmAddObject> m_chooser;
    // The drag in progress, made when the button went down.
    CanvasDrag m_drag;
};
